#pragma once

// The dupe check of the call as it is typed, on the main window:
//
// DupeStatus  the status bar's line: the verdict for the call on the band and mode of the moment;
//             the call turns red on a dupe
// CheckPanel  "Check", a panel beside the controls, hidden at start (ActionCheckPanel, F9): CheckList,
//             the calls of the log that hold what is typed, each with its bands and modes, then
//             those of the check file that begin with it and those that hold it elsewhere

#include "CheckFile.h"
#include "DupeCheck.h"
#include "LogDocument.h"
#include "ui_Unit1.h"

#include <QObject>
#include <cstdint>
#include <optional>
#include <string>

class ContactEntry;
class QDockWidget;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMainWindow;

class DupeWatch final : public QObject, private zevo::LogListener {
    Q_OBJECT
public:
    DupeWatch(zevo::LogDocument& log, Ui::TForm1& ui, const ContactEntry& entry, QMainWindow* window);
    ~DupeWatch() override;

    // Checks the call again when it, the band, the mode or the log changed since the last check: what
    // changes without a signal of its own (Alt+B, Alt+M) is caught after each key.
    void Update();
    // The texts in the language of the moment.
    void Retranslate();
    // Down in the call field: the keyboard goes into the shown panel's list, Escape brings it back.
    // False when there is no list to go into.
    bool EnterList();
    // The calls of a check file to look in too; null or empty for none.
    void SetCheckFile(const zevo::CheckCalls* file);

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void LogAboutToChange(const zevo::LogDocument& log, const zevo::LogEdit& edit) override;
    void LogChanged(const zevo::LogDocument& log, const zevo::LogEdit& edit) override;
    void ShowVerdict(const std::string& call, zevo::BandMode at);
    void FillPanel(const std::string& call, zevo::BandMode at);
    void ShowPanel(bool shown);
    void CallChosen(const QListWidgetItem* item);

    zevo::LogDocument& m_log;
    Ui::TForm1& m_ui;
    const ContactEntry& m_entry;
    QMainWindow* m_window;
    QLabel* m_status;
    QDockWidget* m_panel;
    QListWidget* m_list;
    const zevo::CheckCalls* m_file = nullptr;
    // The operator left the call field or pressed Enter since the call last changed: the call is whole.
    bool m_complete = false;
    bool m_callRed = false;
    int m_widened = 0; // by the panel

    // What the shown check was made for: the same again is not checked again.
    struct Checked {
        std::string call;
        zevo::BandMode at;
        std::uint64_t logChanges;
        bool panel;
        bool complete;

        bool operator==(const Checked&) const = default;
    };
    std::optional<Checked> m_checked;
    std::uint64_t m_logChanges = 0;
};
