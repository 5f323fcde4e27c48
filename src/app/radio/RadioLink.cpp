#include "radio/RadioLink.h"

#include "QsoLine.h"

namespace {

const QString Group = QStringLiteral("Radio/");
const QString Loopback = QStringLiteral("127.0.0.1");
// How long an ended rigctld rests before it is started again.
constexpr int RestartPause = 3000;

} // namespace

RadioSettings RadioSettings::Load(Desktop& desktop) {
    RadioSettings settings;
    const int way = desktop.Setting(Group + QStringLiteral("Way"), 0).toInt();
    if (way >= 0 && way <= static_cast<int>(Way::Start))
        settings.way = static_cast<Way>(way);
    settings.host = desktop.Setting(Group + QStringLiteral("Host"), settings.host).toString();
    settings.port = desktop.Setting(Group + QStringLiteral("Port"), settings.port).toInt();
    settings.model = desktop.Setting(Group + QStringLiteral("Model"), settings.model).toInt();
    settings.device = desktop.Setting(Group + QStringLiteral("Device"), settings.device).toString();
    if (settings.port <= 0 || settings.port > 65535)
        settings.port = RadioSettings().port;
    return settings;
}

void RadioSettings::Save(Desktop& desktop) const {
    desktop.SetSetting(Group + QStringLiteral("Way"), static_cast<int>(way));
    desktop.SetSetting(Group + QStringLiteral("Host"), host);
    desktop.SetSetting(Group + QStringLiteral("Port"), port);
    desktop.SetSetting(Group + QStringLiteral("Model"), model);
    desktop.SetSetting(Group + QStringLiteral("Device"), device);
}

RadioLink::RadioLink(QObject* parent) : QObject(parent) {
    connect(&m_client, &RigClient::changed, this, &RadioLink::changed);
    m_restart.setSingleShot(true);
    m_restart.setInterval(RestartPause);
    connect(&m_restart, &QTimer::timeout, this, [this] {
        if (m_settings.way == RadioSettings::Way::Start)
            StartRigctld();
    });
}

RadioLink::~RadioLink() {
    EndStarted();
}

void RadioLink::EndStarted() {
    m_restart.stop();
    if (!m_started)
        return;
    // Its end is asked for, not one to recover from.
    m_started->disconnect(this);
    m_started->terminate();
    if (!m_started->waitForFinished(1000)) {
        m_started->kill();
        m_started->waitForFinished(1000);
    }
    m_started.reset();
}

std::optional<QString> RadioLink::Use(const RadioSettings& settings) {
    m_client.Stop();
    EndStarted();
    m_settings = settings;
    std::optional<QString> failure;
    if (settings.way == RadioSettings::Way::Start) {
        failure = StartRigctld();
        if (failure)
            m_settings.way = RadioSettings::Way::None;
    }
    if (m_settings.way != RadioSettings::Way::None)
        m_client.Start(m_settings.way == RadioSettings::Way::Start ? Loopback : m_settings.host,
                       static_cast<quint16>(m_settings.port));
    emit changed();
    return failure;
}

std::optional<QString> RadioLink::StartRigctld() {
    m_started = std::make_unique<QProcess>();
    // Only this machine may talk to the radio through the daemon the program started.
    QStringList arguments{QStringLiteral("-m"), QString::number(m_settings.model),
                          QStringLiteral("-T"), Loopback,
                          QStringLiteral("-t"), QString::number(m_settings.port)};
    // A radio without a serial line (Hamlib's dummy, a network radio) is given none.
    if (!m_settings.device.isEmpty())
        arguments << QStringLiteral("-r") << m_settings.device;
    m_started->start(QStringLiteral("rigctld"), arguments);
    if (!m_started->waitForStarted(3000)) {
        const QString failure = tr("rigctld could not be started: %1").arg(m_started->errorString());
        m_started.reset();
        return failure;
    }
    // A rigctld that ends on its own (the radio was off or unplugged as it opened the serial line, or
    // it failed) is started again after a pause, for as long as it is the way to the radio; meanwhile
    // the status bar says the radio is not connected.
    connect(m_started.get(), &QProcess::finished, this, [this] { m_restart.start(); });
    return std::nullopt;
}

QString RadioLink::StatusText() const {
    switch (m_client.CurrentState()) {
    case RigClient::State::Off:
        return {};
    case RigClient::State::NotConnected:
        return tr("Radio: not connected");
    case RigClient::State::Failing:
        return tr("Radio: rigctld answers error %1").arg(m_client.Error());
    case RigClient::State::Reading:
        break;
    }
    const zevo::RigReading& reading = *m_client.Reading();
    QString text = tr("Radio: %1 MHz %2")
                       .arg(QString::fromStdString(zevo::MegahertzText(reading.hertz)),
                            QString::fromStdString(reading.mode));
    const zevo::RigFollow follow = zevo::FollowRig(reading, std::nullopt);
    if (follow.outsideBands)
        text += tr(", outside the contest bands");
    if (follow.otherMode)
        text += tr(", a mode not logged");
    return text;
}
