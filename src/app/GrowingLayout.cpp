#include "GrowingLayout.h"

#include <QEvent>
#include <QWidget>

GrowingLayout::GrowingLayout(QWidget* window, QWidget* room, QWidget* growing,
                             const std::vector<QWidget*>& below)
    : QObject(window), m_window(window), m_room(room), m_growing(growing), m_designSize(window->size()),
      m_growingPlace(growing->geometry()) {
    for (QWidget* widget : below)
        m_below.emplace_back(widget, widget->pos());
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
        const QSize grown =
            (QSize(m_room->width(), m_window->height()) - m_designSize).expandedTo(QSize(0, 0));
        m_growing->setGeometry(m_growingPlace.adjusted(0, 0, grown.width(), grown.height()));
        for (const auto& [widget, place] : m_below)
            widget->move(place + QPoint(0, grown.height()));
    }
    return false;
}
