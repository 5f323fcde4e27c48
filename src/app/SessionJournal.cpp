#include "SessionJournal.h"

#include "RunTimeError.h"
#include "Win1250.h"

#include <QDir>
#include <QFile>
#include <QTranslator>
#include <algorithm>
#include <unistd.h>

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
    "SessionJournal", "The program ended without saving its log, and the end of its journal "
                      "is damaged.\n%1 lines before the damage can be restored, the last "
                      "contact:\n%2\nRestore them?");
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
    // A folder that cannot be made shows when its lock cannot be made, with the system's reason.
    QDir().mkpath(m_folder);
    const std::string path = QFile::encodeName(Path()).toStdString();
    std::optional<zevo::JournalReplay> restored;
    try {
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
            zevo::JournalReplay replay = zevo::ReplayJournal(zevo::ReadJournalFile(path));
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
        // A journal of a log saved whole, or of none, goes with it.
        m_owned = true;
        m_journal = std::make_unique<zevo::Journal>(path, m_calls);
    } catch (const zevo::RunTimeError& error) {
        GoOnWithout(owner, QString::fromLatin1(error.what()));
    }
    return restored;
}

bool SessionJournal::AskToRestore(QWidget* owner, const zevo::JournalReplay& replay) {
    const std::string& language = replay.state->language;
    const QString text = InLanguage(language, replay.damaged ? RestoreDamaged : RestoreWhole)
                             .arg(QString::number(replay.log.size()), LastContact(replay));
    return m_desktop.ShowMessage(owner, InLanguage(language, Attention), text, Desktop::Icon::Question,
                                 Desktop::Buttons::YesNo) == Desktop::Answer::Yes;
}

void SessionJournal::Record(QWidget* owner, const zevo::SessionState& state, zevo::LogChange change,
                            const std::vector<std::string>& lines, std::size_t row) {
    if (!m_journal)
        return;
    try {
        m_journal->Record(state, change, lines, row);
    } catch (const zevo::RunTimeError& error) {
        GoOnWithout(owner, QString::fromLatin1(error.what()));
    }
}

// Told once: with the journal gone nothing records again.
void SessionJournal::GoOnWithout(QWidget* owner, const QString& why) {
    m_journal.reset();
    m_desktop.ShowMessage(owner, tr("Warning"),
                          tr("The session journal cannot be written (%1).\nLogging goes on without it: save "
                             "the log often.")
                              .arg(why),
                          Desktop::Icon::Warning, Desktop::Buttons::Ok);
}

void SessionJournal::Remove() {
    if (m_journal)
        m_journal->Remove();
    else if (m_owned)
        // A journal that stopped taking records still holds the session up to there; a normal end
        // needs it no more.
        QFile::remove(Path());
    m_journal.reset();
    m_owned = false;
}
