#include "textimporter.h"

#include "datafile/datafilereader.h"
#include "fillin.h"
#include "messages.h"
#include "survey.h"
#include "textlayout.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <streambuf>

namespace vantrel {

namespace {

constexpr std::size_t kNotTextProbe = 1 << 20;

char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

/// Where `word` (upper case) first stands in `text`, ignoring ASCII case.
std::size_t FindNoCase(std::string_view text, std::string_view word)
{
    for (std::size_t i = 0; i + word.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < word.size() && UpperAscii(text[i + k]) == word[k])
            ++k;
        if (k == word.size())
            return i;
    }
    return std::string_view::npos;
}

/// Puts '_' after the first letter of every `word` in `text`.
void BreakAll(std::string& text, std::string_view word)
{
    for (std::size_t at; (at = FindNoCase(text, word)) != std::string::npos;)
        text.insert(at + 1, 1, '_');
}

bool IsFieldDelimiter(char c)
{
    return c == ' ' || c == ',' || c == '\t' || c == '"';
}

std::string ColumnName(std::size_t index, const std::vector<std::string>& titles)
{
    std::string name = std::to_string(index + 1);
    if (index < titles.size() && !titles[index].empty())
        name += " (" + titles[index] + ")";
    return name;
}

/// One output column: the file's column it comes from (-1: none, the file
/// number 1) and how its cells are written.
struct OutColumn {
    int source = -1;
    bool number = false;
};

/// The standard-layout text of an import, made piece by piece as the reader
/// asks for it, so the conversion runs on the reader's read-ahead thread.
class StandardLayoutBuffer : public std::streambuf {
public:
    StandardLayoutBuffer(const TextLayout& text, const ImportMapping& mapping,
                         std::vector<std::string> titles, std::string shownName)
        : m_text(text), m_mapping(mapping), m_titles(std::move(titles)), m_shownName(std::move(shownName))
    {
        Plan();
        m_separator =
            mapping.separator ? mapping.separator : TextLayout::DetectSeparator(text.FirstLines(50));
    }

    std::vector<std::pair<int, int>> marks;  // (row, column)
    std::size_t repeatedHeaders = 0;
    std::string error;

protected:
    int_type underflow() override
    {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
        Fill();
        if (m_out.empty())
            return traits_type::eof();
        setg(m_out.data(), m_out.data(), m_out.data() + m_out.size());
        return traits_type::to_int_type(*gptr());
    }

private:
    void Plan()
    {
        const auto roleOf = [&](std::size_t i) {
            return i < m_mapping.columns.size() ? m_mapping.columns[i].role : ColumnRole::Other;
        };
        const std::size_t n = m_titles.size();
        int file = -1, increment = -1;
        for (std::size_t i = 0; i < n; ++i) {
            if (roleOf(i) == ColumnRole::FileNumber)
                file = static_cast<int>(i);
            if (roleOf(i) == ColumnRole::Increment)
                increment = static_cast<int>(i);
        }
        m_columns.push_back({file, true});
        m_columns.push_back({increment, true});
        m_header = "FILE\tINCREMENT";
        for (std::size_t i = 0; i < n; ++i) {
            if (roleOf(i) != ColumnRole::Frequency)
                continue;
            m_columns.push_back({static_cast<int>(i), true});
            m_header += "\t" + ShortestNumber(m_mapping.columns[i].frequencyHz) + "HZ";
        }
        for (std::size_t i = 0; i < n; ++i) {
            if (roleOf(i) != ColumnRole::Other)
                continue;
            m_columns.push_back({static_cast<int>(i), false});
            std::string title = m_titles[i];
            for (char& c : title)
                if (IsFieldDelimiter(c) || c == '-')
                    c = '_';
            if (title.empty())
                title = "COLUMN" + std::to_string(i + 1);
            for (std::string_view word : {"FILE", "INCREMENT", "HZ"})
                BreakAll(title, word);
            m_header += "\t" + title;
        }
        m_header += "\n";
    }

