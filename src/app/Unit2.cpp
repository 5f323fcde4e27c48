#include "Unit2.h"

#include "Guard.h"
#include "Unit1.h"
#include "Win1250.h"

#include <QCloseEvent>

TForm2::TForm2(TForm1& mainWindow, Desktop& desktop) : m_main(mainWindow), m_desktop(desktop) {
    setupUi(this);
    setModal(false);
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        FieldRules(edit);
    FieldRules(Edit1)->SetUpperCase(true);

    ConnectGuarded(Button1, &QPushButton::clicked, this, m_desktop, &TForm2::Button1Click);

    FormCreate();
}

void TForm2::FormCreate() {
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit8})
        edit->clear();
    Memo1->clear();
    Edit7->setText(QStringLiteral("0"));
    ComboBox1->setCurrentIndex(0);
    ComboBox2->setCurrentIndex(0);
    ComboBox3->setCurrentIndex(2);
    for (QCheckBox* band : {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6})
        band->setEnabled(false);
    jezyk1();
}

void TForm2::jezyk1() {
    retranslateUi(this);
}

void TForm2::Button1Click() {
    hide();
}

void TForm2::reject() {
    // Escape hides the dialog like Cancel; everything typed stays for the next showing.
    Button1Click();
}

void TForm2::closeEvent(QCloseEvent* event) {
    m_main.show();
    m_main.raise();
    m_main.activateWindow();
    event->accept();
}
