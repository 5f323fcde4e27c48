#include "widgets/UpDown.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* arrow : {m_up, m_down}) {
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRepeat(true);
        arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(arrow);
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setObjectName(QStringLiteral("up"));
    m_down->setObjectName(QStringLiteral("down"));
    connect(m_up, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDown::SetRange(int min, int max) {
    m_min = min;
    m_max = std::max(min, max);
    m_position = std::clamp(m_position, m_min, m_max);
}

void UpDown::SetArrowNames(const QString& up, const QString& down) {
    m_up->setAccessibleName(up);
    m_down->setAccessibleName(down);
}

void UpDown::SetPosition(int position) {
    const int next = std::clamp(position, m_min, m_max);
    if (next == m_position)
        return;
    m_position = next;
    emit PositionChanged(next);
}

void UpDown::Step(int direction) {
    const int next = std::clamp(m_position + direction, m_min, m_max);
    if (next == m_position)
        return;
    m_position = next;
    emit PositionChanged(next);
    emit Click(direction);
}
