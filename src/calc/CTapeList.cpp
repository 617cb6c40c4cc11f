#include "calc/CTapeList.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

CTapeList::CTapeList(unsigned controlId, QWidget* parent) : CListBoxEx(controlId, parent)
{
    setUniformItemSizes(true);
    // The model says when rows went; the view has no hook after the fact.
    connect(model(), &QAbstractItemModel::rowsRemoved, this, &CTapeList::RowsRemoved);
}

int CTapeList::Rows() const { return model() != nullptr ? model()->rowCount(rootIndex()) : 0; }

QModelIndex CTapeList::RowIndex(int row) const
{
    return model() != nullptr ? model()->index(row, 0, rootIndex()) : QModelIndex();
}

int CTapeList::RowHeight() const
{
    if (m_rowHeight > 0)
        return m_rowHeight;
    // One row stands for all: the text's height under the list's font.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    int height = 0;
    if (Rows() > 0 && itemDelegate() != nullptr)
        height = itemDelegate()->sizeHint(option, RowIndex(0)).height();
    m_rowHeight = std::max(height, fontMetrics().height());
    return m_rowHeight;
}

int CTapeList::RowsPerPage() const { return std::max(1, viewport()->height() / RowHeight()); }

QRect CTapeList::visualRect(const QModelIndex& index) const
{
    if (!index.isValid() || index.parent() != rootIndex() || index.column() != 0)
        return QRect();
    // As wide as the view, or as the widest line when that is wider.
    const int width = std::max(viewport()->width(), m_contentWidth);
    return QRect(-horizontalOffset(), index.row() * RowHeight() - verticalOffset(), width, RowHeight());
}

QModelIndex CTapeList::indexAt(const QPoint& point) const
{
    const int y = point.y() + verticalOffset();
    if (y < 0 || point.x() < 0 || point.x() >= viewport()->width())
        return QModelIndex();
    const int row = y / RowHeight();
    return row < Rows() ? RowIndex(row) : QModelIndex();
}

void CTapeList::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid() || index.parent() != rootIndex())
        return;
    const int row = index.row();
    const int page = RowsPerPage();
    QScrollBar* bar = verticalScrollBar();
    const int top = bar->value();
    switch (hint) {
    case PositionAtTop: bar->setValue(row); break;
    case PositionAtBottom: bar->setValue(row - page + 1); break;
    case PositionAtCenter: bar->setValue(row - page / 2); break;
    case EnsureVisible:
        if (row < top)
            bar->setValue(row);
        else if (row >= top + page)
            bar->setValue(row - page + 1);
        break;
    }
}

int CTapeList::horizontalOffset() const { return horizontalScrollBar()->value(); }

int CTapeList::verticalOffset() const { return verticalScrollBar()->value() * RowHeight(); }

bool CTapeList::isIndexHidden(const QModelIndex&) const { return false; }

QModelIndex CTapeList::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int rows = Rows();
    if (rows == 0)
        return QModelIndex();
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return RowIndex(0);
    const int row = current.row();
    // A page down shows the line that was at the bottom at the top.
    const int page = std::max(1, RowsPerPage() - 1);
    int target = row;
    switch (action) {
    case MoveUp:
    case MovePrevious: target = row - 1; break;
    case MoveDown:
    case MoveNext: target = row + 1; break;
    case MovePageUp: target = row - page; break;
    case MovePageDown: target = row + page; break;
    case MoveHome: target = 0; break;
    case MoveEnd: target = rows - 1; break;
    case MoveLeft:
    case MoveRight: break;
    }
    return RowIndex(std::clamp(target, 0, rows - 1));
}

void CTapeList::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    if (selectionModel() == nullptr || Rows() == 0)
        return;
    const QRect area = rect.normalized();
    const int first = (area.top() + verticalOffset()) / RowHeight();
    const int last = (area.bottom() + verticalOffset()) / RowHeight();
    if (area.bottom() + verticalOffset() < 0 || first >= Rows())
        return;
    QItemSelection selection;
    selection.select(RowIndex(std::max(first, 0)), RowIndex(std::min(last, Rows() - 1)));
    selectionModel()->select(selection, command);
}

