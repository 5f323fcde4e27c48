#include "log/LogTableView.h"

#include "log/LogListModel.h"
#include "platform/Win1250.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QtMath>
#include <algorithm>
#include <map>

namespace {

// A line of the list as a screen reader sees it: an item of the list, by its row.
class LogRowAccessible final : public QAccessibleInterface {
public:
    LogRowAccessible(LogTableView* view, int row) : m_view(view), m_row(row) {}

    bool isValid() const override {
        return m_view != nullptr && m_view->model() != nullptr && m_row < m_view->model()->rowCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_view); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !isValid())
            return {};
        return Index().data(Qt::AccessibleTextRole).toString();
    }

    QRect rect() const override {
        const QRect row = m_view->visualRect(Index());
        return QRect(m_view->viewport()->mapToGlobal(row.topLeft()), row.size());
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        state.focusable = true;
        const QModelIndex index = Index();
        state.selected = m_view->selectionModel() != nullptr && m_view->selectionModel()->isSelected(index);
        state.focused = m_view->hasFocus() && m_view->currentIndex() == index;
        state.invisible = !m_view->viewport()->rect().intersects(m_view->visualRect(index));
        return state;
    }

private:
    QModelIndex Index() const { return m_view->model()->index(m_row, 0, m_view->rootIndex()); }

    QPointer<LogTableView> m_view;
    int m_row;
};

// The list as a screen reader sees it: one item for each line, made when it is first asked for.
class LogListAccessible final : public QAccessibleWidget {
public:
    explicit LogListAccessible(LogTableView* view) : QAccessibleWidget(view, QAccessible::List) {}
    ~LogListAccessible() override {
        for (const auto& [row, id] : m_rows)
            QAccessible::deleteAccessibleInterface(id);
    }
    LogListAccessible(const LogListAccessible&) = delete;
    LogListAccessible& operator=(const LogListAccessible&) = delete;

    int childCount() const override { return View()->model() != nullptr ? View()->model()->rowCount() : 0; }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        const auto known = m_rows.find(index);
        if (known != m_rows.end())
            return QAccessible::accessibleInterface(known->second);
        auto* row = new LogRowAccessible(View(), index);
        m_rows.emplace(index, QAccessible::registerAccessibleInterface(row));
        return row;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [row, id] : m_rows)
            if (QAccessible::accessibleInterface(id) == child)
                return row;
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QModelIndex index = View()->indexAt(View()->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? child(index.row()) : nullptr;
    }

    QAccessibleInterface* focusChild() const override {
        return View()->hasFocus() ? child(View()->currentIndex().row()) : nullptr;
    }

private:
    LogTableView* View() const { return static_cast<LogTableView*>(widget()); }

    mutable std::map<int, QAccessible::Id> m_rows;
};

QAccessibleInterface* AccessibleLogList(const QString& className, QObject* object) {
    if (className == QLatin1String("LogTableView") && object != nullptr && object->isWidgetType())
        return new LogListAccessible(static_cast<LogTableView*>(object));
    return nullptr;
}

} // namespace

LogTableView::LogTableView(QWidget* parent) : QAbstractItemView(parent) {
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    // A QSO line is read by its columns: never shorten it with an ellipsis.
    setTextElideMode(Qt::ElideNone);
    // Tab leaves the list, as it leaves a list box, instead of walking its rows.
    setTabKeyNavigation(false);
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollMode(ScrollPerPixel);
    [[maybe_unused]] static const bool accessible = [] {
        QAccessible::installFactory(AccessibleLogList);
        return true;
    }();
    FitToFont();
}

bool LogTableView::EveryCharacterAdvancesAlike(const QFont& font) {
    // The characters of a log line: printable ASCII.
    const QFontMetricsF metrics(font);
    const qreal advance = metrics.horizontalAdvance(QLatin1Char('W'));
    for (char c = ' '; c <= '~'; ++c)
        if (metrics.horizontalAdvance(QLatin1Char(c)) != advance)
            return false;
    return true;
}

void LogTableView::FitToFont() {
    // A little air around the text, as list boxes have.
    m_rowHeight = fontMetrics().height() + 3;
    m_advance = QFontMetricsF(font()).horizontalAdvance(QLatin1Char('W'));
    verticalScrollBar()->setSingleStep(m_rowHeight);
    horizontalScrollBar()->setSingleStep(qCeil(m_advance));
    // The glyphs are looked up when a line is first painted: a list that starts empty needs none.
    m_glyphsFound = false;
    updateGeometries();
}

int LogTableView::TextMargin() const {
    return style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
}