    void Fill()
    {
        m_out.clear();
        if (m_done)
            return;
        if (!m_headerWritten) {
            m_out = m_header;
            m_headerWritten = true;
            SkipToData();
        }
        std::string_view line;
        while (m_out.size() < (1u << 20) && m_text.NextLine(&m_at, &line)) {
            ++m_lineNumber;
            TextLayout::SplitCells(line, m_separator, m_cells, m_scratch);
            if (m_cells.empty() || (m_cells.size() == 1 && m_cells[0].empty()))
                continue;
            if (m_mapping.headerLine > 0 &&
                std::equal(m_cells.begin(), m_cells.end(), m_titles.begin(), m_titles.end())) {
                ++repeatedHeaders;
                continue;
            }
            while (m_cells.size() > m_titles.size() && m_cells.back().empty())
                m_cells.pop_back();
            if (m_cells.size() > m_titles.size()) {
                error = FillIn(msg::kImportRowCells,
                               {std::to_string(m_lineNumber), m_shownName, std::to_string(m_cells.size()),
                                std::to_string(m_titles.size())});
                m_out.clear();
                m_done = true;
                return;
            }
            if (!FastRow(line.size()))
                Row();
        }
        if (m_out.empty())
            m_done = true;
    }

    void SkipToData()
    {
        const int skip = std::max(m_mapping.headerLine, 0) + std::max(m_mapping.skipLines, 0);
        std::string_view line;
        while (m_lineNumber < static_cast<std::size_t>(skip) && m_text.NextLine(&m_at, &line))
            ++m_lineNumber;
    }

    void Row()
    {
        const int row = static_cast<int>(m_rows++);
        for (std::size_t c = 0; c < m_columns.size(); ++c) {
            const OutColumn& column = m_columns[c];
            const bool last = c + 1 == m_columns.size();
            if (c > 0)
                m_out += '\t';
            if (column.source < 0) {
                m_out += '1';
                continue;
            }
            const auto s = static_cast<std::size_t>(column.source);
            const std::string_view cell = s < m_cells.size() ? m_cells[s] : std::string_view();
            if (column.number && AppendNumber(cell))
                continue;
            if (column.number)
                marks.emplace_back(row, static_cast<int>(c));
            Text(cell, last);
        }
        m_out += '\n';
    }

    /// Appends the cell with a decimal point when it is a number.
    bool AppendNumber(std::string_view cell)
    {
        const std::size_t start = m_out.size();
        m_out.resize(start + cell.size());
        char* end = CopyNumber(cell, m_mapping.decimal, m_out.data() + start);
        m_out.resize(end ? static_cast<std::size_t>(end - m_out.data()) : start);
        return end != nullptr;
    }

    /// The common row, written through one pointer: numbers that are
    /// numbers and text that needs no change. False, with nothing written,
    /// for any other row, which Row() then writes.
    bool FastRow(std::size_t lineSize)
    {
        const std::size_t base = m_out.size();
        m_out.resize(base + lineSize + 2 * m_columns.size() + 2);
        char* w = m_out.data() + base;
        for (std::size_t c = 0; c < m_columns.size(); ++c) {
            const OutColumn& column = m_columns[c];
            if (c > 0)
                *w++ = '\t';
            if (column.source < 0) {
                *w++ = '1';
                continue;
            }
            const auto s = static_cast<std::size_t>(column.source);
            const std::string_view cell = s < m_cells.size() ? m_cells[s] : std::string_view();
            bool ok = !cell.empty();
            if (column.number) {
                char* end = ok ? CopyNumber(cell, m_mapping.decimal, w) : nullptr;
                ok = end != nullptr;
                w = ok ? end : w;
            } else {
                const bool last = c + 1 == m_columns.size();
                for (char ch : cell) {
                    // Separators, and an I that may start "INCREMENT", go the long way.
                    ok = ok && ch != 'I' && ch != 'i' && (last || !IsFieldDelimiter(ch));
                    *w++ = ch;
                }
            }
            if (!ok) {
                m_out.resize(base);
                return false;
            }
        }
        *w++ = '\n';
        m_out.resize(static_cast<std::size_t>(w - m_out.data()));
        ++m_rows;
        return true;
    }

    void Text(std::string_view cell, bool last)
    {
        if (cell.empty()) {
            if (!last)
                m_out += '-';
            return;
        }
        const std::size_t start = m_out.size();
        m_out += cell;
        for (std::size_t i = start; i < m_out.size(); ++i)
            if (m_out[i] == '\r' || m_out[i] == '\n' || (!last && IsFieldDelimiter(m_out[i])))
                m_out[i] = '_';
        // A data line holding this word would be taken for a second header.
        if (FindNoCase(std::string_view(m_out).substr(start), "INCREMENT") != std::string_view::npos) {
            std::string text = m_out.substr(start);
            BreakAll(text, "INCREMENT");
            m_out.replace(start, std::string::npos, text);
        }
    }

