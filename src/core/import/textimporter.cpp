#include "textimporter.h"

#include "datafile/datafilereader.h"
#include "fillin.h"
#include "linereader.h"
#include "messages.h"
#include "numbers.h"
#include "survey.h"
#include "textlayout.h"

#include <algorithm>
#include <cstring>

namespace vantrel {

namespace {

/// Detection (the encoding, text or not, the separator) reads this much.
constexpr std::size_t kHeadBytes = 1 << 20;
/// ... and at least this many lines, so long lines give as many as short ones.
constexpr std::size_t kHeadLines = 50;

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
/// asks for it, on the reader's read-ahead thread. The reader is handed the
/// lines split: a common row's fields are known as it is written, and only
/// the header and the other rows are split by the reader's own rules.
class StandardLayoutPieces {
public:
    StandardLayoutPieces(LineReader& lines, const ImportMapping& mapping, std::vector<std::string> titles,
                         std::string shownName, ByteForm form)
        : m_lines(lines), m_mapping(mapping), m_titles(std::move(titles)), m_shownName(std::move(shownName)),
          m_separator(mapping.separator), m_form(form), m_decimal(mapping.decimal),
          m_plain(form == ByteForm::SingleOrUtf8 &&
                  std::string_view(" .+-0123456789eE").find(mapping.separator) == std::string_view::npos &&
                  mapping.separator != mapping.decimal)
    {
        Plan();
    }

    std::vector<std::pair<int, int>> marks;  // (row, column)
    std::size_t repeatedHeaders = 0;
    std::string error;

    /// Fills the next piece; true for the last one.
    bool Fill(DataFileReader::Piece& piece)
    {
        piece.bytes.clear();
        piece.lines.clear();
        piece.fields.clear();
        m_piece = &piece;
        m_out = &piece.bytes;
        if (m_done)
            return true;
        // The fields point into the bytes: they must not move while the piece is made.
        m_out->reserve(std::max(kPieceBytes + kSlack, 2 * m_header.size()));
        if (!m_headerWritten) {
            Append(m_header);
            DataFileReader::SplitLines(piece, 0, m_out->size(), &m_headerFields);
            m_headerWritten = true;
            SkipToData();
        }
        std::string_view line;
        for (;;) {
            if (m_pending) {
                line = m_pendingLine;
                m_pending = false;
            } else if (m_out->size() >= kPieceBytes) {
                break;
            } else if (m_lines.NextLine(&line)) {
                ++m_lineNumber;
            } else {
                m_done = true;
                break;
            }
            const std::size_t most = 2 * line.size() + 2 * m_columns.size() + 2;
            if (m_out->size() + most > m_out->capacity()) {
                if (!m_out->empty()) {
                    m_pendingLine = line;  // it starts the next piece
                    m_pending = true;
                    break;
                }
                m_out->reserve(most);
            }
            const std::size_t start = m_out->size();
            // The common row is made standard where it is copied, in one pass.
            if (m_plain) {
                Append(line);
                if (PlainRow(start, line.size()))
                    continue;
                m_out->resize(start);
            }
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
                m_done = true;
                piece.bytes.clear();
                piece.lines.clear();
                piece.fields.clear();
                return true;
            }
            if (!FastRow(line.size())) {
                Row();
                DataFileReader::SplitLines(piece, start, m_out->size(), &m_headerFields);
            }
        }
        ToUpperAsciiInPlace(piece.bytes.data(), piece.bytes.size(), m_form);
        return m_done;
    }

private:
    static constexpr std::size_t kPieceBytes = 1 << 20;
    /// Room past kPieceBytes for the row that ends a piece.
    static constexpr std::size_t kSlack = 1 << 16;

    /// What becomes of a column of the file: the output column it gives (-1:
    /// none), a number or text, the last output column.
    struct InColumn {
        int out = -1;
        bool number = false;
        bool last = false;
    };

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
        m_inputs.assign(n, {});
        for (std::size_t c = 0; c < m_columns.size(); ++c) {
            const int source = m_columns[c].source;
            if (source < 0)
                continue;
            m_inputs[static_cast<std::size_t>(source)] = {static_cast<int>(c), m_columns[c].number,
                                                          c + 1 == m_columns.size()};
            ++m_mappedInputs;
        }
        m_unmappedRow.assign(m_columns.size(), "1");
    }

    void SkipToData()
    {
        const int skip = std::max(m_mapping.headerLine, 0) + std::max(m_mapping.skipLines, 0);
        std::string_view line;
        while (m_lineNumber < static_cast<std::size_t>(skip) && m_lines.NextLine(&line))
            ++m_lineNumber;
    }

    /// A data line whose fields, from `firstField` on, are in the piece.
    void AddLine(std::string_view text, std::size_t firstField)
    {
        DataFileReader::Piece::Line line;
        line.text = text;
        line.kind = DataFileReader::Piece::Data;
        line.ok = true;
        line.firstField = static_cast<std::uint32_t>(firstField);
        line.fieldCount = static_cast<std::uint32_t>(m_columns.size());
        m_piece->lines.push_back(line);
    }

