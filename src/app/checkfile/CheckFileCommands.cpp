#include "CheckFileCommands.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QSaveFile>
#include <QStatusBar>

namespace {

const QString KeptName = QStringLiteral("check.scp");

} // namespace

CheckFileCommands::CheckFileCommands(Desktop& desktop, QMainWindow* window, QAction* load, QAction* remove)
    : QObject(window), m_desktop(desktop), m_window(window), m_remove(remove), m_status(new QLabel(window)) {
    m_status->setObjectName(QStringLiteral("CheckFileStatus"));
    window->statusBar()->addPermanentWidget(m_status);
    connect(load, &QAction::triggered, this, &CheckFileCommands::Load);
    connect(remove, &QAction::triggered, this, &CheckFileCommands::Remove);
    Retranslate();
}

QString CheckFileCommands::KeptPath() const {
    return m_folder.isEmpty() ? QString() : QDir(m_folder).filePath(KeptName);
}

void CheckFileCommands::UseFolder(const QString& folder) {
    m_folder = folder;
    std::string bytes;
    zevo::CheckFileRead read;
    // A copy that went bad since is left where it is, unused: the operator may load another.
    if (QFileInfo::exists(KeptPath()) && Read(KeptPath(), bytes, read, true))
        Use(std::move(read));
}

bool CheckFileCommands::Read(const QString& path, std::string& bytes, zevo::CheckFileRead& read, bool quiet) {
    QFile file(path);
    zevo::CheckFileRefusal refusal = zevo::CheckFileRefusal::None;
    if (!file.open(QIODevice::ReadOnly)) {
        if (!quiet)
            m_desktop.ShowMessage(m_window, tr("Check file"),
                                  tr("The file %1 could not be read: %2.").arg(path, file.errorString()),
                                  Desktop::Icon::Warning, Desktop::Buttons::Ok);
        return false;
    }
    // Nothing past the limit is read at all.
    if (static_cast<std::size_t>(file.size()) > zevo::CheckFileMaxBytes) {
        refusal = zevo::CheckFileRefusal::TooLarge;
    } else {
        const QByteArray data = file.readAll();
        bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
        read = zevo::ReadCheckFile(bytes);
        refusal = zevo::RefusalOf(bytes, read);
    }
    if (refusal == zevo::CheckFileRefusal::None)
        return true;
    if (!quiet) {
        const QString name = QFileInfo(path).fileName();
        const QString text = refusal == zevo::CheckFileRefusal::TooLarge
                                 ? tr("The file %1 is larger than 10 MB: it is no list of calls.").arg(name)
                             : refusal == zevo::CheckFileRefusal::Binary
                                 ? tr("The file %1 is not a text file: it is no list of calls.").arg(name)
                                 : tr("The file %1 holds no calls.").arg(name);
        m_desktop.ShowMessage(m_window, tr("Check file"), text, Desktop::Icon::Warning, Desktop::Buttons::Ok);
    }
    return false;
}

void CheckFileCommands::Load() {
    const std::optional<QString> path =
        m_desktop.OpenFileName(m_window, tr("Check files|*.scp|All files|*.*"), 1, QString());
    std::string bytes;
    zevo::CheckFileRead read;
    if (!path || !Read(*path, bytes, read, false))
        return;
    if (!m_folder.isEmpty()) {
        QDir().mkpath(m_folder);
        QSaveFile copy(KeptPath());
        const bool kept = copy.open(QIODevice::WriteOnly) &&
                          copy.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                              static_cast<qint64>(bytes.size()) &&
                          copy.commit();
        if (!kept)
            m_desktop.ShowMessage(m_window, tr("Check file"),
                                  tr("The check file could not be kept for the next start (%1); it is used "
                                     "until the program ends.")
                                      .arg(copy.errorString()),
                                  Desktop::Icon::Warning, Desktop::Buttons::Ok);
    }
    Use(std::move(read));
}

void CheckFileCommands::Remove() {
    if (!m_folder.isEmpty() && QFileInfo::exists(KeptPath()) && !QFile::remove(KeptPath()))
        m_desktop.ShowMessage(m_window, tr("Check file"),
                              tr("The copy of the check file could not be removed: the next start loads it "
                                 "again."),
                              Desktop::Icon::Warning, Desktop::Buttons::Ok);
    Use({});
}

void CheckFileCommands::Use(zevo::CheckFileRead read) {
    m_skipped = read.notCalls.size();
    m_calls = zevo::CheckCalls(std::move(read.calls));
    Retranslate();
    emit changed();
}

void CheckFileCommands::Retranslate() {
    m_remove->setEnabled(m_calls.Size() > 0);
    QString text;
    if (m_calls.Size() > 0)
        text =
            m_calls.Size() == 1 ? tr("Check file: 1 call") : tr("Check file: %1 calls").arg(m_calls.Size());
    if (m_calls.Size() > 0 && m_skipped > 0)
        text += m_skipped == 1 ? tr(" (1 line that is no call skipped)")
                               : tr(" (%1 lines that are no call skipped)").arg(m_skipped);
    m_status->setText(text);
}
