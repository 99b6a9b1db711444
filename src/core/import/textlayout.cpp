#include "textlayout.h"

#include "numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <map>

namespace vantrel {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool IsNumberWith(std::string_view s, char decimal)
{
    char small[64];
    std::string large(s.size() <= sizeof small ? 0 : s.size(), '\0');
    return CopyNumber(s, decimal, s.size() <= sizeof small ? small : large.data()) != nullptr;
}

TextLayout::TextLayout(std::string_view text) : m_text(text)
{
    if (m_text.substr(0, 3) == "\xEF\xBB\xBF")
        m_text.remove_prefix(3);
}

bool TextLayout::NextLine(std::size_t* at, std::string_view* line) const
{
    return NextLineOf(m_text, at, line);
}

bool TextLayout::NextLineOf(std::string_view text, std::size_t* at, std::string_view* line)
{
    if (*at >= text.size())
        return false;
    const char* begin = text.data() + *at;
    const std::size_t left = text.size() - *at;
    const void* nl = std::memchr(begin, '\n', left);
    const std::size_t lf = nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - begin) : left;
    // A lone carriage return ends a line too (old spreadsheet exports).
    const void* cr = std::memchr(begin, '\r', lf);
    if (cr && static_cast<const char*>(cr) + 1 != begin + lf) {
        const std::size_t n = static_cast<std::size_t>(static_cast<const char*>(cr) - begin);
        *line = std::string_view(begin, n);
        *at += n + 1;
        return true;
    }
    std::size_t n = lf;
    if (n > 0 && begin[n - 1] == '\r')
        --n;
    *line = std::string_view(begin, n);
    *at += lf + (nl ? 1 : 0);
    return true;
}

std::vector<std::string_view> TextLayout::FirstLines(std::size_t count) const
{
    std::vector<std::string_view> lines;
    std::size_t at = 0;
    std::string_view line;
    while (lines.size() < count && NextLine(&at, &line))
        lines.push_back(line);
    return lines;
}