    void Append(std::string_view text) { m_out->insert(m_out->end(), text.begin(), text.end()); }

    void Row()
    {
        const int row = static_cast<int>(m_rows++);
        for (std::size_t c = 0; c < m_columns.size(); ++c) {
            const OutColumn& column = m_columns[c];
            const bool last = c + 1 == m_columns.size();
            if (c > 0)
                m_out->push_back('\t');
            if (column.source < 0) {
                m_out->push_back('1');
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
        m_out->push_back('\n');
    }

    /// Appends the cell with a decimal point when it is a number.
    bool AppendNumber(std::string_view cell)
    {
        const std::size_t start = m_out->size();
        m_out->resize(start + cell.size());
        char* end = CopyNumber(cell, m_mapping.decimal, m_out->data() + start);
        m_out->resize(end ? static_cast<std::size_t>(end - m_out->data()) : start);
        return end != nullptr;
    }

    /// The common row made standard where it was copied at `start`, split
    /// as SplitCells splits a line without quotes: numbers take a decimal
    /// point in their places (they keep their length), text that needs no
    /// change stays. False for any other row, blank lines and header lines
    /// included, which the long way then takes.
    bool PlainRow(std::size_t start, std::size_t size)
    {
        char* const origin = m_out->data();
        char* q = origin + start;
        char* const end = q + size;
        std::vector<std::string_view>& fields = m_piece->fields;
        const std::size_t base = fields.size();
        fields.insert(fields.end(), m_unmappedRow.begin(), m_unmappedRow.end());
        const char separator = m_separator;
        std::size_t column = 0, mapped = 0;
        bool ok = true, title = m_mapping.headerLine > 0;
        for (;; ++column) {
            while (q < end && (*q == ' ' || *q == '\t') && *q != separator)
                ++q;
            char* const from = q;
            const InColumn in = column < m_inputs.size() ? m_inputs[column] : InColumn{};
            if (in.number && !title) {
                // Read as far as the number goes; blanks, then the separator, must follow.
                const char* stop = ScanNumber(from, end, m_decimal, from);
                q = from + (stop ? stop - from : 0);
                const std::size_t length = static_cast<std::size_t>(q - from);
                while (q < end && (*q == ' ' || *q == '\t') && *q != separator)
                    ++q;
                ok = stop && (q == end || *q == separator);
                fields[base + static_cast<std::size_t>(in.out)] = std::string_view(from, length);
                ++mapped;
                if (!ok || q == end)
                    break;
                ++q;
                continue;
            }
            if (q < end && *q == '"')
                ok = false;
            while (q < end && *q != separator)
                ++q;
            std::size_t length = static_cast<std::size_t>(q - from);
            while (length > 0 && (from[length - 1] == ' ' || from[length - 1] == '\t'))
                --length;
            const std::string_view cell(from, length);
            if (column < m_inputs.size()) {
                title = title && cell == m_titles[column];
                if (in.out >= 0) {
                    if (in.number) {
                        ok = ok && length > 0 && CopyNumber(cell, m_decimal, from) == from + length;
                    } else {
                        for (char ch : cell)
                            ok = ok && ch != 'I' && ch != 'i' && (in.last || !IsFieldDelimiter(ch));
                        // The reader drops separators and white space that end a line.
                        if (in.last)
                            while (length > 0 && (from[length - 1] == ',' || IsCSpace(from[length - 1])))
                                --length;
                        ok = ok && length > 0;
                    }
                    fields[base + static_cast<std::size_t>(in.out)] = std::string_view(from, length);
                    ++mapped;
                }
            } else {
                ok = ok && cell.empty();  // cells past the titles: the long way says so
            }
            if (!ok || q == end)
                break;
            ++q;
        }
        if (!ok || mapped != m_mappedInputs || (title && column + 1 == m_titles.size())) {
            fields.resize(base);
            return false;
        }
        AddLine(std::string_view(origin + start, size), base);
        ++m_rows;
        return true;
    }

    /// The common row, written through one pointer, its fields noted as
    /// written: numbers that are numbers and text that needs no change, a
    /// last cell the reader takes as it stands. False, with nothing
    /// written, for any other row, which Row() then writes.
    bool FastRow(std::size_t lineSize)
    {
        const std::size_t base = m_out->size();
        std::vector<std::string_view>& fields = m_piece->fields;
        const std::size_t spans = fields.size();
        m_out->resize(base + lineSize + 2 * m_columns.size() + 2);
        char* const origin = m_out->data();
        char* w = origin + base;
        bool ok = true;
        for (std::size_t c = 0; c < m_columns.size() && ok; ++c) {
            const OutColumn& column = m_columns[c];
            if (c > 0)
                *w++ = '\t';
            char* const from = w;
            if (column.source < 0) {
                *w++ = '1';
            } else {
                const auto s = static_cast<std::size_t>(column.source);
                const std::string_view cell = s < m_cells.size() ? m_cells[s] : std::string_view();
                ok = !cell.empty();
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
                    // The reader drops separators and white space that end a line.
                    std::size_t kept = static_cast<std::size_t>(w - from);
                    if (last)
                        while (kept > 0 && (from[kept - 1] == ',' || IsCSpace(from[kept - 1])))
                            --kept;
                    ok = ok && kept > 0;
                    fields.emplace_back(from, kept);
                    continue;
                }
            }
            fields.emplace_back(from, static_cast<std::size_t>(w - from));
        }
        if (!ok) {
            m_out->resize(base);
            fields.resize(spans);
            return false;
        }
        AddLine(std::string_view(origin + base, static_cast<std::size_t>(w - origin) - base), spans);
        *w++ = '\n';
        m_out->resize(static_cast<std::size_t>(w - origin));
        ++m_rows;
        return true;
    }

    void Text(std::string_view cell, bool last)
    {
        if (cell.empty()) {
            if (!last)
                m_out->push_back('-');
            return;
        }
        const std::size_t start = m_out->size();
        Append(cell);
        for (std::size_t i = start; i < m_out->size(); ++i) {
            char& c = (*m_out)[i];
            if (c == '\r' || c == '\n' || (!last && IsFieldDelimiter(c)))
                c = '_';
        }
        // A data line holding this word would be taken for a second header.
        const std::string_view written(m_out->data() + start, m_out->size() - start);
        if (FindNoCase(written, "INCREMENT") != std::string_view::npos) {
            std::string text(written);
            BreakAll(text, "INCREMENT");
            m_out->resize(start);
            Append(text);
        }
    }

    LineReader& m_lines;
    const ImportMapping& m_mapping;
    std::vector<std::string> m_titles;
    std::string m_shownName;
    char m_separator;
    ByteForm m_form;
    std::vector<OutColumn> m_columns;
    std::vector<InColumn> m_inputs;
    std::size_t m_mappedInputs = 0;
    /// A row's fields before its cells are read: an unmapped file number is 1.
    std::vector<std::string_view> m_unmappedRow;
    char m_decimal;
    /// Rows may be taken in one pass: no character spans several bytes that
    /// upper-casing must keep apart, no run of spaces is one separator, and
    /// a number cannot go on over the separator.
    bool m_plain;
    std::string m_header;
    std::vector<char>* m_out = nullptr;
    DataFileReader::Piece* m_piece = nullptr;
    std::string_view m_pendingLine;
    bool m_pending = false;
    std::size_t m_headerFields = 0;
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

std::string_view TextImporter::Head(LineReader& lines, const ImportMapping& mapping)
{
    const auto atLeast = [](int lines) { return static_cast<std::size_t>(std::max(lines, 0)) + 1; };
    return lines.Head(kHeadBytes,
                      std::max({kHeadLines, atLeast(mapping.headerLine), atLeast(mapping.skipLines)}));
}

ImportResult TextImporter::Import(std::string_view bytes, const ImportMapping& mapping, ByteForm form,
                                  Survey& survey, const std::string& shownName)
{
    std::size_t at = 0;
    LineReader lines([&](char* buffer, std::size_t size) {
        const std::size_t n = std::min(size, bytes.size() - at);
        std::memcpy(buffer, bytes.data() + at, n);
        at += n;
        return static_cast<std::ptrdiff_t>(n);
    });
    return Import(lines, bytes.size(), mapping, form, survey, shownName);
}

ImportResult TextImporter::Import(LineReader& lines, std::uint64_t size, const ImportMapping& mapping,
                                  ByteForm form, Survey& survey, const std::string& shownName)
{
    const std::string_view head = Head(lines, mapping);
    if (lines.Failed())
        return Failed(survey, shownName + msg::kFileOpenFailed);
    if (std::memchr(head.data(), '\0', std::min(head.size(), kHeadBytes)))
        return Failed(survey, FillIn(msg::kImportNotText, {shownName}));
    const TextLayout text(head);
    ImportMapping used = mapping;
    if (!used.separator)
        used.separator = TextLayout::DetectSeparator(text.FirstLines(kHeadLines));
    std::vector<std::string> titles = HeaderCells(text, used);
    if (titles.empty() && used.headerLine > 0)
        return Failed(survey, FillIn(msg::kImportNoHeader, {shownName, std::to_string(used.headerLine)}));
    if (std::string problem = CheckMapping(used, titles); !problem.empty())
        return Failed(survey, problem);

    StandardLayoutPieces buffer(lines, used, titles, shownName, form);
    DataFileReader reader(survey.m_frame, survey.m_tables, survey.m_tree);
    reader.SetStreamSize(std::max<std::uint64_t>(size, head.size()));
    const ReadResult read =
        reader.ReadPieces([&](DataFileReader::Piece& piece) { return buffer.Fill(piece); }, shownName);
    if (lines.Failed())
        return Failed(survey, shownName + msg::kFileOpenFailed);
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
