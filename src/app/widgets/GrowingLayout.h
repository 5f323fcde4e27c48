#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <utility>
#include <vector>

class QWidget;

// A window laid out by hand, place by place, that may still be made larger: one of its widgets grows
// with it, the widgets under that one keep their distance from the bottom, and all the others stay.
// The room to grow into is `room`, the window's central part: a panel docked beside it takes its width
// from the growing widget. The height is that of the room itself, whatever the menu and status bars
// take in the desktop's fonts, so that the widgets under the growing one sit BottomMargin above its
// bottom at every size.
class GrowingLayout final : public QObject {
    Q_OBJECT
public:
    static constexpr int BottomMargin = 8;
    // However small the window, the growing widget keeps this much.
    static constexpr int MinimumHeight = 40;

    GrowingLayout(QWidget* window, QWidget* room, QWidget* growing, const std::vector<QWidget*>& below);
    // Makes the window wider by `pixels` when they are more than nothing.
    void Widen(int pixels);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QWidget* m_room;
    QWidget* m_growing;
    QSize m_designSize;
    QRect m_growingPlace;
    int m_designRoomHeight; // the lowest widget under the growing one, and the margin
    std::vector<std::pair<QWidget*, QPoint>> m_below;
};
