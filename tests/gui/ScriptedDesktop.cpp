#include "ScriptedDesktop.h"

QString Describe(Desktop::Icon icon) {
    switch (icon) {
    case Desktop::Icon::Error:
        return QStringLiteral("error");
    case Desktop::Icon::Warning:
        return QStringLiteral("warning");
    case Desktop::Icon::Question:
        return QStringLiteral("question");
    case Desktop::Icon::Information:
        return QStringLiteral("information");
    }
    return {};
}

QString Describe(Desktop::Buttons buttons) {
    switch (buttons) {
    case Desktop::Buttons::Ok:
        return QStringLiteral("OK");
    case Desktop::Buttons::YesNo:
        return QStringLiteral("Yes/No");
    case Desktop::Buttons::YesNoCancel:
        return QStringLiteral("Yes/No/Cancel");
    }
    return {};
}

static QString Describe(const ScriptedDesktop::Box& box) {
    return QStringLiteral("[%1] \"%2\" (%3, %4)")
        .arg(box.caption, QString(box.text).replace(QLatin1Char('\n'), QLatin1String("\\n")),
             Describe(box.icon), Describe(box.buttons));
}

void ScriptedDesktop::Answer(Desktop::Answer answer) {
    m_answers.push_back({std::nullopt, answer});
}

void ScriptedDesktop::Expect(const QString& caption, const QString& text, Icon icon, Buttons buttons,
                             Desktop::Answer answer) {
    m_answers.push_back({Box{caption, text, icon, buttons}, answer});
}

void ScriptedDesktop::ChooseFile(const std::optional<QString>& path) {
    m_files.push_back(path);
}

QStringList ScriptedDesktop::Problems() const {
    QStringList problems = m_problems;
    for (const ScriptedBox& left : m_answers)
        problems << QStringLiteral("a scripted answer was never used%1")
                        .arg(left.expected ? QStringLiteral(": expected ") + Describe(*left.expected)
                                           : QString());
    for (std::size_t i = 0; i < m_files.size(); ++i)
        problems << QStringLiteral("a scripted file dialog was never shown");
    return problems;
}

Desktop::Answer ScriptedDesktop::ShowMessage(QWidget*, const QString& caption, const QString& text, Icon icon,
                                             Buttons buttons) {
    const Box box{caption, text, icon, buttons};
    m_boxes << box;
    if (m_answers.empty()) {
        m_problems << QStringLiteral("unanswered box ") + Describe(box);
        return buttons == Buttons::Ok ? Answer::Ok : buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    const ScriptedBox next = m_answers.front();
    m_answers.pop_front();
    if (next.expected) {
        const Box& want = *next.expected;
        if (want.caption != caption || want.text != text || want.icon != icon || want.buttons != buttons)
            m_problems
                << QStringLiteral("expected box %1\n   but shown %2").arg(Describe(want), Describe(box));
    }
    return next.answer;
}

std::optional<QString> ScriptedDesktop::NextFile(const char* what) {
    if (m_files.empty()) {
        m_problems << QStringLiteral("unanswered %1 dialog").arg(QLatin1String(what));
        return std::nullopt;
    }
    const std::optional<QString> next = m_files.front();
    m_files.pop_front();
    return next;
}

std::optional<QString> ScriptedDesktop::SaveFileName(QWidget*, const QString& proposedName,
                                                     const QString& filter, int selectedFilter) {
    m_fileDialogs << FileDialog{true, proposedName, filter, selectedFilter, {}};
    return NextFile("save");
}

std::optional<QString> ScriptedDesktop::OpenFileName(QWidget*, const QString& filter, int selectedFilter,
                                                     const QString& folder) {
    m_fileDialogs << FileDialog{false, QString(), filter, selectedFilter, folder};
    return NextFile("open");
}

void ScriptedDesktop::OpenInTextEditor(QWidget*, const QString& path) {
    m_openedInEditor << path;
}
