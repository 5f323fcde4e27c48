#pragma once

// The ADIF export dialog. The main window is hidden while it is open.
//
// Edit1      comment for all records
// Edit2      operator for all records
// CheckBox1  add the frequency to all records
// Button1    Save
// Button2    Exit: back to the main window

#include "Desktop.h"
#include "ui_Unit3.h"

#include <QDialog>

class TForm3 final : public QDialog, private Ui::TForm3 {
    Q_OBJECT

public:
    explicit TForm3(Desktop& desktop, QWidget* parent = nullptr);

    // Puts the dialog's captions into the interface language; runs at creation and at every opening.
    void ApplyLanguage();

    // Handlers.
    void FormCreate();
    void Button2Click();

signals:
    // The dialog was left (Exit or its close control): the main window comes back.
    void left();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    Desktop& m_desktop;
};
