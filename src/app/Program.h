#pragma once

#include "LogCheckWindow.h"
#include "StatisticsWindow.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"

#include <QString>

class Desktop;

// The windows of a run, created once and in this order: the main window, the header dialog, the export
// dialog, the log check, the statistics. They live as long as the program; the others are only shown and
// hidden.
struct Program {
    // With a journal folder the session is kept in a journal there (and the log of a session that
    // ended without saving it is offered back); without one, nothing is kept.
    explicit Program(Desktop& desktop, const QString& journalFolder = {});

    TForm1 form1;
    TForm2 form2;
    TForm3 form3;
    TLogCheck logCheck;
    TStatistics statistics;
};