    const TextLayout& m_text;
    const ImportMapping& m_mapping;
    std::vector<std::string> m_titles;
    std::string m_shownName;
    std::vector<OutColumn> m_columns;
    std::string m_header;
    char m_separator = ',';
    std::string m_out;
    std::size_t m_at = 0;
    std::size_t m_lineNumber = 0;
    std::size_t m_rows = 0;
    std::vector<std::string_view> m_cells;
    std::string m_scratch;
    bool m_headerWritten = false;
    bool m_done = false;
};

ImportResult Failed(Survey& survey, std::string message)
{
    survey.m_frame.CloseData(survey.m_tree, survey.m_tables);
    ImportResult result;
    result.message = std::move(message);
    return result;
}

}  // namespace

std::string TextImporter::CheckMapping(const ImportMapping& mapping, const std::vector<std::string>& titles)
{
    int file = -1, increment = -1;
    std::vector<std::size_t> frequencies;
    for (std::size_t i = 0; i < mapping.columns.size(); ++i) {
        const ImportColumn& c = mapping.columns[i];
        if (c.role == ColumnRole::Other || c.role == ColumnRole::Ignore)
            continue;
        if (i >= titles.size())
            return FillIn(msg::kImportPastEnd, {std::to_string(i + 1), std::to_string(titles.size())});
        int* single = c.role == ColumnRole::FileNumber ? &file
            : c.role == ColumnRole::Increment          ? &increment
                                                       : nullptr;
        if (single) {
            if (*single >= 0)
                return FillIn(msg::kImportSameRole,
                              {ColumnName(static_cast<std::size_t>(*single), titles), ColumnName(i, titles),
                               c.role == ColumnRole::FileNumber ? "file number" : "increment"});
            *single = static_cast<int>(i);
            continue;
        }
        if (!(c.frequencyHz > 0) || c.frequencyHz > 1e300)
            return FillIn(msg::kImportBadFrequency, {ColumnName(i, titles)});
        for (std::size_t earlier : frequencies)
            if (ShortestNumber(mapping.columns[earlier].frequencyHz) == ShortestNumber(c.frequencyHz))
                return FillIn(
                    msg::kImportSameFrequency,
                    {ColumnName(earlier, titles), ColumnName(i, titles), ShortestNumber(c.frequencyHz)});
        frequencies.push_back(i);
    }
    if (increment < 0)
        return msg::kImportNoIncrement;
    if (frequencies.empty())
        return msg::kImportNoFrequency;
    return {};
}

ImportResult TextImporter::Import(std::string_view bytes, const ImportMapping& mapping, ByteForm form,
                                  Survey& survey, const std::string& shownName)
{
    if (std::memchr(bytes.data(), '\0', std::min(bytes.size(), kNotTextProbe)))
        return Failed(survey, FillIn(msg::kImportNotText, {shownName}));
    const TextLayout text(bytes);
    ImportMapping used = mapping;
    if (!used.separator)
        used.separator = TextLayout::DetectSeparator(text.FirstLines(50));
    std::vector<std::string> titles = HeaderCells(text, used);
    if (titles.empty() && used.headerLine > 0)
        return Failed(survey, FillIn(msg::kImportNoHeader, {shownName, std::to_string(used.headerLine)}));
    if (std::string problem = CheckMapping(used, titles); !problem.empty())
        return Failed(survey, problem);

    StandardLayoutBuffer buffer(text, used, titles, shownName);
    std::istream in(&buffer);
    DataFileReader reader(survey.m_frame, survey.m_tables, survey.m_tree);
    reader.SetTextProbe([form](std::string_view) { return form; });
    reader.SetStreamSize(bytes.size());
    const ReadResult read = reader.ReadStream(in, shownName);
    if (!buffer.error.empty())
        return Failed(survey, buffer.error);
    if (!read.Ok())
        return Failed(survey, read.message);
    for (const auto& [row, column] : buffer.marks)
        survey.m_tables.MarkCell(row, column);
    ImportResult result;
    result.ok = true;
    result.rows = read.rowsLoaded;
    result.markedCells = buffer.marks.size();
    result.repeatedHeaders = buffer.repeatedHeaders;
    return result;
}

}  // namespace vantrel
