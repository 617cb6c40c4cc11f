#pragma once

#include "controls/HelpControls.h"

// A multi-line static text that expands its tabs into columns, as the
// comments of the unit converter are laid out: tab stops every eight average
// character widths of the label's font, so lines that share their tab counts
// line up. Plain text only. A help control like any CStaticEx.
class CTabTextLabel : public CStaticEx {
    Q_OBJECT
public:
    CTabTextLabel(unsigned controlId, const QString& text = QString(), QWidget* parent = nullptr);

    // Distance between two tab stops, in pixels, for the current font.
    qreal TabStopDistance() const;
    // Horizontal offset (pixels) of column `column` of line `line` (columns
    // split at tabs), as the label lays them out. -1 when there is no such
    // column.
    qreal ColumnOffset(int line, int column) const;

    // Size the label needs to show `text` in full (the current text when
    // none is given).
    QSize SizeFor(const QString& text) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSizeF TextSize(const QString& text) const;
};
