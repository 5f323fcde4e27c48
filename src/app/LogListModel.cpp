#include "LogListModel.h"

#include "Win1250.h"

#include <algorithm>

int LogListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

QVariant LogListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        // A log line is under a hundred characters; a loaded file that is no log may hold one of
        // megabytes, whose laying out and painting would freeze the window. The line itself is kept
        // whole for the file.
        const std::string& line = m_lines[static_cast<std::size_t>(index.row())];
        if (line.size() <= MaxShownLineLength)
            return FromWin1250(line);
        return FromWin1250(line.substr(0, MaxShownLineLength)) + QChar(0x2026);
    }
    return {};
}

namespace {

// The width of a line as the list shows it, in characters: a cut line ends in one more, the ellipsis.
std::size_t ShownLength(const std::string& line) {
    return std::min(line.size(), LogListModel::MaxShownLineLength + 1);
}

std::size_t Widest(const std::vector<std::string>& lines) {
    std::size_t widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, ShownLength(line));
    return widest;
}

} // namespace

void LogListModel::Append(std::string line) {
    beginInsertRows(QModelIndex(), Count(), Count());
    m_widestLine = std::max(m_widestLine, ShownLength(line));
    m_lines.push_back(std::move(line));
    endInsertRows();
}

void LogListModel::Append(const std::vector<std::string>& lines) {
    if (lines.empty())
        return;
    beginInsertRows(QModelIndex(), Count(), Count() + static_cast<int>(lines.size()) - 1);
    m_lines.insert(m_lines.end(), lines.begin(), lines.end());
    m_widestLine = std::max(m_widestLine, Widest(lines));
    endInsertRows();
}

void LogListModel::Clear() {
    beginResetModel();
    m_lines.clear();
    m_widestLine = 0;
    endResetModel();
}

void LogListModel::SetLines(std::vector<std::string> lines) {
    beginResetModel();
    m_lines = std::move(lines);
    m_widestLine = Widest(m_lines);
    endResetModel();
}

void LogListModel::RemoveAll(const std::string& line) {
    const auto matches = std::count(m_lines.begin(), m_lines.end(), line);
    const std::size_t removedLength = ShownLength(line);
    if (matches == 0)
        return;
    if (matches == 1) {
        const int row = static_cast<int>(std::find(m_lines.begin(), m_lines.end(), line) - m_lines.begin());
        beginRemoveRows(QModelIndex(), row, row);
        m_lines.erase(m_lines.begin() + row);
        MeasureWidestLineWithout(removedLength);
        endRemoveRows();
        return;
    }
    beginResetModel();
    m_lines.erase(std::remove(m_lines.begin(), m_lines.end(), line), m_lines.end());
    MeasureWidestLineWithout(removedLength);
    endResetModel();
}

void LogListModel::MeasureWidestLineWithout(std::size_t removedLength) {
    // Only losing a widest line makes the others worth measuring again.
    if (removedLength < m_widestLine)
        return;
    m_widestLine = Widest(m_lines);
}
