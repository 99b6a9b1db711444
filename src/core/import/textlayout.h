#pragma once

#include "importmapping.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// The lines and cells of a delimited text, as a spreadsheet reads them.
///
/// Lines end at "\r\n", "\n" or a lone "\r". Cells are split at the
/// separator; a separator inside double quotes belongs to the cell and a
/// doubled quote stands for one. A space separator takes runs of spaces as
/// one. Cells are trimmed of spaces and tabs outside quotes.
class TextLayout {
public:
    /// The text without a UTF-8 byte order mark.
    explicit TextLayout(std::string_view text);

    /// The next line from `*at` (an offset into the text), moving past its end;
    /// false at the end of the text.
    bool NextLine(std::size_t* at, std::string_view* line) const;
    /// The same for any text, a byte order mark included.
    static bool NextLineOf(std::string_view text, std::size_t* at, std::string_view* line);
    /// The first `count` lines (fewer at the end of the text).
    std::vector<std::string_view> FirstLines(std::size_t count) const;

    /// Splits a line into `cells` (reused); `scratch` holds unquoted cells.
    static void SplitCells(std::string_view line, char separator, std::vector<std::string_view>& cells,
                           std::string& scratch);
    static std::vector<std::string> Cells(std::string_view line, char separator);

    /// The separator that gives the same number of cells (more than one) on
    /// most of `lines`: tab, semicolon, comma, then space; ',' when none does.
    static char DetectSeparator(const std::vector<std::string_view>& lines);
    /// ',' when the numbers among the cells are written with decimal commas.
    static char DetectDecimal(const std::vector<std::string_view>& lines, char separator);

    std::string_view Text() const { return m_text; }

private:
    std::string_view m_text;
};

/// The frequency in hertz a column title names: "1000", "f1000", "1 kHz",
/// "1000 Hz", "1000HZ", "2.5kHz" (with `decimal` ',' also "2,5kHz"); none
/// for other titles or for a frequency that is not above zero.
std::optional<double> FrequencyOfTitle(std::string_view title, char decimal);

/// A decimal number, its decimal separator '.' or `decimal`, with an
/// optional sign and exponent ("12,5", "-3", "1e3").
bool IsNumberWith(std::string_view text, char decimal);
/// Reads the number that starts at `p` up to the first byte that cannot go
/// on with it, copying it to `out` with a decimal point: where reading
/// stopped, or nullptr when no number starts there. A number keeps its
/// length, so `out` may be `p`. Always inline: it runs for every number
/// cell of an import.
[[gnu::always_inline]] inline const char* ScanNumber(const char* p, const char* end, char decimal, char* out)
{
    const auto sign = [&] {
        if (p < end && (*p == '-' || *p == '+'))
            *out++ = *p++;
    };
    const auto digits = [&] {
        const char* from = p;
        while (p < end && *p >= '0' && *p <= '9')
            *out++ = *p++;
        return p - from;
    };
    sign();
    auto count = digits();
    if (p < end && (*p == decimal || *p == '.')) {
        *out++ = '.';
        ++p;
        count += digits();
    }
    if (count == 0)
        return nullptr;
    if (p < end && (*p == 'e' || *p == 'E')) {
        *out++ = *p++;
        sign();
        if (digits() == 0)
            return nullptr;
    }
    return p;
}

/// Copies such a number to `out` with a decimal point (text.size() bytes);
/// the end of what was written, or nullptr when it is no number.
inline char* CopyNumber(std::string_view text, char decimal, char* out)
{
    const char* end = text.data() + text.size();
    return ScanNumber(text.data(), end, decimal, out) == end ? out + text.size() : nullptr;
}

/// A number as the tables write it: "1000", "0.5", "2.5e-05"; the shortest
/// text that reads back to the same double.
std::string ShortestNumber(double value);

/// The roles the titles suggest: the first title holding "FILE" (any case)
/// the file number, the first holding "INCREMENT" the increment, a title
/// naming a frequency that frequency; the others Other.
std::vector<ImportColumn> GuessRoles(const std::vector<std::string>& titles, char decimal);

/// A mapping guessed from the file's first lines: the separator, the decimal
/// separator, the header (the first line, when its cells are not all
/// numbers) and the roles from the titles ("FILE", "INCREMENT", frequencies).
ImportMapping GuessMapping(const TextLayout& text);

/// The cells of the header line (the first line when the mapping has none,
/// titled "1", "2", ...).
std::vector<std::string> HeaderCells(const TextLayout& text, const ImportMapping& mapping);

}  // namespace vantrel
