#pragma once

#include "StatisticsFeed.h"
#include "Unit1.h"
#include "dialogs/LogCheckWindow.h"
#include "dialogs/StatisticsWindow.h"
#include "dialogs/Unit2.h"
#include "dialogs/Unit3.h"

#include <QString>
#include <memory>

class Desktop;

// The windows of a run. The main window is built at start; the header dialog, the export dialog, the log
// check and the statistics the first time they are opened (or asked for here), so that the main window
// shows without waiting for windows the operator may never open. Once built they live as long as the
// program and are only shown and hidden.
class Program {
public:
    // With a journal folder the session is kept in a journal there (and the log of a session that
    // ended without saving it is offered back); without one, nothing is kept.
    explicit Program(Desktop& desktop, const QString& journalFolder = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    TForm2& Form2();
    TForm3& Form3();
    TLogCheck& LogCheck();
    TStatistics& Statistics();

    TForm1 form1;

private:
    Desktop& m_desktop;
    // The statistics count the log from the start, whether their window is built or not.
    zevo::StatisticsFeed m_statisticsFeed;
    bool m_logHasHeader = false;
    std::unique_ptr<TForm2> m_form2;
    std::unique_ptr<TForm3> m_form3;
    std::unique_ptr<TLogCheck> m_logCheck;
    std::unique_ptr<TStatistics> m_statistics;
};
