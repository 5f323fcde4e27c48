#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

class QWidget;

// Everything a window asks of the desktop goes through here, so that tests can script the answers:
// message boxes, the file dialogs, the text editor, the beep, the clocks and the kept settings.
class Desktop {
public:
    enum class Icon { Error, Warning, Question, Information };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Desktop() = default;

    // A modal box; returns the button pressed (closing the box counts as the last button offered).
    virtual Answer ShowMessage(QWidget* owner, const QString& caption, const QString& text, Icon icon,
                               Buttons buttons) = 0;

    // The common file dialogs. `filter` is a list of description and pattern pairs separated by "|"
    // ("Cabrillo files|*.cbr|All files|*.*"); `selectedFilter` counts the pairs from 1.
    // Returns the chosen path, or nothing when the user dismissed the dialog. The open dialog starts in
    // `folder`, or where the desktop chooses when it is empty.
    virtual std::optional<QString> SaveFileName(QWidget* owner, const QString& proposedName,
                                                const QString& filter, int selectedFilter) = 0;
    virtual std::optional<QString> OpenFileName(QWidget* owner, const QString& filter, int selectedFilter,
                                                const QString& folder) = 0;

    // Opens a text file in the desktop's text editor without waiting; the outcome is not examined.
    virtual void OpenInTextEditor(QWidget* owner, const QString& path) = 0;

    virtual void Beep() = 0;

    // Today's date on the local clock.
    virtual QDate Today() = 0;
    // The moment on the UTC clock.
    virtual QDateTime UtcNow() = 0;

    // The settings kept between runs: the value at `key`, or `fallback` when none was kept.
    virtual QVariant Setting(const QString& key, const QVariant& fallback) = 0;
    virtual void SetSetting(const QString& key, const QVariant& value) = 0;
};
