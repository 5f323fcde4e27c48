#include "FileChoice.h"

#include <QCoreApplication>
#include <QFileInfo>

std::optional<QString> ChooseFileToWrite(Desktop& desktop, QWidget* owner, const QString& proposedName,
                                         const QString& filter, Dismissed dismissed) {
    // A loop rather than a recursion: the operator may say No any number of times.
    for (;;) {
        const std::optional<QString> chosen = desktop.SaveFileName(owner, proposedName, filter, 1);
        if (!chosen && dismissed == Dismissed::WritesNothing)
            return std::nullopt;
        const QString fileName = chosen.value_or(proposedName);
        if (!QFileInfo::exists(fileName))
            return fileName;
        const Desktop::Answer answer = desktop.ShowMessage(
            owner, QCoreApplication::translate("FileChoice", "Warning"),
            QCoreApplication::translate("FileChoice", "File \"%1\" exists.\nDo you want to overwrite it?")
                .arg(fileName),
            Desktop::Icon::Warning, Desktop::Buttons::YesNoCancel);
        if (answer == Desktop::Answer::Yes)
            return fileName;
        if (answer == Desktop::Answer::Cancel)
            return std::nullopt;
    }
}
