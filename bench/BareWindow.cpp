// The baseline of the start-up benchmark: a bare Qt window of the main window's size that shows a line
// of text, as any window with a caption on it does (so that both starts load the fonts); the process
// ends once the window is on the screen.
#include "ExitWhenShown.h"

#include <QLabel>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const bench::ExitWhenShown exit(application);
    QLabel window(QStringLiteral("ZEVO Contest"));
    window.resize(619, 464);
    window.show();
    return QApplication::exec();
}
