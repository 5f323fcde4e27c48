#include "radio/RadioDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

template <typename Control> Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

} // namespace

RadioDialog::RadioDialog(const RadioSettings& settings, QWidget* parent)
    : QDialog(parent), m_none(Named(new QRadioButton(tr("&No radio")), "RadioNone")),
      m_connect(Named(new QRadioButton(tr("&Connect to a running rigctld")), "RadioConnect")),
      m_start(Named(new QRadioButton(tr("&Start rigctld for a radio")), "RadioStart")),
      m_host(Named(new QLineEdit(settings.host), "RadioHost")), m_port(Named(new QSpinBox, "RadioPort")),
      m_model(Named(new QSpinBox, "RadioModel")),
      m_device(Named(new QLineEdit(settings.device), "RadioDevice")) {
    setWindowTitle(tr("Radio"));
    m_port->setRange(1, 65535);
    m_port->setValue(settings.port);
    m_model->setRange(1, 999999);
    m_model->setValue(settings.model);
    m_device->setPlaceholderText(QStringLiteral("/dev/ttyUSB0"));
    (settings.way == RadioSettings::Way::Connect ? m_connect
     : settings.way == RadioSettings::Way::Start ? m_start
                                                 : m_none)
        ->setChecked(true);

    auto* form = new QFormLayout;
    form->addRow(tr("&Host:"), m_host);
    form->addRow(tr("&Port:"), m_port);
    form->addRow(tr("Hamlib &model:"), m_model);
    form->addRow(tr("Serial &device:"), m_device);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    for (QRadioButton* way : {m_none, m_connect, m_start}) {
        layout->addWidget(way);
        connect(way, &QRadioButton::toggled, this, &RadioDialog::Enable);
    }
    layout->addLayout(form);
    layout->addWidget(buttons);
    Enable();
}

void RadioDialog::Enable() {
    // A started rigctld listens on this machine only.
    m_host->setEnabled(m_connect->isChecked());
    m_port->setEnabled(!m_none->isChecked());
    m_model->setEnabled(m_start->isChecked());
    m_device->setEnabled(m_start->isChecked());
}

RadioSettings RadioDialog::Chosen() const {
    RadioSettings settings;
    settings.way = m_connect->isChecked() ? RadioSettings::Way::Connect
                   : m_start->isChecked() ? RadioSettings::Way::Start
                                          : RadioSettings::Way::None;
    settings.host = m_host->text().trimmed();
    settings.port = m_port->value();
    settings.model = m_model->value();
    settings.device = m_device->text().trimmed();
    return settings;
}