void TextLayout::SplitCells(std::string_view line, char separator, std::vector<std::string_view>& cells,
                            std::string& scratch)
{
    cells.clear();
    scratch.clear();
    // Unquoted cells point into the line; quoted ones into `scratch`, whose
    // size is reserved so the views stay valid.
    scratch.reserve(line.size());
    std::size_t p = 0;
    const std::size_t n = line.size();
    if (separator == ' ') {
        while (p < n && IsBlank(line[p]))
            ++p;
        if (p == n)
            return;
    }
    for (;;) {
        while (p < n && IsBlank(line[p]) && line[p] != separator)
            ++p;
        std::string_view cell;
        if (p < n && line[p] == '"') {
            const std::size_t start = scratch.size();
            ++p;
            while (p < n) {
                if (line[p] == '"') {
                    if (p + 1 < n && line[p + 1] == '"') {
                        scratch += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                scratch += line[p++];
            }
            // Text after the closing quote up to the separator belongs to the cell.
            while (p < n && line[p] != separator)
                scratch += line[p++];
            cell = TrimBlanks(std::string_view(scratch).substr(start));
        } else {
            const std::size_t start = p;
            const void* next = std::memchr(line.data() + p, separator, n - p);
            p = next ? static_cast<std::size_t>(static_cast<const char*>(next) - line.data()) : n;
            // The blanks before the cell are passed over already.
            std::size_t end = p;
            while (end > start && IsBlank(line[end - 1]))
                --end;
            cell = line.substr(start, end - start);
        }
        cells.push_back(cell);
        if (p >= n)
            return;
        ++p;  // the separator
        if (separator == ' ') {
            while (p < n && IsBlank(line[p]))
                ++p;
            if (p == n)
                return;
        }
    }
}

std::vector<std::string> TextLayout::Cells(std::string_view line, char separator)
{
    std::vector<std::string_view> views;
    std::string scratch;
    SplitCells(line, separator, views, scratch);
    return {views.begin(), views.end()};
}

char TextLayout::DetectSeparator(const std::vector<std::string_view>& lines)
{
    static constexpr std::array<char, 4> kCandidates = {'\t', ';', ',', ' '};
    std::vector<std::string_view> cells;
    std::string scratch;
    char best = ',';
    std::size_t bestScore = 0;
    for (char candidate : kCandidates) {
        std::map<std::size_t, std::size_t> counts;  // cells per line -> lines
        for (std::string_view line : lines) {
            if (TrimBlanks(line).empty())
                continue;
            SplitCells(line, candidate, cells, scratch);
            ++counts[cells.size()];
        }
        std::size_t score = 0;
        for (const auto& [cellCount, lineCount] : counts)
            if (cellCount > 1)
                score = std::max(score, lineCount);
        if (score > bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

char TextLayout::DetectDecimal(const std::vector<std::string_view>& lines, char separator)
{
    if (separator == ',')
        return '.';
    std::vector<std::string_view> cells;
    std::string scratch;
    std::size_t commas = 0, points = 0;
    for (std::string_view line : lines) {
        SplitCells(line, separator, cells, scratch);
        for (std::string_view c : cells) {
            if (!IsNumberWith(c, ','))
                continue;
            commas += c.find(',') != std::string_view::npos ? 1 : 0;
            points += c.find('.') != std::string_view::npos ? 1 : 0;
        }
    }
    return commas > 0 && points == 0 ? ',' : '.';
}

std::optional<double> FrequencyOfTitle(std::string_view title, char decimal)
{
    std::string t;
    for (char c : TrimBlanks(title))
        t += LowerAscii(c);
    std::string_view s = t;
    if (!s.empty() && s[0] == 'f') {
        s.remove_prefix(s.substr(0, 4) == "freq" ? 4 : 1);
        while (!s.empty() && (s[0] == '_' || s[0] == '=' || IsBlank(s[0])))
            s.remove_prefix(1);
    }
    std::size_t end = 0;
    while (end < s.size() && ((s[end] >= '0' && s[end] <= '9') || s[end] == '.' || s[end] == decimal))
        ++end;
    std::string number(s.substr(0, end));
    if (!IsNumberWith(number, decimal))
        return std::nullopt;
    std::replace(number.begin(), number.end(), decimal, '.');
    std::string_view unit = TrimBlanks(s.substr(end));
    double scale = 1;
    if (unit == "khz")
        scale = 1e3;
    else if (unit == "mhz")
        scale = 1e6;
    else if (unit != "hz" && !unit.empty())
        return std::nullopt;
    const double hz = CAtof(number) * scale;
    if (!(hz > 0) || !std::isfinite(hz))
        return std::nullopt;
    return hz;
}

std::string ShortestNumber(double value)
{
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, r.ptr);
}

std::vector<std::string> HeaderCells(const TextLayout& text, const ImportMapping& mapping)
{
    const char separator = mapping.separator ? mapping.separator : ',';
    std::size_t at = 0;
    std::string_view line;
    for (int number = 1; text.NextLine(&at, &line); ++number) {
        if (mapping.headerLine > 0) {
            if (number == mapping.headerLine)
                return TextLayout::Cells(line, separator);
        } else if (number > mapping.skipLines && !TrimBlanks(line).empty()) {
            std::vector<std::string> titles(TextLayout::Cells(line, separator).size());
            for (std::size_t i = 0; i < titles.size(); ++i)
                titles[i] = std::to_string(i + 1);
            return titles;
        }
    }
    return {};
}

std::vector<ImportColumn> GuessRoles(const std::vector<std::string>& titles, char decimal)
{
    std::vector<ImportColumn> columns(titles.size());
    bool file = false, increment = false;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        std::string upper;
        for (char c : titles[i])
            upper += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        ImportColumn& column = columns[i];
        if (!file && upper.find("FILE") != std::string::npos) {
            column.role = ColumnRole::FileNumber;
            file = true;
        } else if (!increment && upper.find("INCREMENT") != std::string::npos) {
            column.role = ColumnRole::Increment;
            increment = true;
        } else if (const auto hz = FrequencyOfTitle(titles[i], decimal)) {
            column.role = ColumnRole::Frequency;
            column.frequencyHz = *hz;
        }
    }
    return columns;
}

ImportMapping GuessMapping(const TextLayout& text)
{
    ImportMapping mapping;
    std::vector<std::string_view> lines = text.FirstLines(50);
    lines.erase(
        std::remove_if(lines.begin(), lines.end(), [](std::string_view l) { return TrimBlanks(l).empty(); }),
        lines.end());
    mapping.separator = TextLayout::DetectSeparator(lines);
    mapping.decimal = TextLayout::DetectDecimal(lines, mapping.separator);
    if (lines.empty())
        return mapping;
    // The header is the first line that is not blank; it has no header at all
    // when every cell of that line is a number.
    std::size_t at = 0;
    std::string_view line;
    int number = 0;
    while (text.NextLine(&at, &line)) {
        ++number;
        if (!TrimBlanks(line).empty())
            break;
    }
    const auto titles = TextLayout::Cells(line, mapping.separator);
    const bool numbers = std::all_of(titles.begin(), titles.end(),
                                     [&](const std::string& c) { return IsNumberWith(c, mapping.decimal); });
    mapping.headerLine = numbers ? 0 : number;
    mapping.skipLines = numbers ? number - 1 : 0;
    if (numbers) {
        mapping.columns.resize(titles.size());
        return mapping;
    }
    mapping.columns = GuessRoles(titles, mapping.decimal);
    return mapping;
}

}  // namespace vantrel
