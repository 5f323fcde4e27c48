#pragma once

#include "platform/Desktop.h"

#include <QList>
#include <QStringList>
#include <QVariantMap>
#include <deque>
#include <functional>

// A desktop that answers from a script and records what the windows asked of it. A box or a file
// dialog that nothing in the script answered, or an answer left over at the end, is a problem that
// the test reports (see Problems()).
class ScriptedDesktop final : public Desktop {
public:
    struct Box {
        QString caption;
        QString text;
        Icon icon;
        Buttons buttons;
    };
    struct FileDialog {
        bool save;
        QString proposedName;
        QString filter;
        int selectedFilter;
        QString folder; // where an open dialog starts
    };

    // The next message box is answered with `answer`, whatever it says.
    void Answer(Desktop::Answer answer);
    // The next message box must read exactly so; it is answered with `answer`.
    void Expect(const QString& caption, const QString& text, Icon icon, Buttons buttons,
                Desktop::Answer answer);
    // The next file dialog returns `path`, or is dismissed when `path` is empty.
    void ChooseFile(const std::optional<QString>& path);
    // Runs `meanwhile` once, as the next file dialog closes: what happens to the file before it is read.
    void WhenFileChosen(std::function<void()> meanwhile) { m_meanwhile = std::move(meanwhile); }
    void SetToday(const QDate& date) { m_today = date; }
    void SetUtcNow(const QDateTime& now) { m_utcNow = now; }
    // The kept settings, as the windows left them.
    QVariantMap& Settings() { return m_settings; }

    // What happened.
    const QList<Box>& Boxes() const { return m_boxes; }
    const QList<FileDialog>& FileDialogs() const { return m_fileDialogs; }
    const QStringList& OpenedInEditor() const { return m_openedInEditor; }
    int Beeps() const { return m_beeps; }
    // Boxes or dialogs nobody answered, mismatched expectations and answers never used.
    QStringList Problems() const;

    Desktop::Answer ShowMessage(QWidget* owner, const QString& caption, const QString& text, Icon icon,
                                Buttons buttons) override;
    std::optional<QString> SaveFileName(QWidget* owner, const QString& proposedName, const QString& filter,
                                        int selectedFilter) override;
    std::optional<QString> OpenFileName(QWidget* owner, const QString& filter, int selectedFilter,
                                        const QString& folder) override;
    void OpenInTextEditor(QWidget* owner, const QString& path) override;
    void Beep() override { ++m_beeps; }
    QDate Today() override { return m_today; }
    QDateTime UtcNow() override { return m_utcNow; }
    QVariant Setting(const QString& key, const QVariant& fallback) override {
        return m_settings.value(key, fallback);
    }
    void SetSetting(const QString& key, const QVariant& value) override { m_settings[key] = value; }

private:
    struct ScriptedBox {
        std::optional<Box> expected;
        Desktop::Answer answer;
    };
    std::optional<QString> NextFile(const char* what);

    std::deque<ScriptedBox> m_answers;
    std::deque<std::optional<QString>> m_files;
    std::function<void()> m_meanwhile;
    QList<Box> m_boxes;
    QList<FileDialog> m_fileDialogs;
    QStringList m_openedInEditor;
    QStringList m_problems;
    QDate m_today{2026, 6, 1};
    QDateTime m_utcNow{QDate(2026, 6, 1), QTime(12, 0), Qt::UTC};
    QVariantMap m_settings;
    int m_beeps = 0;
};

QString Describe(Desktop::Icon icon);
QString Describe(Desktop::Buttons buttons);

// Fails the running QtTest function when the desktop script was not played exactly.
#define VERIFY_SCRIPT_PLAYED(desktop)                                                                        \
    QVERIFY2((desktop).Problems().isEmpty(), qPrintable((desktop).Problems().join(QStringLiteral("\n"))))

// The box of a save that failed: the file, the run-time library's text of the cause, nothing saved.
inline void ExpectNotSaved(ScriptedDesktop& desktop, const QString& path, const QString& cause) {
    desktop.Expect(QStringLiteral("Error"),
                   QStringLiteral("File \"%1\" cannot be written: %2\nNothing was saved.").arg(path, cause),
                   Desktop::Icon::Error, Desktop::Buttons::Ok, Desktop::Answer::Ok);
}
