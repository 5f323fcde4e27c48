#pragma once

// The dialog that corrects a logged contact: its fields as the QSO line holds them, checked as a new
// contact's are, composed again by the same code on OK. The used call of the line stays as it was, and
// so do a frequency that is not its band's edge and a mode other than PH and CW, unless another band or
// mode is picked.
//
// Edit2      date, Edit3 time, ComboBox1 band, ComboBox2 mode
// Edit4      call received, Edit5 report sent, Edit8 number or province sent
// Edit7      report received, Edit6 number received
// Label11    what is kept of the line that the fields cannot show
// Button1    OK, Button2 Cancel

#include "entry/EntryEvents.h"
#include "platform/Desktop.h"
#include "ui_EditContact.h"

#include <QDialog>
#include <string>

class TEditContact final : public QDialog, private Ui::TEditContact {
    Q_OBJECT

public:
    explicit TEditContact(Desktop& desktop, QWidget* parent = nullptr);

    // Shows the contact of `line`, the line at `row` of the log, centred over `over`; the other windows
    // wait for it.
    void Edit(int row, const std::string& line, const QRect& over);
    void ApplyLanguage();

    void Button1Click();

signals:
    // OK with every field accepted: the line at `row` is to become `line`.
    void contactEdited(int row, const std::string& line);

private:
    void Refuse(const QString& text, QWidget* field);
    void ModeChosen();
    void ShowKept();

    Desktop& m_desktop;
    EntryEvents m_events{m_desktop, this};
    int m_row = -1;
    std::string m_usedCall;
    // What the line holds beyond the lists, and the entries shown for it: kept while they stay picked.
    std::string m_frequency;
    std::string m_mode;
    int m_shownBand = -1;
    int m_shownMode = -1;
};
