#include "session/SessionJournal.h"

#include "RunTimeError.h"
#include "platform/Win1250.h"

#include <QDir>
#include <QFile>
#include <QTranslator>
#include <algorithm>
#include <unistd.h>
#include <utility>

namespace {

const char* const Context = "SessionJournal";

// The question about the last session is asked in the language that session used, whatever the
// interface shows at start.
const char* const Attention = QT_TRANSLATE_NOOP("SessionJournal", "Attention");
const char* const Information = QT_TRANSLATE_NOOP("SessionJournal", "Information");
const char* const RestoreWhole = QT_TRANSLATE_NOOP(
    "SessionJournal",
    "The program ended without saving its log.\n%1 lines, the last contact:\n%2\nRestore the log?");
const char* const RestoreDamaged = QT_TRANSLATE_NOOP(
    "SessionJournal", "The program ended without saving its log, and its journal is damaged. "
                      "It is kept as\n%3\n%1 lines can be read from it, the last "
                      "contact:\n%2\nRestore them?");
const char* const Unreadable =
    QT_TRANSLATE_NOOP("SessionJournal", "The journal of the last session is damaged and no log can "
                                        "be read from it. It is kept as\n%1");
const char* const NoContact = QT_TRANSLATE_NOOP("SessionJournal", "none");
const char* const KeptAside =
    QT_TRANSLATE_NOOP("SessionJournal", "The journal of that session is kept as\n%1");

QString InLanguage(const std::string& code, const char* source) {
    QTranslator translator;
    if (!code.empty() && translator.load(QStringLiteral(":/i18n/zevo_") + QString::fromStdString(code))) {
        QString translated = translator.translate(Context, source);
        if (!translated.isEmpty())
            return translated;
    }
    return QString::fromUtf8(source);
}

QString LastContact(const zevo::JournalReplay& replay) {
    const auto last = std::find_if(replay.log.rbegin(), replay.log.rend(),
                                   [](const std::string& line) { return line.starts_with("QSO:"); });
    if (last != replay.log.rend())
        return FromWin1250(*last);
    return InLanguage(replay.state->language, NoContact);
}

} // namespace

SessionJournal::SessionJournal(Desktop& desktop, QString folder, zevo::FileWriteCalls calls)
    : m_desktop(desktop), m_folder(std::move(folder)), m_calls(std::move(calls)) {}

SessionJournal::~SessionJournal() = default;

QString SessionJournal::Path() const {
    return QDir(m_folder).filePath(QStringLiteral("session.journal"));
}

std::optional<zevo::JournalReplay> SessionJournal::Open(QWidget* owner) {
    const std::string path = QFile::encodeName(Path()).toStdString();
    std::optional<zevo::JournalReplay> restored;
    try {
        zevo::MakeFolder(QFile::encodeName(m_folder).toStdString());
        m_lock = std::make_unique<zevo::JournalLock>(
            QFile::encodeName(QDir(m_folder).filePath(QStringLiteral("session.lock"))).toStdString());
        if (!m_lock->Held()) {
            m_lock.reset();
            m_desktop.ShowMessage(owner, tr("Warning"),
                                  tr("Another ZEVO Contest program keeps the session journal.\nThis one runs "
                                     "without a journal: save the log often."),
                                  Desktop::Icon::Warning, Desktop::Buttons::Ok);
            return std::nullopt;
        }
        if (::access(path.c_str(), F_OK) == 0) {
            const std::string bytes = zevo::ReadJournalFile(path);
            zevo::JournalReplay replay = zevo::ReplayJournal(bytes);
            // A journal that cannot be read whole is never overwritten: what it holds may be all
            // that is left of a log.
            if (replay.damaged)
                return OpenDamaged(owner, bytes);
            if (replay.state && replay.state->unsavedLog && !replay.log.empty()) {
                const std::string language = replay.state->language;
                if (AskToRestore(owner, replay)) {
                    restored = std::move(replay);
                    // The session goes on in the same journal, after its last complete record.
                    m_owned = true;
                    m_journal = std::make_unique<zevo::Journal>(path, restored->completeBytes, m_calls);
                    return restored;
                }
                const std::string aside =
                    zevo::SetJournalAside(path, m_desktop.Today().toString(Qt::ISODate).toStdString());
                m_desktop.ShowMessage(
                    owner, InLanguage(language, Information),
                    InLanguage(language, KeptAside).arg(QFile::decodeName(QByteArray::fromStdString(aside))),
                    Desktop::Icon::Information, Desktop::Buttons::Ok);
            }
        }
        // A journal of a log saved whole, or of none, goes with the new one.
        m_owned = true;
        m_startLater = true;
    } catch (const zevo::RunTimeError& error) {
        GoOnWithout(owner, QString::fromLatin1(error.what()));
    }
    return restored;
}

