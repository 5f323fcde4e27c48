#include "Program.h"
#include "QtDesktop.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The title of the application: the task bar and the caption of the uniform error box.
    QApplication::setApplicationName(QStringLiteral("ZEVO Contest"));

    QtDesktop desktop;
    Program program(desktop);
    program.form1.show();
    return QApplication::exec();
}
