// The main window logging live: date and time from the UTC clock, band and mode from the radio.
#include "Unit1.h"

#include "platform/Guard.h"
#include "radio/RadioDialog.h"
#include "session/SessionRecorder.h"

#include <QLabel>
#include <QStatusBar>

namespace {

const QString RealTimeSetting = QStringLiteral("RealTime");

} // namespace

void TForm1::StartLive() {
    m_clock.setInterval(1000);
    connect(&m_clock, &QTimer::timeout, this, &TForm1::ClockTick);
    ConnectGuarded(ActionRealTime, &QAction::triggered, this, m_desktop, &TForm1::ActionRealTimeClick);
    ConnectGuarded(ActionRadio, &QAction::triggered, this, m_desktop, &TForm1::ActionRadioClick);
    m_radioStatus = new QLabel(this);
    m_radioStatus->setObjectName(QStringLiteral("RadioStatus"));
    m_radioStatus->hide();
    statusBar()->addPermanentWidget(m_radioStatus);
    m_radio = new RadioLink(this);
    connect(m_radio, &RadioLink::changed, this, &TForm1::RadioChanged);
    // Kept from the last run; nothing is said here when the radio is away: the status bar tells.
    SetRealTime(m_desktop.Setting(RealTimeSetting, false).toBool());
    m_radio->Use(RadioSettings::Load(m_desktop));
}

void TForm1::ActionRealTimeClick(bool checked) {
    SetRealTime(checked);
    m_desktop.SetSetting(RealTimeSetting, checked);
}

void TForm1::SetRealTime(bool on) {
    ActionRealTime->setChecked(on);
    m_entry.SetRealTime(on);
    if (on) {
        ClockTick();
        m_clock.start();
    } else {
        m_clock.stop();
    }
    if (m_recorder)
        m_recorder->StateChanged();
}

void TForm1::ClockTick() {
    m_entry.ShowUtc(m_desktop.UtcNow().toUTC());
}

void TForm1::ActionRadioClick() {
    RadioDialog dialog(m_radio->Settings(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const RadioSettings settings = dialog.Chosen();
    settings.Save(m_desktop);
    // Only a rigctld that cannot be started is told in a box, now that the operator asked for it.
    if (const std::optional<QString> failure = m_radio->Use(settings))
        ShowError(tr("Radio"), *failure);
}

void TForm1::RadioChanged() {
    m_radioStatus->setText(m_radio->StatusText());
    m_radioStatus->setVisible(!m_radioStatus->text().isEmpty());
    const std::optional<zevo::RigReading>& reading = m_radio->Client().Reading();
    if (!reading)
        return;
    const SessionRecorder::Hold hold(m_recorder.get());
    m_entry.FollowRadio(zevo::FollowRig(*reading, m_followed));
    m_followed = reading;
    if (m_recorder)
        m_recorder->StateChanged();
}

zevo::QsoEntry TForm1::ContactToAdd() const {
    zevo::QsoEntry entry = m_entry.Read(Polish());
    if (const auto kilohertz = zevo::RigKilohertz(m_radio->Client().Reading(), ComboBox1->currentIndex()))
        entry.frequency = *kilohertz;
    return entry;
}
