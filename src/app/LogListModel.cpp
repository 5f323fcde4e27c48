#include "LogListModel.h"

#include "Win1250.h"

#include <algorithm>

int LogListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

QVariant LogListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return FromWin1250(m_lines[static_cast<std::size_t>(index.row())]);
    return {};
}

void LogListModel::Append(std::string line) {
    beginInsertRows(QModelIndex(), Count(), Count());
    m_widestLine = std::max(m_widestLine, line.size());
    m_lines.push_back(std::move(line));
    endInsertRows();
}

void LogListModel::Append(const std::vector<std::string>& lines) {
    if (lines.empty())
        return;
    beginInsertRows(QModelIndex(), Count(), Count() + static_cast<int>(lines.size()) - 1);
    m_lines.insert(m_lines.end(), lines.begin(), lines.end());
    for (const std::string& line : lines)
        m_widestLine = std::max(m_widestLine, line.size());
    endInsertRows();
}

void LogListModel::Clear() {
    beginResetModel();
    m_lines.clear();
    m_widestLine = 0;
    endResetModel();
}

void LogListModel::RemoveAll(const std::string& line) {
    const auto matches = std::count(m_lines.begin(), m_lines.end(), line);
    const std::size_t removedLength = line.size();
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
    m_widestLine = 0;
    for (const std::string& line : m_lines)
        m_widestLine = std::max(m_widestLine, line.size());
}
