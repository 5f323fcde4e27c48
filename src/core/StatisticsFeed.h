#pragma once

#include "LogDocument.h"
#include "LogStatistics.h"

#include <functional>

namespace zevo {

// The statistics of a log, following its changes: each change counts only the lines it takes away and
// the lines it brings, so that adding a contact costs the same however long the log is. Only a reset
// (a load) counts the whole log again, as it is a whole new log.
class StatisticsFeed final : private LogListener {
public:
    // `changed` runs after each change of the log has been counted.
    explicit StatisticsFeed(LogDocument& log, std::function<void()> changed = {});
    ~StatisticsFeed();
    StatisticsFeed(const StatisticsFeed&) = delete;
    StatisticsFeed& operator=(const StatisticsFeed&) = delete;

    const LogStatistics& Statistics() const { return m_statistics; }

private:
    void LogAboutToChange(const LogDocument& log, const LogEdit& edit) override;
    void LogChanged(const LogDocument& log, const LogEdit& edit) override;

    LogDocument& m_log;
    LogStatistics m_statistics;
    std::function<void()> m_changed;
};

} // namespace zevo
