#include "Unit3.h"

#include "Adif.h"
#include "Guard.h"
#include "Win1250.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>

TForm3::TForm3(Desktop& desktop, const LogListModel& log, QWidget* parent)
    : QDialog(parent), m_desktop(desktop), m_log(log) {
    setupUi(this);
    setModal(false);
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        FieldRules(edit);
    ConnectGuarded(Button1, &QPushButton::clicked, this, m_desktop, &TForm3::Button1Click);
    ConnectGuarded(Button2, &QPushButton::clicked, this, m_desktop, &TForm3::Button2Click);
    FormCreate();
}

void TForm3::FormCreate() {
    ApplyLanguage();
}

void TForm3::ApplyLanguage() {
    retranslateUi(this);
}

void TForm3::Open(const QString& usedCall) {
    m_usedCall = usedCall;
    // The year of the local clock, not of the contest date: the export is made after the contest.
    Edit1->setText(FromWin1250(zevo::DefaultAdifComment(m_desktop.Today().year())));
    Edit2->setText(usedCall);
    ApplyLanguage();
    show();
    raise();
    activateWindow();
}

void TForm3::Button1Click() {
    // "No" at the overwrite question starts over with the dialog: a loop rather than a recursion.
    for (;;) {
        const QString proposed = FromWin1250(zevo::ProposedAdifFileName(ToWin1250(m_usedCall)));
        // A dismissed dialog still saves, under the proposed name in the current folder.
        const QString fileName =
            m_desktop.SaveFileName(this, proposed, tr("ADIF files|*.adi|All files|*.*"), 1)
                .value_or(proposed);
        if (QFileInfo::exists(fileName)) {
            const Desktop::Answer answer = m_desktop.ShowMessage(
                this, tr("Warning"), tr("File \"%1\" exists.\nDo you want to overwrite it?").arg(fileName),
                Desktop::Icon::Warning, Desktop::Buttons::YesNoCancel);
            if (answer == Desktop::Answer::Cancel)
                return;
            if (answer != Desktop::Answer::Yes)
                continue;
        }
        const zevo::AdifRecordExtras extras{.comment = ToWin1250(Edit1->text()),
                                            .operatorCall = ToWin1250(Edit2->text()),
                                            .addFrequency = CheckBox1->isChecked()};
        zevo::WriteAdifFile(QFile::encodeName(fileName).toStdString(), m_log.Lines(), extras);
        m_desktop.ShowMessage(this, tr("Information"), tr("ADIF file is saved!"), Desktop::Icon::Information,
                              Desktop::Buttons::Ok);
        return;
    }
}

void TForm3::Button2Click() {
    // The main window first: with no window shown the program would end.
    emit left();
    hide();
}

void TForm3::reject() {
    Button2Click();
}

void TForm3::closeEvent(QCloseEvent* event) {
    emit left();
    event->accept();
}
