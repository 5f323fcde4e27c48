#include "GrowingLayout.h"

#include <QEvent>
#include <QWidget>

GrowingLayout::GrowingLayout(QWidget* window, QWidget* growing, const std::vector<QWidget*>& below)
    : QObject(window), m_window(window), m_growing(growing), m_designSize(window->size()),
      m_growingPlace(growing->geometry()) {
    for (QWidget* widget : below)
        m_below.emplace_back(widget, widget->pos());
    window->installEventFilter(this);
}

void GrowingLayout::Widen(int pixels) {
    if (pixels > 0)
        m_window->resize(m_window->width() + pixels, m_window->height());
}

bool GrowingLayout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && event->type() == QEvent::Resize) {
        const QSize grown = (m_window->size() - m_designSize).expandedTo(QSize(0, 0));
        m_growing->setGeometry(m_growingPlace.adjusted(0, 0, grown.width(), grown.height()));
        for (const auto& [widget, place] : m_below)
            widget->move(place + QPoint(0, grown.height()));
    }
    return false;
}