QRegion CTapeList::visualRegionForSelection(const QItemSelection& selection) const
{
    QRegion region;
    const QRect shown = viewport()->rect();
    for (const QItemSelectionRange& range : selection) {
        if (range.parent() != rootIndex())
            continue;
        const QRect top = visualRect(RowIndex(range.top()));
        const QRect bottom = visualRect(RowIndex(range.bottom()));
        region += top.united(bottom).intersected(shown);
    }
    return region;
}

void CTapeList::updateGeometries()
{
    const int page = RowsPerPage();
    QScrollBar* vertical = verticalScrollBar();
    vertical->setSingleStep(1);
    vertical->setPageStep(page);
    vertical->setRange(0, std::max(0, Rows() - page));
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setSingleStep(std::max(1, fontMetrics().averageCharWidth()));
    horizontal->setPageStep(viewport()->width());
    horizontal->setRange(0, std::max(0, m_contentWidth - viewport()->width()));
    // Not the list view's: it would lay every row out.
    QAbstractItemView::updateGeometries();
}

void CTapeList::doItemsLayout()
{
    // Nothing to lay out: the geometry follows from the row count.
    QAbstractItemView::doItemsLayout();
}

void CTapeList::reset()
{
    m_contentWidth = 0;
    m_rowHeight = 0;
    QListWidget::reset();
    updateGeometries();
}

void CTapeList::paintEvent(QPaintEvent* event)
{
    QAbstractItemDelegate* delegate = itemDelegate();
    const int rows = Rows();
    if (delegate == nullptr || rows == 0)
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State state = option.state;
    QPainter painter(viewport());
    const QRect area = event->rect();
    const int first = std::max(0, (area.top() + verticalOffset()) / RowHeight());
    const int last = std::min(rows - 1, (area.bottom() + verticalOffset()) / RowHeight());
    const QModelIndex current = currentIndex();
    const bool focus = hasFocus() || viewport()->hasFocus();
    const int width = m_contentWidth;
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = RowIndex(row);
        // The contents are as wide as the widest row shown so far: rows
        // are measured when they are painted, not when they change.
        m_contentWidth = std::max(m_contentWidth, delegate->sizeHint(option, index).width());
        option.rect = visualRect(index);
        option.state = state;
        if (selectionModel() != nullptr && selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (focus && index == current)
            option.state |= QStyle::State_HasFocus;
        delegate->paint(&painter, option, index);
    }
    // The scroll bar follows after the painting, not within it.
    if (m_contentWidth != width)
        QMetaObject::invokeMethod(this, &CTapeList::updateGeometries, Qt::QueuedConnection);
}

void CTapeList::scrollContentsBy(int, int) { viewport()->update(); }

void CTapeList::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_rowHeight = 0;
        updateGeometries();
    }
    CListBoxEx::changeEvent(event);
}

QSize CTapeList::viewportSizeHint() const { return QSize(m_contentWidth, Rows() * RowHeight()); }

void CTapeList::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles)
{
    // A new text moves no row: the changed rows are painted again, nothing
    // is laid out.
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
}

void CTapeList::rowsInserted(const QModelIndex& parent, int start, int end)
{
    // The first rows fix the row height for all.
    if (parent == rootIndex() && start == 0 && end + 1 == Rows())
        m_rowHeight = 0;
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    viewport()->update();
}

void CTapeList::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end)
{
    // The base keeps the current row and the selection right; the list
    // view's own would lay every row out.
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
}

void CTapeList::RowsRemoved()
{
    if (Rows() == 0)
        m_contentWidth = 0;
    updateGeometries();
    viewport()->update();
}
