#pragma once

#include "platform/Desktop.h"

// The desktop of a running program: QMessageBox, QFileDialog, QDesktopServices, QApplication::beep
// and QDate::currentDate.
class QtDesktop final : public Desktop {
public:
    Answer ShowMessage(QWidget* owner, const QString& caption, const QString& text, Icon icon,
                       Buttons buttons) override;
    std::optional<QString> SaveFileName(QWidget* owner, const QString& proposedName, const QString& filter,
                                        int selectedFilter) override;
    std::optional<QString> OpenFileName(QWidget* owner, const QString& filter, int selectedFilter,
                                        const QString& folder) override;
    void OpenInTextEditor(QWidget* owner, const QString& path) override;
    void Beep() override;
    QDate Today() override;
    QDateTime UtcNow() override;
    QVariant Setting(const QString& key, const QVariant& fallback) override;
    void SetSetting(const QString& key, const QVariant& value) override;
};

// "Cabrillo files|*.cbr|All files|*.*" in QFileDialog's form: "Cabrillo files (*.cbr);;All files (*.*)".
QStringList FileDialogFilters(const QString& pipeSeparated);
