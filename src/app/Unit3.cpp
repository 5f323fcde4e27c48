#include "Unit3.h"

#include "Guard.h"
#include "Win1250.h"

#include <QCloseEvent>

TForm3::TForm3(Desktop& desktop, QWidget* parent) : QDialog(parent), m_desktop(desktop) {
    setupUi(this);
    setModal(false);
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        FieldRules(edit);
    ConnectGuarded(Button2, &QPushButton::clicked, this, m_desktop, &TForm3::Button2Click);
    FormCreate();
}

void TForm3::FormCreate() {
    ApplyLanguage();
}

void TForm3::ApplyLanguage() {
    retranslateUi(this);
}

void TForm3::Button2Click() {
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
