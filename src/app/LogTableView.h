#pragma once

#include <QTableView>

// The view of the log list: Qt's table view set up as a list box of single-line rows.
//
// A table whose rows all have one fixed height places a row by its number, so adding a line to a log
// of a hundred thousand lines costs about what adding it to a short one does (a list view lays every
// row out again). The one column is as wide as the widest line, which the log model keeps as lines
// arrive, or as the list when that is wider, so that a selected row is highlighted across the list
// and the horizontal scroll bar reaches the end of the widest line without measuring any row.
class LogTableView final : public QTableView {
    Q_OBJECT
public:
    explicit LogTableView(QWidget* parent = nullptr);

    // The font of the log: one whose characters all advance alike, so that the columns of the lines
    // line up. Fontconfig calls some such fonts proportional, so the widths themselves decide.
    static QFont LogFont();
    static bool EveryCharacterAdvancesAlike(const QFont& font);
    // The width of the list that shows `characters` of a line, with its frame, the margins and the
    // vertical scroll bar, without scrolling sideways.
    int WidthFor(int characters) const;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    void FitToFont();
};
