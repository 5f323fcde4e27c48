#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

// The log itself: the ordered lines shown in the main window's list, held as the single-byte bytes
// that are written to the file. The list view decodes them for display only, so a loaded file is
// saved back byte for byte, and appending a line touches only that row.
class LogListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Longer lines are shown cut there, with an ellipsis.
    static constexpr std::size_t MaxShownLineLength = 1000;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const std::vector<std::string>& Lines() const { return m_lines; }
    int Count() const { return static_cast<int>(m_lines.size()); }
    // The length of the longest line in characters (one byte each), kept as lines come and go so that
    // the view knows how wide the log is without reading every line again.
    int WidestLine() const { return static_cast<int>(m_widestLine); }

    void Append(std::string line);
    void Append(const std::vector<std::string>& lines);
    void Clear();
    // Replaces the whole log at once, as loading a file does.
    void SetLines(std::vector<std::string> lines);
    // Removes every line that is exactly `line`.
    void RemoveAll(const std::string& line);

private:
    void MeasureWidestLineWithout(std::size_t removedLength);

    std::vector<std::string> m_lines;
    std::size_t m_widestLine = 0;
};
