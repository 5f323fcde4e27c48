#include "platform/FileChoice.h"

#include "RunTimeError.h"
#include "platform/Win1250.h"

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
        const QFileInfo target(fileName);
        if (!target.exists())
            return fileName;
        // A pipe, a device or a socket would be replaced by a regular file, which as root would take a
        // device away; a folder fails on its own when it is written.
        if (!target.isFile() && !target.isDir()) {
            desktop.ShowMessage(
                owner, QCoreApplication::translate("FileChoice", "Error"),
                QCoreApplication::translate("FileChoice",
                                            "\"%1\" is not a regular file, such as a device or a pipe: it "
                                            "is not replaced.\nNothing was saved.")
                    .arg(fileName),
                Desktop::Icon::Error, Desktop::Buttons::Ok);
            return std::nullopt;
        }
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

bool WriteOrTell(Desktop& desktop, QWidget* owner, const QString& fileName,
                 const std::function<void()>& write) {
    try {
        write();
        return true;
    } catch (const zevo::RunTimeError& error) {
        desktop.ShowMessage(owner, QCoreApplication::translate("FileChoice", "Error"),
                            QCoreApplication::translate("FileChoice",
                                                        "File \"%1\" cannot be written: %2\nNothing "
                                                        "was saved.")
                                .arg(fileName, FromWin1250(zevo::ErrorBoxText(error.what()))),
                            Desktop::Icon::Error, Desktop::Buttons::Ok);
        return false;
    }
}
