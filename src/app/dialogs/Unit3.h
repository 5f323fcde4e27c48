#pragma once

// The ADIF export dialog. The main window is hidden while it is open.
//
// Edit1      comment for all records
// Edit2      operator for all records
// CheckBox1  add the frequency to all records; keeps its state for the whole run
// Button1    Save
// Button2    Exit: back to the main window

#include "LogDocument.h"
#include "platform/Desktop.h"
#include "ui_Unit3.h"

#include <QDialog>

class TForm3 final : public QDialog, private Ui::TForm3 {
    Q_OBJECT

public:
    // `log` is the main window's log list, read afresh by every save and never changed.
    TForm3(Desktop& desktop, const zevo::LogDocument& log, QWidget* parent = nullptr);

    // Puts the dialog's captions into the interface language; runs at creation and at every opening.
    void ApplyLanguage();

    // Shows the dialog for the station `usedCall`, with the comment and the operator proposed anew; the
    // frequency box stays as it was left.
    void Open(const QString& usedCall, const QRect& over = QRect());

    // Handlers.
    void FormCreate();
    void Button1Click();
    void Button2Click();

signals:
    // The dialog was left (Exit or its close control): the main window comes back.
    void left();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    Desktop& m_desktop;
    const zevo::LogDocument& m_log;
    // The main window's used call: it cannot change while the dialog is open, as the main window is
    // hidden and the call read-only once the header is set.
    QString m_usedCall;
};
