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

void LogListModel::Append(std::string line) {
    beginInsertRows(QModelIndex(), Count(), Count());
    m_lines.push_back(std::move(line));
    endInsertRows();
}

void LogListModel::Append(const std::vector<std::string>& lines) {
    if (lines.empty())
        return;
    beginInsertRows(QModelIndex(), Count(), Count() + static_cast<int>(lines.size()) - 1);
    m_lines.insert(m_lines.end(), lines.begin(), lines.end());
    endInsertRows();
}

void LogListModel::Clear() {
    beginResetModel();
    m_lines.clear();
    endResetModel();
}

void LogListModel::SetLines(std::vector<std::string> lines) {
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

void LogListModel::RemoveAll(const std::string& line) {
    const auto matches = std::count(m_lines.begin(), m_lines.end(), line);
    if (matches == 0)
        return;
    if (matches == 1) {
        const int row = static_cast<int>(std::find(m_lines.begin(), m_lines.end(), line) - m_lines.begin());
        beginRemoveRows(QModelIndex(), row, row);
        m_lines.erase(m_lines.begin() + row);
        endRemoveRows();
        return;
    }
    beginResetModel();
    m_lines.erase(std::remove(m_lines.begin(), m_lines.end(), line), m_lines.end());
    endResetModel();
}