int LogTableView::WidthFor(int characters) const {
    return qCeil(characters * m_advance) + 2 * TextMargin() + 2 * frameWidth() +
           style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

void LogTableView::setModel(QAbstractItemModel* model) {
    if (QAbstractItemModel* old = this->model())
        disconnect(old, nullptr, this, nullptr);
    QAbstractItemView::setModel(model);
    if (model == nullptr)
        return;
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model, signal, this, &LogTableView::RowsChanged);
    connect(model, &QAbstractItemModel::layoutChanged, this, &LogTableView::RowsChanged);
    RowsChanged();
}

void LogTableView::reset() {
    QAbstractItemView::reset();
    RowsChanged();
}

void LogTableView::RowsChanged() {
    updateGeometries();
    viewport()->update();
}

int LogTableView::RowCount() const {
    return model() != nullptr ? model()->rowCount(rootIndex()) : 0;
}

int LogTableView::ColumnWidth() const {
    const auto* log = qobject_cast<const LogListModel*>(model());
    const int widest = log != nullptr ? qCeil(log->WidestLine() * m_advance) + 2 * TextMargin() : 0;
    return qMax(viewport()->width(), widest);
}

void LogTableView::updateGeometries() {
    QScrollBar* vertical = verticalScrollBar();
    vertical->setPageStep(viewport()->height());
    vertical->setRange(0, qMax(0, RowCount() * m_rowHeight - viewport()->height()));
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setPageStep(viewport()->width());
    horizontal->setRange(0, ColumnWidth() - viewport()->width());
    QAbstractItemView::updateGeometries();
}

void LogTableView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        FitToFont();
    QAbstractItemView::changeEvent(event);
}

void LogTableView::resizeEvent(QResizeEvent* event) {
    // The first line wider than the list brings the horizontal scroll bar only after the list has
    // scrolled to that line: the end of the log stays in view when the bar takes its room.
    QScrollBar* bar = verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    QAbstractItemView::resizeEvent(event);
    updateGeometries();
    if (atEnd)
        bar->setValue(bar->maximum());
}

void LogTableView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                               const QList<int>& roles) {
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
    // A line replaced by a wider one widens the column.
    updateGeometries();
    viewport()->update();
}

QRect LogTableView::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.parent() != rootIndex() || index.column() != 0)
        return {};
    return {-horizontalOffset(), index.row() * m_rowHeight - verticalOffset(), ColumnWidth(), m_rowHeight};
}

void LogTableView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid())
        return;
    const int top = index.row() * m_rowHeight;
    const int height = viewport()->height();
    QScrollBar* bar = verticalScrollBar();
    switch (hint) {
    case PositionAtTop:
        bar->setValue(top);
        break;
    case PositionAtBottom:
        bar->setValue(top + m_rowHeight - height);
        break;
    case PositionAtCenter:
        bar->setValue(top + (m_rowHeight - height) / 2);
        break;
    case EnsureVisible:
        if (top < bar->value())
            bar->setValue(top);
        else if (top + m_rowHeight > bar->value() + height)
            bar->setValue(top + m_rowHeight - height);
        break;
    }
    // A line is read from its start, as a list box shows it.
    horizontalScrollBar()->setValue(0);
}

QModelIndex LogTableView::indexAt(const QPoint& point) const {
    const int y = point.y() + verticalOffset();
    const int x = point.x() + horizontalOffset();
    if (y < 0 || x < 0 || x >= ColumnWidth() || model() == nullptr)
        return {};
    const int row = y / m_rowHeight;
    return row < RowCount() ? model()->index(row, 0, rootIndex()) : QModelIndex();
}

void LogTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QAbstractItemView::currentChanged(current, previous);
    // A screen reader follows the chosen line.
    if (QAccessible::isActive() && current.isValid() && hasFocus()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(current.row());
        QAccessible::updateAccessibility(&event);
    }
}

QModelIndex LogTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers) {
    const int count = RowCount();
    if (count == 0)
        return {};
    const int current = currentIndex().isValid() ? currentIndex().row() : 0;
    const int page = qMax(1, viewport()->height() / m_rowHeight);
    int row = current;
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
    // In a list box Home and End go to the first and the last line.
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = count - 1;
        break;
    // Left and right scroll a long line, as a list box does.
    case MoveLeft:
    case MoveRight: {
        QScrollBar* bar = horizontalScrollBar();
        bar->setValue(bar->value() + (cursorAction == MoveLeft ? -1 : 1) * bar->singleStep());
        break;
    }
    }
    return model()->index(std::clamp(row, 0, count - 1), 0, rootIndex());
}

int LogTableView::horizontalOffset() const {
    return horizontalScrollBar()->value();
}

int LogTableView::verticalOffset() const {
    return verticalScrollBar()->value();
}

bool LogTableView::isIndexHidden(const QModelIndex&) const {
    return false;
}

