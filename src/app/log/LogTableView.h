#pragma once

#include <QAbstractItemView>
#include <QRawFont>
#include <array>
#include <string_view>

// The view of the log list: rows of one line each, like a list box's.
//
// Every row has the height of the font and a little air, so a row is found by its number alone
// (row = y / row height) and the view keeps nothing per row: a change in a log of a hundred thousand
// lines costs what it costs in a short one. The lines are one byte a character in a fixed-pitch font,
// so each is painted as glyphs placed one advance apart, looked up in a table of the 256 bytes, without
// laying the text out again on every paint. The one column is as wide as the widest line, which the log
// model keeps as lines arrive, or as the list when that is wider, so that a selected row is highlighted
// across the list and the horizontal scroll bar reaches the end of the widest line. Screen readers read
// it as a list of its lines.
class LogTableView final : public QAbstractItemView {
    Q_OBJECT
public:
    explicit LogTableView(QWidget* parent = nullptr);

    // Whether the columns of the lines line up in `font` (LogFont's promise).
    static bool EveryCharacterAdvancesAlike(const QFont& font);
    // The width of the list that shows `characters` of a line, with its frame, the margins and the
    // vertical scroll bar, without scrolling sideways.
    int WidthFor(int characters) const;

    void setModel(QAbstractItemModel* model) override;
    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    void reset() override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitToFont();
    void FindGlyphs();
    void RowsChanged();
    int RowCount() const;
    int ColumnWidth() const;
    int TextMargin() const;
    // Paints the bytes of a line from its character `first` on, the text's left edge at `x`; false when
    // the font lacks a glyph of one of them, so that the text is laid out as usual.
    bool PaintBytes(QPainter& painter, std::string_view line, int first, qreal x, qreal baseline,
                    int width) const;

    int m_rowHeight = 1;
    qreal m_advance = 1;
    QRawFont m_rawFont;
    // The glyph of each byte in the log's font, 0 where it has none.
    std::array<quint32, 256> m_glyphs{};
    bool m_glyphsFound = false;
};