std::optional<zevo::JournalReplay> SessionJournal::OpenDamaged(QWidget* owner, const std::string& bytes) {
    const std::string path = QFile::encodeName(Path()).toStdString();
    zevo::JournalReplay salvaged = zevo::SalvageJournal(bytes);
    const QString aside = QFile::decodeName(QByteArray::fromStdString(
        zevo::SetJournalAside(path, m_desktop.Today().toString(Qt::ISODate).toStdString())));
    const std::string language = salvaged.state ? salvaged.state->language : std::string();
    const bool offered = salvaged.state && !salvaged.log.empty();
    const bool taken =
        offered &&
        m_desktop.ShowMessage(owner, InLanguage(language, Attention),
                              InLanguage(language, RestoreDamaged)
                                  .arg(QString::number(salvaged.log.size()), LastContact(salvaged), aside),
                              Desktop::Icon::Question, Desktop::Buttons::YesNo) == Desktop::Answer::Yes;
    if (!offered)
        m_desktop.ShowMessage(owner, InLanguage(language, Attention),
                              InLanguage(language, Unreadable).arg(aside), Desktop::Icon::Warning,
                              Desktop::Buttons::Ok);
    else if (!taken)
        m_desktop.ShowMessage(owner, InLanguage(language, Information),
                              InLanguage(language, KeptAside).arg(aside), Desktop::Icon::Information,
                              Desktop::Buttons::Ok);
    // The damaged file is aside: this session's journal starts anew, with the log taken back if any.
    m_owned = true;
    m_journal = std::make_unique<zevo::Journal>(path, m_calls);
    if (!taken)
        return std::nullopt;
    m_journal->Record(*salvaged.state, zevo::LogChange::ReplaceAll, salvaged.log);
    return salvaged;
}

bool SessionJournal::AskToRestore(QWidget* owner, const zevo::JournalReplay& replay) {
    const std::string& language = replay.state->language;
    const QString text =
        InLanguage(language, RestoreWhole).arg(QString::number(replay.log.size()), LastContact(replay));
    return m_desktop.ShowMessage(owner, InLanguage(language, Attention), text, Desktop::Icon::Question,
                                 Desktop::Buttons::YesNo) == Desktop::Answer::Yes;
}

void SessionJournal::Start(QWidget* owner) {
    if (!std::exchange(m_startLater, false))
        return;
    try {
        m_journal = std::make_unique<zevo::Journal>(QFile::encodeName(Path()).toStdString(), m_calls);
    } catch (const zevo::RunTimeError& error) {
        GoOnWithout(owner, QString::fromLatin1(error.what()));
    }
}

void SessionJournal::Record(QWidget* owner, const zevo::SessionState& state, zevo::LogChange change,
                            zevo::LinesView lines, std::size_t row) {
    Start(owner);
    if (!m_journal)
        return;
    try {
        m_journal->Record(state, change, lines, row);
    } catch (const zevo::RunTimeError& error) {
        GoOnWithout(owner, QString::fromLatin1(error.what()));
    }
}

void SessionJournal::LogSaved(QWidget* owner, const zevo::SessionState& state, zevo::LinesView lines) {
    if (m_journal || m_startLater || !m_owned)
        return;
    const std::string path = QFile::encodeName(Path()).toStdString();
    // The stale journal goes first: on a full disk its room is what the new one needs.
    ::unlink(path.c_str());
    try {
        auto journal = std::make_unique<zevo::Journal>(path, m_calls);
        journal->Record(state, zevo::LogChange::ReplaceAll, lines);
        m_journal = std::move(journal);
        Tell(owner, QString(), QString(), Desktop::Icon::Information);
    } catch (const zevo::RunTimeError&) {
        // Still no room: without a journal nothing older than the file can come back.
        ::unlink(path.c_str());
    }
}

// Told once: with the journal gone nothing records again, until a save starts it anew.
void SessionJournal::GoOnWithout(QWidget* owner, const QString& why) {
    m_journal.reset();
    Tell(owner, tr("Warning"),
         tr("The session journal \"%1\" cannot be written (%2).\nLogging goes on without it: save the log "
            "often.")
             .arg(Path(), why),
         Desktop::Icon::Warning);
}

void SessionJournal::Tell(QWidget* owner, const QString& caption, const QString& text, Desktop::Icon icon) {
    if (m_warn)
        m_warn(text);
    else if (!text.isEmpty())
        m_desktop.ShowMessage(owner, caption, text, icon, Desktop::Buttons::Ok);
}

void SessionJournal::Remove() {
    m_startLater = false;
    if (m_journal)
        m_journal->Remove();
    else if (m_owned)
        // A journal that stopped taking records still holds the session up to there; a normal end
        // needs it no more.
        QFile::remove(Path());
    m_journal.reset();
    m_owned = false;
}
