#include "radio/RigClient.h"

#include <QSignalBlocker>
#include <algorithm>
#include <charconv>

namespace {

constexpr int PollMilliseconds = 500;
constexpr int PatienceMilliseconds = 1000;
constexpr int FirstPause = 500;
constexpr int LongestPause = 5000;

std::optional<long long> Hertz(const std::optional<std::string>& value) {
    long long hertz = 0;
    if (!value || value->empty())
        return std::nullopt;
    const char* end = value->data() + value->size();
    const auto [ptr, error] = std::from_chars(value->data(), end, hertz);
    // rigctld may write a fraction of a hertz: what precedes it is the frequency.
    if (error != std::errc() || (ptr != end && *ptr != '.') || hertz <= 0)
        return std::nullopt;
    return hertz;
}

} // namespace

RigClient::RigClient(QObject* parent) : QObject(parent) {
    for (QTimer* timer : {&m_poll, &m_patience, &m_reconnect})
        timer->setSingleShot(true);
    m_poll.setInterval(PollMilliseconds);
    m_patience.setInterval(PatienceMilliseconds);
    connect(&m_poll, &QTimer::timeout, this, [this] { Ask(zevo::RigFrequencyQuestion); });
    connect(&m_patience, &QTimer::timeout, this, &RigClient::Lost);
    connect(&m_reconnect, &QTimer::timeout, this, &RigClient::Connect);
    connect(&m_socket, &QTcpSocket::connected, this, [this] { Ask(zevo::RigFrequencyQuestion); });
    connect(&m_socket, &QTcpSocket::readyRead, this, &RigClient::Received);
    connect(&m_socket, &QTcpSocket::disconnected, this, &RigClient::Lost);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &RigClient::Lost);
}

void RigClient::Start(const QString& host, quint16 port) {
    Stop();
    m_host = host;
    m_port = port;
    m_pause = FirstPause;
    SetState(State::NotConnected);
    Connect();
}

void RigClient::Stop() {
    for (QTimer* timer : {&m_poll, &m_patience, &m_reconnect})
        timer->stop();
    {
        const QSignalBlocker quiet(m_socket);
        m_socket.abort();
    }
    SetState(State::Off);
}

void RigClient::Connect() {
    m_buffer.clear();
    m_socket.connectToHost(m_host, m_port);
    m_patience.start();
}

void RigClient::Ask(std::string_view question) {
    m_askingMode = question == zevo::RigModeQuestion;
    m_socket.write(question.data(), static_cast<qint64>(question.size()));
    m_patience.start();
}

void RigClient::Received() {
    const QByteArray bytes = m_socket.readAll();
    m_buffer.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const zevo::RigTake take = zevo::TakeRigAnswer(m_buffer, m_askingMode ? "Mode" : "Frequency");
    if (take.kind == zevo::RigTake::Kind::Garbage)
        Lost();
    else if (take.kind == zevo::RigTake::Kind::Answer)
        Answered(take.answer);
}

void RigClient::Answered(const zevo::RigAnswer& answer) {
    m_patience.stop();
    if (answer.result != 0) {
        // The daemon is there but the radio is not: ask again later on the same connection.
        SetState(State::Failing, std::nullopt, answer.result);
        m_poll.start();
        return;
    }
    if (!m_askingMode) {
        const std::optional<long long> hertz = Hertz(answer.value);
        if (!hertz)
            return Lost();
        m_hertz = *hertz;
        Ask(zevo::RigModeQuestion);
        return;
    }
    if (!answer.value || answer.value->empty())
        return Lost();
    m_pause = FirstPause;
    SetState(State::Reading, zevo::RigReading{m_hertz, *answer.value});
    m_poll.start();
}

void RigClient::Lost() {
    if (m_state == State::Off)
        return;
    m_poll.stop();
    m_patience.stop();
    {
        // Aborting reports the disconnection again.
        const QSignalBlocker quiet(m_socket);
        m_socket.abort();
    }
    SetState(State::NotConnected);
    if (!m_reconnect.isActive()) {
        m_reconnect.start(m_pause);
        m_pause = std::min(m_pause * 2, LongestPause);
    }
}

void RigClient::SetState(State state, std::optional<zevo::RigReading> reading, int error) {
    if (state == m_state && reading == m_reading && error == m_error)
        return;
    m_state = state;
    m_reading = std::move(reading);
    m_error = error;
    emit changed();
}
