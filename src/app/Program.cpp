#include "Program.h"

#include "Guard.h"

Program::Program(Desktop& desktop, const QString& journalFolder)
    : form1(desktop), form2(desktop), form3(desktop, form1.Log()),
      statistics(desktop, form1.Log().Document(), &form1) {
    // The header dialog leads into the main window's log; the main window opens and locks the dialog.
    QObject::connect(&form1, &TForm1::headerDialogRequested, &form2, &TForm2::Present);
    QObject::connect(&form1, &TForm1::headerDialogRequestedWithCall, &form2, &TForm2::OpenWithCall);
    QObject::connect(&form1, &TForm1::headerSetChanged, &form2, &TForm2::SetLogHasHeader);
    QObject::connect(&form2, &TForm2::categoryChosen, &form1, &TForm1::ApplyCategory);
    QObject::connect(&form2, &TForm2::headerConfirmed, &form1, &TForm1::ApplyHeader);
    QObject::connect(&form2, &TForm2::headerRefused, &form1,
                     [this, &desktop] { RunGuarded(desktop, &form1, [this] { form1.Button1Click(); }); });
    QObject::connect(&form2, &TForm2::closed, &form1, &TForm1::BringForward);
    // The export dialog takes the main window's place until it is left.
    QObject::connect(&form1, &TForm1::exportDialogRequested, &form3,
                     [this](const QString& usedCall) { form3.Open(usedCall, form1.frameGeometry()); });
    QObject::connect(&form3, &TForm3::left, &form1, &QWidget::show);
    // The log check reads the log as it stands at each request, in the language of the moment.
    const auto checkLog = [this] { logCheck.Present(form1.Log().Lines(), !form1.Polish()); };
    QObject::connect(&form1, &TForm1::logCheckRequested, &logCheck, checkLog);
    QObject::connect(&logCheck, &TLogCheck::checkAgainRequested, &logCheck, checkLog);
    QObject::connect(&logCheck, &TLogCheck::lineChosen, &form1, &TForm1::SelectLogLine);
    // Its findings name lines: any change of the log may move them.
    const LogListModel* log = &form1.Log();
    QObject::connect(log, &LogListModel::rowsInserted, &logCheck, &TLogCheck::LogChanged);
    QObject::connect(log, &LogListModel::rowsRemoved, &logCheck, &TLogCheck::LogChanged);
    QObject::connect(log, &LogListModel::modelReset, &logCheck, &TLogCheck::LogChanged);
    QObject::connect(log, &LogListModel::dataChanged, &logCheck, &TLogCheck::LogChanged);
    QObject::connect(&form1, &TForm1::languageApplied, &logCheck, &TLogCheck::ApplyLanguage);
    // The statistics open beside the main window and speak its language.
    QObject::connect(&form1, &TForm1::statisticsRequested, &statistics, &TStatistics::Present);
    QObject::connect(&form1, &TForm1::languageApplied, &statistics, &TStatistics::ApplyLanguage);
    // Every window goes with the main window, so that the event loop ends.
    QObject::connect(&form1, &TForm1::ending, &form2, &QWidget::hide);
    QObject::connect(&form1, &TForm1::ending, &form3, &QWidget::hide);
    QObject::connect(&form1, &TForm1::ending, &logCheck, &QWidget::hide);
    QObject::connect(&form1, &TForm1::ending, &statistics, &QWidget::hide);
    // Last, so that a restored log reaches the dialogs as a loaded one does.
    if (!journalFolder.isEmpty())
        form1.KeepJournal(journalFolder);
}
