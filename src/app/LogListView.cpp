#include "LogListView.h"

#include <QAbstractItemDelegate>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

LogListView::LogListView(QWidget* parent) : QListView(parent) {
    setUniformItemSizes(true);
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollMode(ScrollPerPixel);
}

int LogListView::RowCount() const {
    return model() ? model()->rowCount(rootIndex()) : 0;
}

QModelIndex LogListView::Row(int row) const {
    return model() ? model()->index(row, modelColumn(), rootIndex()) : QModelIndex();
}

int LogListView::RowHeight() const {
    // A little air around the text, as list boxes have.
    return fontMetrics().height() + 3;
}

int LogListView::ContentWidth() const {
    // The log is shown in a fixed-pitch font: a row is as wide as its characters.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return m_widestRow * fontMetrics().horizontalAdvance(QLatin1Char('W')) + 2 * margin;
}

int LogListView::RowWidth() const {
    return qMax(viewport()->width(), ContentWidth());
}

std::pair<int, int> LogListView::RowsBetween(int top, int bottom) const {
    if (bottom < 0)
        return {0, -1};
    const int height = RowHeight();
    const int first = qMax(0, top / height);
    const int last = qMin(RowCount() - 1, bottom / height);
    return {first, last};
}

void LogListView::MeasureRows(int first, int last) {
    for (int row = first; row <= last; ++row)
        m_widestRow = qMax(m_widestRow, static_cast<int>(Row(row).data(Qt::DisplayRole).toString().size()));
}

QRect LogListView::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex() ||
        index.column() != modelColumn())
        return {};
    const int height = RowHeight();
    return {-horizontalOffset(), index.row() * height - verticalOffset(), RowWidth(), height};
}

QModelIndex LogListView::indexAt(const QPoint& point) const {
    const int y = point.y() + verticalOffset();
    const int x = point.x() + horizontalOffset();
    if (y < 0 || x < 0 || x >= RowWidth())
        return {};
    const int row = y / RowHeight();
    return row < RowCount() ? Row(row) : QModelIndex();
}

void LogListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    const QRect rect = visualRect(index);
    if (!rect.isValid())
        return;
    // The ranges must already count the row, also when it was inserted a moment ago.
    updateGeometries();
    const int top = index.row() * RowHeight();
    const int bottom = top + RowHeight();
    const int visible = viewport()->height();
    QScrollBar* bar = verticalScrollBar();
    switch (hint) {
    case EnsureVisible:
        if (top < bar->value())
            bar->setValue(top);
        else if (bottom > bar->value() + visible)
            bar->setValue(bottom - visible);
        break;
    case PositionAtTop:
        bar->setValue(top);
        break;
    case PositionAtBottom:
        bar->setValue(bottom - visible);
        break;
    case PositionAtCenter:
        bar->setValue(top - (visible - RowHeight()) / 2);
        break;
    }
    // Rows begin at the left edge; show their beginning.
    if (hint != EnsureVisible || rect.left() < 0)
        horizontalScrollBar()->setValue(0);
}

// These skip QListView's own versions on purpose: it would lay out every row again, where the rows
// here are placed by number.
// NOLINTBEGIN(bugprone-parent-virtual-call)
void LogListView::doItemsLayout() {
    if (m_widestRowStale) {
        m_widestRow = 0;
        m_widestRowStale = false;
        MeasureRows(0, RowCount() - 1);
    }
    // Skips QListView's own layout: there is nothing to lay out beyond the scroll ranges.
    QAbstractItemView::doItemsLayout();
}

void LogListView::reset() {
    m_widestRowStale = true;
    QListView::reset();
}

void LogListView::rowsInserted(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsInserted(parent, start, end);
    if (parent != rootIndex())
        return;
    if (!m_widestRowStale)
        MeasureRows(start, end);
    updateGeometries();
    // Rows below the inserted ones move down; the rest of the screen stays as it is.
    const int top = start * RowHeight() - verticalOffset();
    if (top < viewport()->height())
        viewport()->update(QRect(0, qMax(0, top), viewport()->width(), viewport()->height()));
}

void LogListView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
    if (parent != rootIndex())
        return;
    // Only losing the widest row makes the others worth measuring again.
    for (int row = start; row <= end && !m_widestRowStale; ++row)
        if (Row(row).data(Qt::DisplayRole).toString().size() >= m_widestRow)
            m_widestRowStale = true;
    // The rows are still there; the ranges follow once they are gone.
    scheduleDelayedItemsLayout();
}

void LogListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                              const QList<int>& roles) {
    if (topLeft.parent() == rootIndex() && !m_widestRowStale) {
        MeasureRows(topLeft.row(), bottomRight.row());
        updateGeometries();
    }
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
}

void LogListView::scrollContentsBy(int dx, int dy) {
    viewport()->scroll(dx, dy);
}

void LogListView::resizeEvent(QResizeEvent* event) {
    QAbstractItemView::resizeEvent(event);
}

int LogListView::horizontalOffset() const {
    return horizontalScrollBar()->value();
}

int LogListView::verticalOffset() const {
    return verticalScrollBar()->value();
}

void LogListView::updateGeometries() {
    const int height = RowCount() * RowHeight();
    QScrollBar* vertical = verticalScrollBar();
    vertical->setSingleStep(RowHeight());
    vertical->setPageStep(viewport()->height());
    vertical->setRange(0, qMax(0, height - viewport()->height()));
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setSingleStep(fontMetrics().horizontalAdvance(QLatin1Char('W')));
    horizontal->setPageStep(viewport()->width());
    horizontal->setRange(0, qMax(0, ContentWidth() - viewport()->width()));
    QAbstractItemView::updateGeometries();
}
// NOLINTEND(bugprone-parent-virtual-call)

QSize LogListView::viewportSizeHint() const {
    return {ContentWidth(), RowCount() * RowHeight()};
}

bool LogListView::isIndexHidden(const QModelIndex&) const {
    return false;
}

QModelIndex LogListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers) {
    const int rows = RowCount();
    if (rows == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return Row(0);
    const int page = qMax(1, viewport()->height() / RowHeight() - 1);
    int row = current.row();
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
        --row;
        break;
    case MoveDown:
    case MoveNext:
        ++row;
        break;
    case MovePageUp:
        row -= page;
        break;
    case MovePageDown:
        row += page;
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = rows - 1;
        break;
    case MoveLeft:
    case MoveRight:
        break;
    }
    return Row(qBound(0, row, rows - 1));
}

void LogListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    if (!selectionModel())
        return;
    const QRect content = rect.normalized().translated(horizontalOffset(), verticalOffset());
    const auto [first, last] = RowsBetween(content.top(), content.bottom());
    if (content.right() < 0 || content.left() >= RowWidth() || first > last) {
        selectionModel()->select(QItemSelection(), command);
        return;
    }
    selectionModel()->select(QItemSelection(Row(first), Row(last)), command);
}

QRegion LogListView::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    const int height = RowHeight();
    for (const QItemSelectionRange& range : selection) {
        if (range.parent() != rootIndex() || range.left() > modelColumn() || range.right() < modelColumn())
            continue;
        region += QRect(-horizontalOffset(), range.top() * height - verticalOffset(), RowWidth(),
                        (range.bottom() - range.top() + 1) * height);
    }
    return region & viewport()->rect();
}

void LogListView::paintEvent(QPaintEvent* event) {
    if (!model() || !itemDelegate())
        return;
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State baseState = option.state;
    const bool enabled = baseState & QStyle::State_Enabled;
    const QModelIndex current = currentIndex();
    const bool focused = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QModelIndex hover = indexAt(viewport()->mapFromGlobal(QCursor::pos()));

    const QRect exposed = event->rect();
    const auto [first, last] =
        RowsBetween(exposed.top() + verticalOffset(), exposed.bottom() + verticalOffset());
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = Row(row);
        option.rect = visualRect(index);
        option.state = baseState;
        if (selectionModel() && selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (enabled && !(model()->flags(index) & Qt::ItemIsEnabled)) {
            option.state &= ~QStyle::State_Enabled;
            option.palette.setCurrentColorGroup(QPalette::Disabled);
        } else {
            option.palette.setCurrentColorGroup(enabled ? QPalette::Normal : QPalette::Disabled);
        }
        if (focused && index == current)
            option.state |= QStyle::State_HasFocus;
        if (index == hover && underMouse())
            option.state |= QStyle::State_MouseOver;
        else
            option.state &= ~QStyle::State_MouseOver;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}
