#pragma once

#include "radio/RadioLink.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;
class QSpinBox;

// The "Radio" dialog: no radio, a rigctld that runs already (host and port), or one the program starts
// for a Hamlib model and a serial device.
//
// RadioNone, RadioConnect, RadioStart  the way to the radio
// RadioHost, RadioPort                 where rigctld listens
// RadioModel, RadioDevice              what a started rigctld drives
class RadioDialog final : public QDialog {
    Q_OBJECT
public:
    RadioDialog(const RadioSettings& settings, QWidget* parent);
    RadioSettings Chosen() const;

private:
    void Enable();

    QRadioButton* m_none;
    QRadioButton* m_connect;
    QRadioButton* m_start;
    QLineEdit* m_host;
    QSpinBox* m_port;
    QSpinBox* m_model;
    QLineEdit* m_device;
};
