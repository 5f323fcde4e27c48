#include "LogDocument.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace zevo {

void LogDocument::Append(std::string line) {
    std::vector<std::string> lines;
    lines.push_back(std::move(line));
    InsertLines(m_lines.size(), std::move(lines));
}

void LogDocument::Append(const std::vector<std::string>& lines) {
    InsertLines(m_lines.size(), lines);
}

void LogDocument::Insert(std::size_t row, std::string line) {
    if (row > m_lines.size())
        throw std::out_of_range("LogDocument::Insert");
    std::vector<std::string> lines;
    lines.push_back(std::move(line));
    InsertLines(row, std::move(lines));
}

void LogDocument::Insert(std::size_t row, std::string line, LineId id) {
    if (row > m_lines.size())
        throw std::out_of_range("LogDocument::Insert");
    std::vector<std::string> lines;
    lines.push_back(std::move(line));
    InsertLines(row, std::move(lines), id);
}

std::optional<std::size_t> LogDocument::RowOf(LineId id, std::size_t near) const {
    const std::size_t count = m_ids.size();
    near = std::min(near, count);
    for (std::size_t distance = 0; distance <= std::max(near, count - near); ++distance) {
        if (near + distance < count && m_ids[near + distance] == id)
            return near + distance;
        if (distance > 0 && distance <= near && m_ids[near - distance] == id)
            return near - distance;
    }
    return std::nullopt;
}

void LogDocument::Insert(std::size_t row, std::vector<std::string> lines, const std::vector<LineId>& ids) {
    if (row > m_lines.size() || (!ids.empty() && ids.size() != lines.size()))
        throw std::out_of_range("LogDocument::Insert");
    InsertLines(row, std::move(lines), 0, ids.empty() ? nullptr : &ids);
}

void LogDocument::InsertLines(std::size_t row, std::vector<std::string> lines, LineId id,
                              const std::vector<LineId>* ids) {
    if (lines.empty())
        return;
    const LogEdit edit{LogEdit::Kind::Insert, row, lines.size()};
    AboutToChange(edit);
    if (row < m_lines.size())
        m_calls.ShiftRows(row, static_cast<std::ptrdiff_t>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i)
        m_calls.Add(row + i, lines[i]);
    m_lines.insert(row, lines.begin(), lines.end());
    const auto at = m_ids.insert(m_ids.begin() + static_cast<std::ptrdiff_t>(row), edit.count, id);
    if (ids != nullptr)
        std::copy(ids->begin(), ids->end(), at);
    else if (id == 0)
        std::generate_n(at, edit.count, [this] { return ++m_lastId; });
    Changed(edit);
}

void LogDocument::Replace(std::size_t row, std::string_view line) {
    if (row >= m_lines.size())
        throw std::out_of_range("LogDocument::Replace");
    const LogEdit edit{LogEdit::Kind::Replace, row, 1};
    AboutToChange(edit);
    m_calls.Remove(row, m_lines[row]);
    m_calls.Add(row, line);
    m_lines.replace(row, line);
    Changed(edit);
}

void LogDocument::Remove(std::size_t row) {
    if (row >= m_lines.size())
        throw std::out_of_range("LogDocument::Remove");
    const LogEdit edit{LogEdit::Kind::Remove, row, 1};
    AboutToChange(edit);
    m_calls.Remove(row, m_lines[row]);
    if (row + 1 < m_lines.size())
        m_calls.ShiftRows(row + 1, -1);
    m_lines.erase(row, row + 1);
    m_ids.erase(m_ids.begin() + static_cast<std::ptrdiff_t>(row));
    Changed(edit);
}

void LogDocument::Remove(std::size_t row, std::size_t count) {
    if (row > m_lines.size() || count > m_lines.size() - row)
        throw std::out_of_range("LogDocument::Remove");
    if (count == 0)
        return;
    const LogEdit edit{LogEdit::Kind::Remove, row, count};
    AboutToChange(edit);
    for (std::size_t i = row; i < row + count; ++i)
        m_calls.Remove(i, m_lines[i]);
    if (row + count < m_lines.size())
        m_calls.ShiftRows(row + count, -static_cast<std::ptrdiff_t>(count));
    const auto first = static_cast<std::ptrdiff_t>(row);
    const auto last = static_cast<std::ptrdiff_t>(row + count);
    m_lines.erase(row, row + count);
    m_ids.erase(m_ids.begin() + first, m_ids.begin() + last);
    Changed(edit);
}

void LogDocument::ReplaceAll(LineStore lines) {
    const LogEdit edit{LogEdit::Kind::ReplaceAll, 0, lines.size()};
    AboutToChange(edit);
    m_lines = std::move(lines);
    m_ids.resize(m_lines.size());
    std::generate(m_ids.begin(), m_ids.end(), [this] { return ++m_lastId; });
    m_calls.Build(m_lines);
    Changed(edit);
}

void LogDocument::MoveToEnd(const std::string& line) {
    // From the end, so that the rows of the lines still to go stay where they are.
    LineId id = 0;
    for (std::size_t row = m_lines.size(); row-- > 0;) {
        if (m_lines[row] == line) {
            if (id == 0)
                id = m_ids[row];
            Remove(row);
        }
    }
    std::vector<std::string> lines{line};
    InsertLines(m_lines.size(), std::move(lines), id);
}

void LogDocument::AddListener(LogListener* listener) {
    m_listeners.push_back(listener);
}

void LogDocument::RemoveListener(LogListener* listener) {
    std::erase(m_listeners, listener);
}

void LogDocument::AboutToChange(const LogEdit& edit) {
    for (LogListener* listener : m_listeners)
        listener->LogAboutToChange(*this, edit);
}

void LogDocument::Changed(const LogEdit& edit) {
    for (LogListener* listener : m_listeners)
        listener->LogChanged(*this, edit);
}

} // namespace zevo
