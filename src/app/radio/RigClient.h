#pragma once

#include "RigControl.h"

#include <QObject>
#include <QTcpSocket>
#include <QTimer>
#include <optional>
#include <string>

// Asks rigctld about the radio in the background: one question in flight, a reading about every half
// second, a second's patience for each answer, and a new connection after a pause that grows while
// the radio stays away. Nothing here waits: the window goes on whatever the radio does.
class RigClient final : public QObject {
    Q_OBJECT
public:
    enum class State { Off, NotConnected, Failing, Reading };

    explicit RigClient(QObject* parent = nullptr);
    // The socket goes quietly: it would otherwise report its end to a client half gone.
    ~RigClient() override {
        blockSignals(true);
        Stop();
    }
    RigClient(const RigClient&) = delete;
    RigClient& operator=(const RigClient&) = delete;

    // Talks to the rigctld at `host` and `port` from now on, until Stop.
    void Start(const QString& host, quint16 port);
    void Stop();

    State CurrentState() const { return m_state; }
    // The Hamlib error rigctld answered with, while Failing.
    int Error() const { return m_error; }
    // What the radio said last, while Reading.
    const std::optional<zevo::RigReading>& Reading() const { return m_reading; }

signals:
    // The state or the reading changed.
    void changed();

private:
    void Connect();
    void Ask(std::string_view question);
    void Received();
    void Answered(const zevo::RigAnswer& answer);
    // The connection is gone or out of step: a new one after the pause.
    void Lost();
    void SetState(State state, std::optional<zevo::RigReading> reading = std::nullopt, int error = 0);

    QTimer m_poll;      // the next reading
    QTimer m_patience;  // an answer, or the connection, that does not come
    QTimer m_reconnect; // the pause before a new connection
    QString m_host;
    quint16 m_port = 0;
    std::string m_buffer;
    bool m_askingMode = false;
    long long m_hertz = 0;
    int m_pause = 0;
    State m_state = State::Off;
    int m_error = 0;
    std::optional<zevo::RigReading> m_reading;
    QTcpSocket m_socket{this};
};
