#include "platform/QtDesktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QUrl>

// The buttons of a message box speak the interface language too. Qt looks their texts up under
// its own context; listing them here puts them into the program's translations.
[[maybe_unused]] static const char* const StandardButtonTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
};

Desktop::Answer QtDesktop::ShowMessage(QWidget* owner, const QString& caption, const QString& text, Icon icon,
                                       Buttons buttons) {
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
    case Icon::Error:
        boxIcon = QMessageBox::Critical;
        break;
    case Icon::Warning:
        boxIcon = QMessageBox::Warning;
        break;
    case Icon::Question:
        boxIcon = QMessageBox::Question;
        break;
    case Icon::Information:
        boxIcon = QMessageBox::Information;
        break;
    }
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    QMessageBox::StandardButton escape = QMessageBox::Ok;
    switch (buttons) {
    case Buttons::Ok:
        break;
    case Buttons::YesNo:
        standard = QMessageBox::Yes | QMessageBox::No;
        escape = QMessageBox::No;
        break;
    case Buttons::YesNoCancel:
        standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        escape = QMessageBox::Cancel;
        break;
    }
    QMessageBox box(boxIcon, caption, text, standard, owner);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(buttons == Buttons::Ok ? QMessageBox::Ok : QMessageBox::Yes);
    box.setEscapeButton(escape);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == Buttons::Ok ? Answer::Ok : escape == QMessageBox::No ? Answer::No : Answer::Cancel;
    }
}

QStringList FileDialogFilters(const QString& pipeSeparated) {
    const QStringList parts = pipeSeparated.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(
            parts[i], QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
    return filters;
}

// The filter numbered from 1, or none (the dialog's first) for a number outside the list.
static QString SelectedFilter(const QStringList& filters, int selectedFilter) {
    return filters.value(selectedFilter - 1);
}

std::optional<QString> QtDesktop::SaveFileName(QWidget* owner, const QString& proposedName,
                                               const QString& filter, int selectedFilter) {
    const QStringList filters = FileDialogFilters(filter);
    QString selected = SelectedFilter(filters, selectedFilter);
    // The program asks about an existing file itself, in its own words.
    const QString path =
        QFileDialog::getSaveFileName(owner, QString(), proposedName, filters.join(QStringLiteral(";;")),
                                     &selected, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtDesktop::OpenFileName(QWidget* owner, const QString& filter, int selectedFilter,
                                               const QString& folder) {
    const QStringList filters = FileDialogFilters(filter);
    QString selected = SelectedFilter(filters, selectedFilter);
    const QString path =
        QFileDialog::getOpenFileName(owner, QString(), folder, filters.join(QStringLiteral(";;")), &selected);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

void QtDesktop::OpenInTextEditor(QWidget*, const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtDesktop::Beep() {
    QApplication::beep();
}

QDate QtDesktop::Today() {
    return QDate::currentDate();
}

QDateTime QtDesktop::UtcNow() {
    return QDateTime::currentDateTimeUtc();
}

namespace {

// The user's own settings file, in the place the desktop keeps settings.
QSettings UserSettings() {
    return {QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("ZEVO"),
            QStringLiteral("ZEVO Contest")};
}

} // namespace

QVariant QtDesktop::Setting(const QString& key, const QVariant& fallback) {
    return UserSettings().value(key, fallback);
}

void QtDesktop::SetSetting(const QString& key, const QVariant& value) {
    UserSettings().setValue(key, value);
}
