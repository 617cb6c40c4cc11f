#pragma once

#include "controls/HelpControls.h"

// The calculator's tape: a list box of many lines, all of one height. The
// list view of the framework lays every row out anew whenever a row is
// added or changes its text, which costs as much as the tape is long;
// here row r simply stands at r row heights from the top, so adding,
// rewriting or removing a line costs the same on a tape of ten lines as on
// one of a hundred thousand. Scrolling is by whole rows, as in a list box.
// Hidden rows and right-to-left layouts are not supported (the tape has
// neither).
class CTapeList : public CListBoxEx {
    Q_OBJECT
public:
    explicit CTapeList(unsigned controlId, QWidget* parent = nullptr);

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    void doItemsLayout() override;
    void reset() override;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;
    QSize viewportSizeHint() const override;

    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;

private:
    int Rows() const;
    int RowHeight() const;
    // Whole rows the viewport shows, at least one.
    int RowsPerPage() const;
    QModelIndex RowIndex(int row) const;
    void RowsRemoved();

    mutable int m_rowHeight = 0; // 0: to be measured
    int m_contentWidth = 0;      // the widest row painted since the list was last emptied
};
