#pragma once

#include "datafile/textcase.h"
#include "importmapping.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

struct Survey;
class LineReader;

/// What became of one import.
struct ImportResult {
    bool ok = false;
    std::string message;              ///< why nothing was imported; empty when ok
    std::size_t rows = 0;             ///< data rows loaded
    std::size_t markedCells = 0;      ///< number cells that hold no number, marked in the Origin table
    std::size_t repeatedHeaders = 0;  ///< header lines met again among the rows and passed over
};

/// Reads a delimited text file outside the standard layout into the standard
/// tables, as File Open would read the same data written as
/// FILE, INCREMENT, <f>HZ ..., the other columns: the tables, the tree and
/// the frequency selector are File Open's of that text, cell for cell.
///
/// Numbers in the file-number, increment and frequency columns are written
/// with a decimal point; a cell there that is not a number is kept, and
/// marked, as the bad point search marks cells. Every other column keeps its
/// text; the characters that separate fields in the standard layout (space,
/// comma, tab, double quote) become '_' except in the last column, and an
/// empty cell before the last column becomes "-". Titles of other columns
/// that would take a role ("...FILE...", "...INCREMENT...", "...HZ...", "-")
/// are broken up with '_' so they stay plain. A header line met again
/// among the rows (an instrument appending a new run) is passed over.
class TextImporter {
public:
    /// Why `mapping` cannot give standard tables for a file with these
    /// column titles; empty when it can.
    static std::string CheckMapping(const ImportMapping& mapping, const std::vector<std::string>& titles);

    /// Imports `bytes` into `survey`, which must be empty; on failure it is
    /// left empty. `shownName` names the file in messages.
    static ImportResult Import(std::string_view bytes, const ImportMapping& mapping, ByteForm form,
                               Survey& survey, const std::string& shownName);
    /// The same for a text read as it goes, about `size` bytes long (0 when
    /// not known): only a megabyte or so of it is held at a time. A read
    /// error imports nothing; `lines` then tells it failed.
    static ImportResult Import(LineReader& lines, std::uint64_t size, const ImportMapping& mapping,
                               ByteForm form, Survey& survey, const std::string& shownName);

    /// The start of a text that detection reads: its first megabyte, or
    /// more when the mapping's header or first data line lies beyond it.
    static std::string_view Head(LineReader& lines, const ImportMapping& mapping);
};

}  // namespace vantrel
