#pragma once

// The log check, shown beside the main window without blocking it.
//
// ListView1  the findings: line, severity, what is wrong; errors first. Enter or a double click on
//            one shows its line in the main window's log list; after a change of the log it checks
//            again first, as the lines may have moved
// Label2     how many errors and warnings, or that there are none
// Button1    Check again
// Button2    Close

#include "LogCheck.h"
#include "LogLines.h"
#include "ui_LogCheckWindow.h"

#include <QDialog>
#include <string>
#include <vector>

class TLogCheck final : public QDialog, private Ui::TLogCheck {
    Q_OBJECT

public:
    explicit TLogCheck(QWidget* parent = nullptr);

    // Checks `lines` as the log stands in the program, unsaved, and shows the findings brought forward.
    // The exchange sent is judged as the log's contacts send it, serial numbers or province letters.
    void Present(zevo::LinesView lines);
    // Puts the window's captions and the findings' texts into the interface language; the findings
    // stay those of the last check.
    void ApplyLanguage();
    // The log changed since the check: its findings may name other lines now.
    void LogChanged();

    // Handlers.
    void Button1Click();
    void ListView1Activated(const QModelIndex& index);

signals:
    // The log is to be checked again as it stands now.
    void checkAgainRequested();
    // The line of the log at `row` (from 0) is to be shown.
    void lineChosen(int row);

private:
    void FillList();
    QString FindingText(const zevo::LogFinding& finding) const;

    std::vector<zevo::LogFinding> m_findings;
    bool m_serialsSent = true;
    bool m_outOfDate = false;
    bool m_checkingAgain = false; // a finding was chosen in findings out of date
    bool m_checkedAgain = false;  // the findings shown are those of that check
};
