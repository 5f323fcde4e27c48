#include "Program.h"

#include "checkfile/CheckFileCommands.h"
#include "platform/Guard.h"

Program::Program(Desktop& desktop, const QString& journalFolder)
    : form1(desktop), m_desktop(desktop), m_statisticsFeed(form1.Document(), [this] {
          if (m_statistics)
              m_statistics->ScheduleRefresh();
      }) {
    QObject::connect(&form1, &TForm1::headerDialogRequested, &form1, [this] { Form2().Present(); });
    QObject::connect(&form1, &TForm1::headerDialogRequestedWithCall, &form1,
                     [this](const QString& usedCall) { Form2().OpenWithCall(usedCall); });
    QObject::connect(&form1, &TForm1::headerSetChanged, &form1, [this](bool set) {
        m_logHasHeader = set;
        if (m_form2)
            m_form2->SetLogHasHeader(set);
    });
    QObject::connect(&form1, &TForm1::exportDialogRequested, &form1,
                     [this](const QString& usedCall) { Form3().Open(usedCall, form1.frameGeometry()); });
    // The log check reads the log as it stands at each request, in the language of the moment.
    QObject::connect(&form1, &TForm1::logCheckRequested, &form1,
                     [this] { LogCheck().Present(form1.Document().Lines()); });
    // The statistics open beside the main window.
    QObject::connect(&form1, &TForm1::statisticsRequested, &form1, [this] { Statistics().Present(); });
    // The windows built so far speak the main window's language; one built later speaks it from the start.
    QObject::connect(&form1, &TForm1::languageApplied, &form1, [this] {
        if (m_logCheck)
            m_logCheck->ApplyLanguage();
        if (m_statistics)
            m_statistics->ApplyLanguage();
    });
    // Every window goes with the main window, so that the event loop ends.
    QObject::connect(&form1, &TForm1::ending, &form1, [this] {
        for (QWidget* window : std::initializer_list<QWidget*>{m_form2.get(), m_form3.get(), m_logCheck.get(),
                                                               m_statistics.get()})
            if (window != nullptr)
                window->hide();
    });
    // Last, so that a restored log reaches the dialogs as a loaded one does.
    if (!journalFolder.isEmpty()) {
        form1.CheckFile().UseFolder(journalFolder);
        form1.KeepJournal(journalFolder);
    }
}

// The windows built on demand go before the main window, whose log they follow.
Program::~Program() = default;

TForm2& Program::Form2() {
    if (m_form2)
        return *m_form2;
    m_form2 = std::make_unique<TForm2>(m_desktop);
    TForm2& form2 = *m_form2;
    form2.SetLogHasHeader(m_logHasHeader);
    // The header dialog leads into the main window's log; the main window opens and locks the dialog.
    QObject::connect(&form2, &TForm2::categoryChosen, &form1, &TForm1::ApplyCategory);
    QObject::connect(&form2, &TForm2::headerConfirmed, &form1, &TForm1::ApplyHeader);
    QObject::connect(&form2, &TForm2::headerRefused, &form1,
                     [this] { RunGuarded(m_desktop, &form1, [this] { form1.Button1Click(); }); });
    QObject::connect(&form2, &TForm2::closed, &form1, &TForm1::BringForward);
    return form2;
}

TForm3& Program::Form3() {
    if (!m_form3) {
        m_form3 = std::make_unique<TForm3>(m_desktop, form1.Document());
        // The export dialog takes the main window's place until it is left.
        QObject::connect(m_form3.get(), &TForm3::left, &form1, &QWidget::show);
    }
    return *m_form3;
}

TLogCheck& Program::LogCheck() {
    if (!m_logCheck) {
        m_logCheck = std::make_unique<TLogCheck>();
        // Its findings name lines: any change of the log may move them.
        const LogListModel* log = &form1.LogList();
        for (const auto signal : {&LogListModel::rowsInserted, &LogListModel::rowsRemoved})
            QObject::connect(log, signal, m_logCheck.get(), &TLogCheck::LogChanged);
        QObject::connect(log, &LogListModel::modelReset, m_logCheck.get(), &TLogCheck::LogChanged);
        QObject::connect(log, &LogListModel::dataChanged, m_logCheck.get(), &TLogCheck::LogChanged);
        QObject::connect(m_logCheck.get(), &TLogCheck::checkAgainRequested, &form1,
                         [this] { m_logCheck->Present(form1.Document().Lines()); });
        QObject::connect(m_logCheck.get(), &TLogCheck::lineChosen, &form1, &TForm1::SelectLogLine);
    }
    return *m_logCheck;
}

TStatistics& Program::Statistics() {
    if (!m_statistics) {
        m_statistics = std::make_unique<TStatistics>(m_desktop, m_statisticsFeed, &form1);
        QObject::connect(m_statistics.get(), &TStatistics::closed, &form1, &TForm1::ReturnToCall);
    }
    return *m_statistics;
}
