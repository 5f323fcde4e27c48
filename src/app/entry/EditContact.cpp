#include "entry/EditContact.h"

#include "QsoLine.h"
#include "entry/ContactEntry.h"
#include "entry/EntryEvents.h"
#include "platform/Guard.h"
#include "platform/Win1250.h"
#include "widgets/Accessibility.h"

TEditContact::TEditContact(Desktop& desktop, QWidget* parent) : QDialog(parent), m_desktop(desktop) {
    setupUi(this);
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        FieldRules(edit);
    for (QLineEdit* edit : {Edit4, Edit5, Edit6, Edit7, Edit8})
        FieldRules(edit)->SetUpperCase(true);
    // What is typed fits the columns of the line, as in the main window.
    FieldRules(Edit4)->SetMaxLength(13);
    FieldRules(Edit4)->SetNoBlanks(true);
    for (QLineEdit* edit : {Edit6, Edit8})
        FieldRules(edit)->SetMaxLength(6);
    for (QLineEdit* report : {Edit5, Edit7})
        m_events.Watch(report,
                       {.keyPress = [this](QChar& key) { ContactEntry::RefuseLetter(m_desktop, key); }});
    ConnectGuarded(Button1, &QPushButton::clicked, this, m_desktop, &TEditContact::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(ComboBox2, &QComboBox::activated, this, &TEditContact::ModeChosen);
}

void TEditContact::ApplyLanguage() {
    retranslateUi(this);
    NameBoxesByLabels(this);
    ShowKept();
}

void TEditContact::ShowKept() {
    QStringList kept;
    if (!m_frequency.empty())
        kept << (m_shownBand >= 0
                     ? tr("Frequency %1 kHz is kept unless another band is picked.")
                     : tr("Frequency \"%1\" is outside the bands: it is kept unless a band is picked."))
                    .arg(FromWin1250(m_frequency));
    if (!m_mode.empty())
        kept << tr("Mode \"%1\" is kept unless SSB or CW is picked.").arg(FromWin1250(m_mode));
    Label11->setText(kept.join(QLatin1Char('\n')));
}

void TEditContact::Edit(int row, const std::string& line, const QRect& over) {
    m_row = row;
    const zevo::QsoEntry entry = zevo::ReadQsoEntry(line);
    m_usedCall = entry.usedCall;
    m_frequency = entry.frequency;
    m_mode = entry.mode;
    m_shownBand = entry.band.value_or(-1);
    m_shownMode = !m_mode.empty() ? -1 : entry.firstMode ? 0 : 1;
    Edit2->setText(FromWin1250(entry.date));
    Edit3->setText(FromWin1250(entry.time));
    ComboBox1->setCurrentIndex(m_shownBand);
    ComboBox2->setCurrentIndex(m_shownMode);
    ModeChosen();
    Edit4->setText(FromWin1250(entry.callReceived));
    Edit5->setText(FromWin1250(entry.reportSent));
    Edit8->setText(FromWin1250(entry.exchangeSent));
    Edit7->setText(FromWin1250(entry.reportReceived));
    Edit6->setText(FromWin1250(entry.numberReceived));
    ApplyLanguage();
    setWindowModality(Qt::ApplicationModal);
    show();
    QRect place = frameGeometry();
    place.moveCenter(over.center());
    move(place.topLeft());
    raise();
    activateWindow();
    Edit4->setFocus();
    Edit4->selectAll();
}

void TEditContact::ModeChosen() {
    for (QLineEdit* report : {Edit5, Edit7})
        FieldRules(report)->SetMaxLength(ComboBox2->currentIndex() == 0 ? 2 : 3);
}

void TEditContact::Refuse(const QString& text, QWidget* field) {
    m_desktop.ShowMessage(this, ContactEntry::tr("Error"), text, Desktop::Icon::Error, Desktop::Buttons::Ok);
    field->setFocus();
}

void TEditContact::Button1Click() {
    QString date = Edit2->text();
    QString time = Edit3->text();
    const std::optional<QString> dateFault = ContactEntry::DateFault(date, true);
    const std::optional<QString> timeFault = ContactEntry::TimeFault(time, true);
    Edit2->setText(date);
    Edit3->setText(time);
    if (dateFault)
        return Refuse(*dateFault, Edit2);
    if (timeFault)
        return Refuse(*timeFault, Edit3);
    if (const auto callFault = ContactEntry::CallFault(Edit4->text()))
        return Refuse(*callFault, Edit4);
    const bool bandKept = ComboBox1->currentIndex() == m_shownBand;
    const bool modeKept = ComboBox2->currentIndex() == m_shownMode;
    const std::string line = zevo::ComposeQsoLine({.band = ComboBox1->currentIndex(),
                                                   .firstMode = ComboBox2->currentIndex() == 0,
                                                   .date = ToWin1250(date),
                                                   .time = ToWin1250(time),
                                                   .usedCall = m_usedCall,
                                                   .reportSent = ToWin1250(Edit5->text()),
                                                   .exchangeSent = ToWin1250(Edit8->text()),
                                                   .callReceived = ToWin1250(Edit4->text()),
                                                   .reportReceived = ToWin1250(Edit7->text()),
                                                   .numberReceived = ToWin1250(Edit6->text()),
                                                   .frequency = bandKept ? m_frequency : std::string(),
                                                   .mode = modeKept ? m_mode : std::string()});
    accept();
    emit contactEdited(m_row, line);
}
