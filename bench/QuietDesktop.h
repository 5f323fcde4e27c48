#pragma once

// The desktop of the benchmarks: nobody answers, nothing opens, and the settings live in memory only,
// so that a run never reads or writes the user's.
#include "platform/Desktop.h"

#include <QDateTime>
#include <QMap>
#include <QVariant>

namespace bench {

class QuietDesktop final : public Desktop {
public:
    // A box with OK gets OK; a question gets `answer`.
    Answer ShowMessage(QWidget*, const QString&, const QString&, Icon, Buttons buttons) override {
        return buttons == Buttons::Ok ? Answer::Ok : answer;
    }
    std::optional<QString> SaveFileName(QWidget*, const QString&, const QString&, int) override { return {}; }
    std::optional<QString> OpenFileName(QWidget*, const QString&, int, const QString&) override {
        return openPath.isEmpty() ? std::nullopt : std::optional(openPath);
    }
    void OpenInTextEditor(QWidget*, const QString&) override {}
    void Beep() override {}
    QDate Today() override { return {2026, 6, 1}; }
    QDateTime UtcNow() override { return QDateTime::currentDateTimeUtc(); }
    QVariant Setting(const QString& key, const QVariant& fallback) override {
        return m_settings.value(key, fallback);
    }
    void SetSetting(const QString& key, const QVariant& value) override { m_settings[key] = value; }

    Answer answer = Answer::Yes; // Yes takes back the log of a journal that an earlier run left
    QString openPath;            // what the open dialog chooses; empty: dismissed

private:
    QMap<QString, QVariant> m_settings;
};

} // namespace bench
