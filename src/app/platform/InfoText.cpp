#include "platform/InfoText.h"

#include <QDir>
#include <QFileInfo>

QString InfoTextPath(const QString& programDir, const QString& fileName) {
    QString beside = programDir + QLatin1Char('/') + fileName;
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed =
        QDir::cleanPath(programDir + QStringLiteral("/" ZEVO_DATA_FROM_PROGRAM "/") + fileName);
    return QFileInfo::exists(installed) ? installed : beside;
}
