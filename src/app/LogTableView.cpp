#include "LogTableView.h"

#include "LogListModel.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QScrollBar>
#include <QtMath>

LogTableView::LogTableView(QWidget* parent) : QTableView(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setShowGrid(false);
    setWordWrap(false);
    // A QSO line is read by its columns: never shorten it with an ellipsis.
    setTextElideMode(Qt::ElideNone);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    // Tab leaves the list, as it leaves a list box, instead of walking its rows.
    setTabKeyNavigation(false);
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollMode(ScrollPerPixel);
    FitToFont();
}

QFont LogTableView::LogFont() {
    QFont font(QStringLiteral("Courier New"), 8);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!EveryCharacterAdvancesAlike(font))
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return font;
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
    const int rowHeight = fontMetrics().height() + 3;
    verticalHeader()->setMinimumSectionSize(rowHeight);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalScrollBar()->setSingleStep(rowHeight);
    horizontalScrollBar()->setSingleStep(fontMetrics().horizontalAdvance(QLatin1Char('W')));
}

void LogTableView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        FitToFont();
    QTableView::changeEvent(event);
}

void LogTableView::resizeEvent(QResizeEvent* event) {
    // The first line wider than the list brings the horizontal scroll bar only after the list has
    // scrolled to that line: the end of the log stays in view when the bar takes its room.
    QScrollBar* bar = verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    QTableView::resizeEvent(event);
    if (atEnd)
        bar->setValue(bar->maximum());
}

int LogTableView::WidthFor(int characters) const {
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const qreal advance = QFontMetricsF(font()).horizontalAdvance(QLatin1Char('W'));
    return qCeil(characters * advance) + 2 * margin + 2 * frameWidth() +
           style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

void LogTableView::updateGeometries() {
    const auto* log = qobject_cast<const LogListModel*>(model());
    if (log && horizontalHeader()->count() > 0) {
        // The log is shown in a fixed-pitch font: a line is as wide as its characters, plus the
        // margins the item delegate keeps on both sides of the text.
        const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
        const qreal advance = QFontMetricsF(font()).horizontalAdvance(QLatin1Char('W'));
        const int widest = qCeil(log->WidestLine() * advance) + 2 * margin;
        const int width = qMax(viewport()->width(), widest);
        setColumnWidth(0, width);
    }
    QTableView::updateGeometries();
}

void LogTableView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                               const QList<int>& roles) {
    QTableView::dataChanged(topLeft, bottomRight, roles);
    // A line replaced by a wider one widens the column.
    updateGeometries();
}

QModelIndex LogTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    // In a table Home and End stay in the row; in a list box they go to the first and the last line.
    if (cursorAction == MoveHome || cursorAction == MoveEnd)
        modifiers |= Qt::ControlModifier;
    return QTableView::moveCursor(cursorAction, modifiers);
}