void LogTableView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    const int count = RowCount();
    if (count == 0)
        return;
    const QRect normal = rect.normalized();
    const int first = std::clamp((normal.top() + verticalOffset()) / m_rowHeight, 0, count - 1);
    const int last = std::clamp((normal.bottom() + verticalOffset()) / m_rowHeight, 0, count - 1);
    selectionModel()->select(
        QItemSelection(model()->index(first, 0, rootIndex()), model()->index(last, 0, rootIndex())), command);
}

QRegion LogTableView::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    for (const QItemSelectionRange& range : selection)
        if (range.isValid() && range.parent() == rootIndex())
            region += QRect(0, range.top() * m_rowHeight - verticalOffset(), viewport()->width(),
                            (range.bottom() - range.top() + 1) * m_rowHeight);
    return region;
}

void LogTableView::FindGlyphs() {
    m_glyphsFound = true;
    m_rawFont = QRawFont::fromFont(font());
    // A byte is painted straight from the table only when its glyph advances as the font's characters
    // do; any other makes its line go through the usual text layout.
    QByteArray bytes;
    for (int byte = 0x20; byte < 0x100; ++byte)
        bytes.append(static_cast<char>(byte));
    const QString characters = FromWin1250(bytes.toStdString());
    const QList<quint32> glyphs = m_rawFont.glyphIndexesForString(characters);
    m_glyphs.fill(0);
    if (characters.size() != bytes.size() || glyphs.size() != characters.size())
        return;
    const QList<QPointF> advances = m_rawFont.advancesForGlyphIndexes(glyphs);
    for (qsizetype i = 0; i < glyphs.size(); ++i)
        if (glyphs[i] != 0 && qAbs(advances[i].x() - m_advance) < 0.01)
            m_glyphs[static_cast<std::size_t>(0x20 + i)] = glyphs[i];
}

bool LogTableView::PaintBytes(QPainter& painter, std::string_view line, int first, qreal x, qreal baseline,
                              int width) const {
    // A line cut for showing ends in an ellipsis, which data() adds.
    if (line.size() > LogListModel::MaxShownLineLength)
        return false;
    const auto firstCharacter = static_cast<std::size_t>(first);
    if (firstCharacter >= line.size())
        return true;
    const std::size_t count =
        std::min(line.size() - firstCharacter, static_cast<std::size_t>(qCeil(width / m_advance)) + 1);
    QList<quint32> glyphs(static_cast<qsizetype>(count));
    QList<QPointF> positions(static_cast<qsizetype>(count));
    for (std::size_t i = 0; i < count; ++i) {
        const quint32 glyph = m_glyphs[static_cast<unsigned char>(line[firstCharacter + i])];
        if (glyph == 0)
            return false;
        glyphs[static_cast<qsizetype>(i)] = glyph;
        positions[static_cast<qsizetype>(i)] = QPointF(static_cast<qreal>(i) * m_advance, 0);
    }
    QGlyphRun run;
    run.setRawFont(m_rawFont);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(x + first * m_advance, baseline), run);
    return true;
}

void LogTableView::paintEvent(QPaintEvent* event) {
    if (model() == nullptr)
        return;
    QPainter painter(viewport());
    const QRect area = event->rect();
    const int count = RowCount();
    const int first = qMax(0, (area.top() + verticalOffset()) / m_rowHeight);
    const int last = qMin(count - 1, (area.bottom() + verticalOffset()) / m_rowHeight);
    const auto* log = qobject_cast<const LogListModel*>(model());
    const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
    const int margin = TextMargin();
    const QFontMetrics metrics = fontMetrics();
    const qreal textLeft = margin - horizontalOffset();
    // The characters cut off on the left are not painted.
    const int firstCharacter = qMax(0, static_cast<int>((horizontalOffset() - margin) / m_advance));
    painter.setFont(font());
    if (!m_glyphsFound && first <= last)
        FindGlyphs();
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model()->index(row, 0, rootIndex());
        const QRect rect = visualRect(index);
        const bool selected = selectionModel() != nullptr && selectionModel()->isSelected(index);
        if (selected)
            painter.fillRect(rect, palette().brush(group, QPalette::Highlight));
        painter.setPen(palette().color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        const int baseline = rect.top() + (m_rowHeight - metrics.height()) / 2 + metrics.ascent();
        if (log == nullptr ||
            !PaintBytes(painter, log->LineBytes(row), firstCharacter, textLeft, baseline, area.width())) {
            const QRect text = rect.adjusted(margin, 0, -margin, 0);
            painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             index.data(Qt::DisplayRole).toString());
        }
        if (index == currentIndex() && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = QRect(0, rect.top(), viewport()->width(), m_rowHeight);
            focus.backgroundColor = palette().color(group, selected ? QPalette::Highlight : QPalette::Base);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
}
