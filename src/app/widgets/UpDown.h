#pragma once

#include <QWidget>

class QToolButton;

// A pair of arrows that steps a position between a minimum and a maximum without wrapping around.
// It takes no keyboard focus, so clicking it leaves the focus in the field being typed into.
class UpDown final : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    int Min() const { return m_min; }
    int Max() const { return m_max; }
    void SetRange(int min, int max);
    int Position() const { return m_position; }
    // Setting the position from the program raises no Click.
    void SetPosition(int position);
    // What a screen reader says for each arrow.
    void SetArrowNames(const QString& up, const QString& down);

signals:
    // The user moved the position by one: +1 up, -1 down. Not raised when the position stayed.
    void Click(int direction);
    // The position changed, by the user or by the program.
    void PositionChanged(int position);

private:
    void Step(int direction);

    QToolButton* m_up;
    QToolButton* m_down;
    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
};
