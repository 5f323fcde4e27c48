#pragma once

#include "platform/Desktop.h"

#include <QString>
#include <functional>
#include <optional>

// The file a save writes: the save dialog with the proposed name (a dismissed dialog keeps that name,
// in the current folder) and, over a file that exists, the overwrite question. No starts over with the
// dialog; Cancel gives nothing, and nothing is to be written. What the operator may as well not write
// (a picture) is not written when the dialog is dismissed.
enum class Dismissed { KeepsTheName, WritesNothing };
std::optional<QString> ChooseFileToWrite(Desktop& desktop, QWidget* owner, const QString& proposedName,
                                         const QString& filter,
                                         Dismissed dismissed = Dismissed::KeepsTheName);

// Runs `write`, which writes the file `fileName` whole or not at all. A failure is told with the file,
// the cause and that nothing was saved; true when the file was written.
bool WriteOrTell(Desktop& desktop, QWidget* owner, const QString& fileName,
                 const std::function<void()>& write);
