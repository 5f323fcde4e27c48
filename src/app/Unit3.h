#pragma once

// The ADIF export dialog. The main window is hidden while it is open.
//
// Edit1      comment for all records
// Edit2      operator for all records
// CheckBox1  add the frequency to all records; keeps its state for the whole run
// Button1    Save
// Button2    Exit: back to the main window

#include "Desktop.h"
#include "ui_Unit3.h"

#include <QDialog>

class TForm1;

class TForm3 final : public QDialog, private Ui::TForm3 {
    Q_OBJECT
    friend class TForm1;

public:
    TForm3(TForm1& mainWindow, Desktop& desktop);

    // Puts the dialog's captions into the interface language; runs at creation and at every opening.
    void ApplyLanguage();

    // Shows the dialog with the comment and operator proposed anew; the main window hides itself first.
    void Open();

    // Handlers.
    void FormCreate();
    void Button1Click();
    void Button2Click();
    void FormCloseQuery(bool& canClose);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    TForm1& m_main;
    Desktop& m_desktop;
};
