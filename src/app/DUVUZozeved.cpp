#include "Program.h"
#include "platform/QtDesktop.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The title of the application: the task bar and the caption of the uniform error box.
    QApplication::setApplicationName(QStringLiteral("ZEVO Contest"));

    QtDesktop desktop;
    // The session journal lives with the user's data, never beside a log file.
    Program program(desktop, QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
    program.form1.show();
    return QApplication::exec();
}
