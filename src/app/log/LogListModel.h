#pragma once

#include "LogDocument.h"

#include <QAbstractListModel>
#include <string>
#include <string_view>
#include <vector>

// The log as the main window's list shows it: each row one line of the log, decoded for display only.
// The lines themselves are the log's, and only the log changes them; the model follows its changes row
// by row, so appending a line touches only that row.
class LogListModel final : public QAbstractListModel, private zevo::LogListener {
    Q_OBJECT
public:
    explicit LogListModel(zevo::LogDocument& log, QObject* parent = nullptr);
    ~LogListModel() override;

    // Longer lines are shown cut there, with an ellipsis.
    static constexpr std::size_t MaxShownLineLength = 1000;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    int Count() const { return static_cast<int>(m_log.Count()); }
    // The bytes of a line, for a view that paints them without decoding them.
    std::string_view LineBytes(int row) const { return m_log.Line(static_cast<std::size_t>(row)); }
    // The length of the longest line in characters (one byte each), kept as lines come and go so that
    // the view knows how wide the log is without reading every line again.
    int WidestLine() const { return static_cast<int>(m_widestLine); }

private:
    void LogAboutToChange(const zevo::LogDocument& log, const zevo::LogEdit& edit) override;
    void LogChanged(const zevo::LogDocument& log, const zevo::LogEdit& edit) override;
    void Count(std::string_view line, int by);
    void CountAll();

    zevo::LogDocument& m_log;
    // How many lines are shown at each length (a cut one counts as one longer than the cut): the
    // widest line is the longest length with a line, found without reading the lines again.
    std::vector<std::size_t> m_linesOfLength = std::vector<std::size_t>(MaxShownLineLength + 2);
    std::size_t m_widestLine = 0;
};
