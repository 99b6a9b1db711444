#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class FileTree;

/// Which rows of the file view are ticked, as a text a command line or a
/// saved recipe carries:
///
///     all | none | ITEM[,ITEM...]     ITEM: N | N:R | N:R-S
///
/// N is a file number (optional sign, as atoi reads it): every row of that
/// file; N:R-S its rows R to S, counted from 1 in load order (N:R one row).
/// Items may come in any order and may overlap; numbers of files or rows the
/// survey does not have name nothing.
struct DataChoice {
    struct Item {
        int fileNumber = 0;
        int firstRow = 0;  ///< 0: every row of the file
        int lastRow = 0;
    };
    bool all = false;
    std::vector<Item> items;  ///< empty and not all: no row
};

/// The choice a text names, or nothing when the text does not follow the form.
std::optional<DataChoice> ParseDataChoice(std::string_view text);

/// The ticked rows of `tree` in the shortest form above: "all", "none", or per
/// file in tree order N (every row) or its runs N:R-S / N:R.
std::string DataChoiceText(const FileTree& tree);

/// Ticks the rows the choice names and clears the others. A file whose rows
/// change takes the state its rows give it (ticked when all are), as a click
/// would leave it; a file whose rows already match keeps its own box.
void ApplyDataChoice(const DataChoice& choice, FileTree& tree);

}  // namespace vantrel
