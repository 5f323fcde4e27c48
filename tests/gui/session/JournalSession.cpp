// Logs a few contacts with the session journal in the folder given, then kills itself, as a crash or
// a power cut would end the program.
#include "JournalSession.h"
#include "ScriptedDesktop.h"

#include <QApplication>
#include <csignal>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2)
        return 2;
    ScriptedDesktop desktop;
    Program program(desktop, QString::fromLocal8Bit(argv[1]));
    if (!LogThreeContacts(program.form1) || !desktop.Problems().isEmpty() || !desktop.Boxes().isEmpty()) {
        std::fputs(qPrintable(desktop.Problems().join(QLatin1Char('\n'))), stderr);
        return 1;
    }
    std::raise(SIGKILL);
    return 3;
}
