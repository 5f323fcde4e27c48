#include "widgets/LogFont.h"

#include <QFontDatabase>
#include <QStringList>

QFont LogFont() {
    // The font the log was always shown in where the machine has it; otherwise the system's own
    // fixed-pitch font, rather than whatever a search for the missing family falls back to.
    const QString family = QStringLiteral("Courier New");
    // The installed families are listed already; asking for the name itself would run it through
    // fontconfig's substitutions.
    QFont font = QFontDatabase::families().contains(family, Qt::CaseInsensitive)
                     ? QFont(family)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(8);
    font.setFixedPitch(true);
    return font;
}
