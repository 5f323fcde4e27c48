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
// The width to grow into is that of `room`, the window's central part: a panel docked beside it takes
// its width from the growing widget.
class GrowingLayout final : public QObject {
    Q_OBJECT
public:
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
    std::vector<std::pair<QWidget*, QPoint>> m_below;
};
