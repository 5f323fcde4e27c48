#include "LogListModel.h"

#include "Win1250.h"

#include <algorithm>

namespace {

// The width of a line as the list shows it, in characters: a cut line ends in one more, the ellipsis.
std::size_t ShownLength(const std::string& line) {
    return std::min(line.size(), LogListModel::MaxShownLineLength + 1);
}

int Row(std::size_t row) {
    return static_cast<int>(row);
}

} // namespace

LogListModel::LogListModel(zevo::LogDocument& log, QObject* parent) : QAbstractListModel(parent), m_log(log) {
    m_log.AddListener(this);
    MeasureWidestLine();
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
        const std::string& line = m_log.Line(static_cast<std::size_t>(index.row()));
        if (line.size() <= MaxShownLineLength)
            return FromWin1250(line);
        return FromWin1250(line.substr(0, MaxShownLineLength)) + QChar(0x2026);
    }
    return {};
}

void LogListModel::LogAboutToChange(const zevo::LogDocument& log, const zevo::LogEdit& edit) {
    switch (edit.kind) {
    case zevo::LogEdit::Kind::Insert:
        beginInsertRows(QModelIndex(), Row(edit.row), Row(edit.row + edit.count) - 1);
        break;
    case zevo::LogEdit::Kind::Remove:
        m_leaving = 0;
        for (std::size_t row = edit.row; row < edit.row + edit.count; ++row)
            m_leaving = std::max(m_leaving, ShownLength(log.Line(row)));
        beginRemoveRows(QModelIndex(), Row(edit.row), Row(edit.row + edit.count) - 1);
        break;
    case zevo::LogEdit::Kind::Replace:
        m_leaving = ShownLength(log.Line(edit.row));
        break;
    case zevo::LogEdit::Kind::Reset:
        beginResetModel();
        break;
    }
}

void LogListModel::LogChanged(const zevo::LogDocument& log, const zevo::LogEdit& edit) {
    switch (edit.kind) {
    case zevo::LogEdit::Kind::Insert:
        for (std::size_t row = edit.row; row < edit.row + edit.count; ++row)
            m_widestLine = std::max(m_widestLine, ShownLength(log.Line(row)));
        endInsertRows();
        break;
    case zevo::LogEdit::Kind::Remove:
        // Only losing a widest line makes the others worth measuring again.
        if (m_leaving >= m_widestLine)
            MeasureWidestLine();
        endRemoveRows();
        break;
    case zevo::LogEdit::Kind::Replace: {
        const std::size_t arriving = ShownLength(log.Line(edit.row));
        if (arriving >= m_widestLine)
            m_widestLine = arriving;
        else if (m_leaving >= m_widestLine)
            MeasureWidestLine();
        const QModelIndex changed = index(Row(edit.row));
        emit dataChanged(changed, changed);
        break;
    }
    case zevo::LogEdit::Kind::Reset:
        MeasureWidestLine();
        endResetModel();
        break;
    }
}

void LogListModel::MeasureWidestLine() {
    m_widestLine = 0;
    for (const std::string& line : m_log.Lines())
        m_widestLine = std::max(m_widestLine, ShownLength(line));
}
