#include "EditContact.h"

#include "Accessibility.h"
#include "ContactEntry.h"
#include "EntryEvents.h"
#include "Guard.h"
#include "QsoLine.h"
#include "Win1250.h"

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
}

void TEditContact::Edit(int row, const std::string& line, const QRect& over) {
    m_row = row;
    const zevo::QsoEntry entry = zevo::ReadQsoEntry(line);
    m_usedCall = entry.usedCall;
    Edit2->setText(FromWin1250(entry.date));
    Edit3->setText(FromWin1250(entry.time));
    ComboBox1->setCurrentIndex(entry.band.value_or(-1));
    ComboBox2->setCurrentIndex(entry.firstMode ? 0 : 1);
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
    const std::string line = zevo::ComposeQsoLine({.band = ComboBox1->currentIndex(),
                                                   .firstMode = ComboBox2->currentIndex() == 0,
                                                   .date = ToWin1250(date),
                                                   .time = ToWin1250(time),
                                                   .usedCall = m_usedCall,
                                                   .reportSent = ToWin1250(Edit5->text()),
                                                   .exchangeSent = ToWin1250(Edit8->text()),
                                                   .callReceived = ToWin1250(Edit4->text()),
                                                   .reportReceived = ToWin1250(Edit7->text()),
                                                   .numberReceived = ToWin1250(Edit6->text())});
    accept();
    emit contactEdited(m_row, line);
}
