#include "widgets/GrowingLayout.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

GrowingLayout::GrowingLayout(QWidget* window, QWidget* room, QWidget* growing,
                             const std::vector<QWidget*>& below)
    : QObject(window), m_window(window), m_room(room), m_growing(growing), m_designSize(window->size()),
      m_growingPlace(growing->geometry()) {
    int bottom = m_growingPlace.bottom();
    for (QWidget* widget : below) {
        m_below.emplace_back(widget, widget->pos());
        bottom = std::max(bottom, widget->geometry().bottom());
    }
    m_designRoomHeight = bottom + 1 + BottomMargin;
    window->installEventFilter(this);
    room->installEventFilter(this);
}

void GrowingLayout::Widen(int pixels) {
    if (pixels > 0)
        m_window->resize(m_window->width() + pixels, m_window->height());
}

bool GrowingLayout::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == m_window || watched == m_room) && event->type() == QEvent::Resize) {
        // The room spans the window but for a docked panel.
        const int wider = std::max(0, m_room->width() - m_designSize.width());
        const int taller =
            std::max(MinimumHeight, m_growingPlace.height() + m_room->height() - m_designRoomHeight) -
            m_growingPlace.height();
        m_growing->setGeometry(m_growingPlace.adjusted(0, 0, wider, taller));
        for (const auto& [widget, place] : m_below)
            widget->move(place + QPoint(0, taller));
    }
    return false;
}
