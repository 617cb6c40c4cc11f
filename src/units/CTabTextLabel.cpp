#include "units/CTabTextLabel.h"

#include <QFontMetricsF>
#include <QtMath>
#include <algorithm>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <QTextOption>

namespace {

QTextOption TabOption(qreal tabStop)
{
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(tabStop);
    return option;
}

} // namespace

CTabTextLabel::CTabTextLabel(unsigned controlId, const QString& text, QWidget* parent)
    : CStaticEx(controlId, text, parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

qreal CTabTextLabel::TabStopDistance() const
{
    return 8 * QFontMetricsF(font()).averageCharWidth();
}

QSizeF CTabTextLabel::TextSize(const QString& text) const
{
    const QFontMetricsF metrics(font());
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QTextOption option = TabOption(TabStopDistance());
    qreal width = 0;
    for (const QString& line : lines) {
        QTextLayout layout(line, font());
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine l = layout.createLine();
        if (l.isValid())
            l.setLineWidth(1e6);
        layout.endLayout();
        if (l.isValid())
            width = std::max(width, l.naturalTextWidth());
    }
    return {width, metrics.lineSpacing() * lines.size()};
}

qreal CTabTextLabel::ColumnOffset(int line, int column) const
{
    const QStringList lines = text().split(QLatin1Char('\n'));
    if (line < 0 || line >= lines.size() || column < 0)
        return -1;
    const QString& s = lines[line];
    int position = 0;
    for (int c = 0; c < column; ++c) {
        const int tab = s.indexOf(QLatin1Char('\t'), position);
        if (tab < 0)
            return -1;
        position = tab + 1;
        // Runs of tabs separate one column from the next.
        while (position < s.size() && s[position] == QLatin1Char('\t'))
            ++position;
    }
    QTextLayout layout(s, font());
    layout.setTextOption(TabOption(TabStopDistance()));
    layout.beginLayout();
    QTextLine l = layout.createLine();
    if (l.isValid())
        l.setLineWidth(1e6);
    layout.endLayout();
    return l.isValid() ? l.cursorToX(position) : -1;
}

QSize CTabTextLabel::sizeHint() const
{
    return SizeFor(text());
}

QSize CTabTextLabel::SizeFor(const QString& content) const
{
    const QSizeF text = TextSize(content);
    const QMargins m = contentsMargins();
    return QSize(qCeil(text.width()) + m.left() + m.right() + 2 * margin() + 2,
                 qCeil(text.height()) + m.top() + m.bottom() + 2 * margin());
}

QSize CTabTextLabel::minimumSizeHint() const
{
    return sizeHint();
}

void CTabTextLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.setFont(font());
    const QRectF area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    painter.drawText(area, text(), TabOption(TabStopDistance()));
}
