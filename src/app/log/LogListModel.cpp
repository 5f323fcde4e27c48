#include "log/LogListModel.h"

#include "platform/Win1250.h"

#include <algorithm>

namespace {

// The width of a line as the list shows it, in characters: a cut line ends in one more, the ellipsis.
std::size_t ShownLength(std::string_view line) {
    return std::min(line.size(), LogListModel::MaxShownLineLength + 1);
}

int Row(std::size_t row) {
    return static_cast<int>(row);
}

} // namespace

LogListModel::LogListModel(zevo::LogDocument& log, QObject* parent) : QAbstractListModel(parent), m_log(log) {
    m_log.AddListener(this);
    CountAll();
}

LogListModel::~LogListModel() {
    m_log.RemoveListener(this);
}

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
        const std::string_view line = m_log.Line(static_cast<std::size_t>(index.row()));
        if (line.size() <= MaxShownLineLength)
            return FromWin1250(line);
        return FromWin1250(line.substr(0, MaxShownLineLength)) + QChar(0x2026);
    }
    return {};
}

void LogListModel::Count(std::string_view line, int by) {
    const std::size_t length = ShownLength(line);
    m_linesOfLength[length] = static_cast<std::size_t>(static_cast<long long>(m_linesOfLength[length]) + by);
    if (by > 0)
        m_widestLine = std::max(m_widestLine, length);
    while (m_widestLine > 0 && m_linesOfLength[m_widestLine] == 0)
        --m_widestLine;
}

void LogListModel::CountAll() {
    std::fill(m_linesOfLength.begin(), m_linesOfLength.end(), 0);
    m_widestLine = 0;
    for (const std::string_view line : m_log.Lines())
        Count(line, +1);
}

void LogListModel::LogAboutToChange(const zevo::LogDocument& log, const zevo::LogEdit& edit) {
    switch (edit.kind) {
    case zevo::LogEdit::Kind::Insert:
        beginInsertRows(QModelIndex(), Row(edit.row), Row(edit.row + edit.count) - 1);
        break;
    case zevo::LogEdit::Kind::Remove:
        for (std::size_t row = edit.row; row < edit.row + edit.count; ++row)
            Count(log.Line(row), -1);
        beginRemoveRows(QModelIndex(), Row(edit.row), Row(edit.row + edit.count) - 1);
        break;
    case zevo::LogEdit::Kind::Replace:
        Count(log.Line(edit.row), -1);
        break;
    case zevo::LogEdit::Kind::ReplaceAll:
        beginResetModel();
        break;
    }
}

void LogListModel::LogChanged(const zevo::LogDocument& log, const zevo::LogEdit& edit) {
    switch (edit.kind) {
    case zevo::LogEdit::Kind::Insert:
        for (std::size_t row = edit.row; row < edit.row + edit.count; ++row)
            Count(log.Line(row), +1);
        endInsertRows();
        break;
    case zevo::LogEdit::Kind::Remove:
        endRemoveRows();
        break;
    case zevo::LogEdit::Kind::Replace: {
        Count(log.Line(edit.row), +1);
        const QModelIndex changed = index(Row(edit.row));
        emit dataChanged(changed, changed);
        break;
    }
    case zevo::LogEdit::Kind::ReplaceAll:
        CountAll();
        endResetModel();
        break;
    }
}
