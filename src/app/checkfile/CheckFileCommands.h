#pragma once

// The check file: calls known to be active in contests, against which the call typed is checked.
//
// ActionLoadCheckFile    picks a file, reads it and keeps a copy of it in the data folder, where the
//                        next start finds it: that copy is the setting
// ActionRemoveCheckFile  forgets it, the copy included
// CheckFileStatus        the status bar's count of its calls

#include "CheckFile.h"
#include "platform/Desktop.h"

#include <QObject>
#include <QString>

class QAction;
class QLabel;
class QMainWindow;

class CheckFileCommands final : public QObject {
    Q_OBJECT
public:
    CheckFileCommands(Desktop& desktop, QMainWindow* window, QAction* load, QAction* remove);

    // Loads the copy kept in `folder`, where a file chosen later is kept too. Without a folder a chosen
    // file lasts for the run.
    void UseFolder(const QString& folder);
    void Load();
    void Remove();
    void Retranslate();
    const zevo::CheckCalls& Calls() const { return m_calls; }

signals:
    // Other calls to check against, or none.
    void changed();

private:
    // Reads `path`; a file refused is said in a box, and nothing changes.
    bool Read(const QString& path, std::string& bytes, zevo::CheckFileRead& read, bool quiet);
    void Use(zevo::CheckFileRead read);
    QString KeptPath() const;

    Desktop& m_desktop;
    QMainWindow* m_window;
    QAction* m_remove;
    QLabel* m_status;
    QString m_folder;
    zevo::CheckCalls m_calls;
    std::size_t m_skipped = 0;
};
