#include "StatisticsFeed.h"

namespace zevo {

StatisticsFeed::StatisticsFeed(LogDocument& log, std::function<void()> changed)
    : m_log(log), m_statistics(log.Calls()), m_changed(std::move(changed)) {
    m_statistics.Rebuild(m_log.Lines());
    m_log.AddListener(this);
}

StatisticsFeed::~StatisticsFeed() {
    m_log.RemoveListener(this);
}

void StatisticsFeed::LogAboutToChange(const LogDocument& log, const LogEdit& edit) {
    switch (edit.kind) {
    case LogEdit::Kind::Insert:
        break;
    case LogEdit::Kind::Remove:
    case LogEdit::Kind::Replace:
        for (std::size_t row = edit.row; row < edit.row + edit.count; ++row)
            m_statistics.Remove(log.Line(row));
        break;
    case LogEdit::Kind::ReplaceAll:
        m_statistics.Clear();
        break;
    }
}

void StatisticsFeed::LogChanged(const LogDocument& log, const LogEdit& edit) {
    switch (edit.kind) {
    case LogEdit::Kind::Insert:
    case LogEdit::Kind::Replace:
        for (std::size_t row = edit.row; row < edit.row + edit.count; ++row)
            m_statistics.Add(log.Line(row));
        break;
    case LogEdit::Kind::Remove:
        break;
    case LogEdit::Kind::ReplaceAll:
        m_statistics.Rebuild(log.Lines());
        break;
    }
    if (m_changed)
        m_changed();
}

} // namespace zevo
