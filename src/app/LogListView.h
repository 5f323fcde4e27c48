#pragma once

#include <QListView>

// The view of the log list: one column of single-line rows, all of one height, like a list box.
//
// QListView lays out every row again whenever one is inserted, which makes adding a contact to a log of
// a hundred thousand lines as slow as loading it. Here a row's place is its number times the row
// height, so inserting, scrolling and painting touch only the rows concerned and the rows on screen.
// It stays a QListView for everything else: the API the windows use, selection, keyboard handling and
// accessibility. Rows cannot be hidden and items are not laid out as icons.
class LogListView final : public QListView {
    Q_OBJECT
public:
    explicit LogListView(QWidget* parent = nullptr);

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    void doItemsLayout() override;
    void reset() override;

    int RowHeight() const;
    // Width of the widest row in pixels, its text margins included.
    int ContentWidth() const;

protected:
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    bool isIndexHidden(const QModelIndex& index) const override;
    QSize viewportSizeHint() const override;

private:
    int RowCount() const;
    QModelIndex Row(int row) const;
    // Rows of the content from `top` to `bottom` (pixels of the content, not of the viewport).
    std::pair<int, int> RowsBetween(int top, int bottom) const;
    int RowWidth() const;
    void MeasureRows(int first, int last);

    // The longest row in characters; recounted from all rows only after rows went away.
    int m_widestRow = 0;
    bool m_widestRowStale = false;
};
