#include "dialogs/Unit3.h"

#include "Adif.h"
#include "platform/FileChoice.h"
#include "platform/Guard.h"
#include "platform/Win1250.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>

TForm3::TForm3(Desktop& desktop, const zevo::LogDocument& log, QWidget* parent)
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

void TForm3::Open(const QString& usedCall, const QRect& over) {
    m_usedCall = usedCall;
    // The year of the local clock, not of the contest date: the export is made after the contest.
    Edit1->setText(FromWin1250(zevo::DefaultAdifComment(m_desktop.Today().year())));
    Edit2->setText(usedCall);
    ApplyLanguage();
    show();
    // Centred over the main window, whose place it takes: its size is known once it is shown.
    if (over.isValid()) {
        QRect place = frameGeometry();
        place.moveCenter(over.center());
        move(place.topLeft());
    }
    raise();
    activateWindow();
}

void TForm3::Button1Click() {
    const QString proposed = FromWin1250(zevo::ProposedAdifFileName(ToWin1250(m_usedCall)));
    const std::optional<QString> fileName =
        ChooseFileToWrite(m_desktop, this, proposed, tr("ADIF files|*.adi|All files|*.*"));
    if (!fileName)
        return;
    const zevo::AdifRecordExtras extras{.comment = ToWin1250(Edit1->text()),
                                        .operatorCall = ToWin1250(Edit2->text()),
                                        .addFrequency = CheckBox1->isChecked()};
    if (!WriteOrTell(m_desktop, this, *fileName, [&] {
            zevo::WriteAdifFile(QFile::encodeName(*fileName).toStdString(), m_log.Lines(), extras);
        }))
        return;
    m_desktop.ShowMessage(this, tr("Information"), tr("ADIF file is saved!"), Desktop::Icon::Information,
                          Desktop::Buttons::Ok);
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
