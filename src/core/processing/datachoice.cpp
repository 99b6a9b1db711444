#include "datachoice.h"

#include "datafile/filetree.h"
#include "numbers.h"

#include <algorithm>
#include <cstddef>

namespace vantrel {

namespace {

bool AllDigits(std::string_view text)
{
    return !text.empty() &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

/// A row position: digits, at least 1; larger than any file's rows saturates.
std::optional<int> RowNumber(std::string_view text)
{
    if (!AllDigits(text))
        return std::nullopt;
    const int n = CAtoi(text);
    return n >= 1 ? std::optional<int>(n) : std::nullopt;
}

std::optional<DataChoice::Item> ParseItem(std::string_view text)
{
    const std::size_t colon = text.find(':');
    const std::string_view file = text.substr(0, colon);
    const std::size_t sign = !file.empty() && (file[0] == '-' || file[0] == '+') ? 1 : 0;
    if (!AllDigits(file.substr(sign)))
        return std::nullopt;
    DataChoice::Item item;
    item.fileNumber = CAtoi(file);
    if (colon == std::string_view::npos)
        return item;
    const std::string_view rows = text.substr(colon + 1);
    const std::size_t dash = rows.find('-');
    const auto first = RowNumber(rows.substr(0, dash));
    const auto last = dash == std::string_view::npos ? first : RowNumber(rows.substr(dash + 1));
    if (!first || !last || *last < *first)
        return std::nullopt;
    item.firstRow = *first;
    item.lastRow = *last;
    return item;
}

void AppendRun(std::string& text, int fileNumber, int first, int last)
{
    if (!text.empty())
        text += ',';
    text += FormatInt(fileNumber) + ':' + FormatInt(first);
    if (last != first)
        text += '-' + FormatInt(last);
}

}  // namespace

std::optional<DataChoice> ParseDataChoice(std::string_view text)
{
    DataChoice choice;
    if (text == "all") {
        choice.all = true;
        return choice;
    }
    if (text == "none")
        return choice;
    std::size_t from = 0;
    while (true) {
        const std::size_t comma = text.find(',', from);
        const auto item = ParseItem(text.substr(from, comma - from));
        if (!item)
            return std::nullopt;
        choice.items.push_back(*item);
        if (comma == std::string_view::npos)
            return choice;
        from = comma + 1;
    }
}

std::string DataChoiceText(const FileTree& tree)
{
    std::string text;
    std::size_t ticked = 0;
    std::size_t rows = 0;
    for (const FileTree::FileItem& file : tree.Files()) {
        std::string runs;
        int runStart = 0;
        int position = 0;
        std::size_t tickedHere = 0;
        for (int id : file.rowIds) {
            ++position;
            const bool on = tree.Row(id).checked;
            tickedHere += on;
            if (on && runStart == 0)
                runStart = position;
            if (!on && runStart != 0) {
                AppendRun(runs, file.fileNumber, runStart, position - 1);
                runStart = 0;
            }
        }
        rows += file.rowIds.size();
        ticked += tickedHere;
        if (tickedHere == 0)
            continue;
        if (!text.empty())
            text += ',';
        if (tickedHere == file.rowIds.size()) {
            text += FormatInt(file.fileNumber);
        } else {
            if (runStart != 0)
                AppendRun(runs, file.fileNumber, runStart, position);
            text += runs;
        }
    }
    if (ticked == 0)
        return "none";
    return ticked == rows ? "all" : text;
}

void ApplyDataChoice(const DataChoice& choice, FileTree& tree)
{
    std::vector<DataChoice::Item> items = choice.items;
    std::stable_sort(items.begin(), items.end(),
                     [](const auto& a, const auto& b) { return a.fileNumber < b.fileNumber; });
    const auto& files = tree.Files();
    std::vector<bool> wanted;
    for (std::size_t f = 0; f < files.size(); ++f) {
        const FileTree::FileItem& file = files[f];
        wanted.assign(file.rowIds.size(), choice.all);
        const auto [begin, end] =
            std::equal_range(items.begin(), items.end(), DataChoice::Item{file.fileNumber},
                             [](const auto& a, const auto& b) { return a.fileNumber < b.fileNumber; });
        for (auto item = begin; item != end; ++item) {
            const bool whole = item->firstRow == 0;
            const std::size_t first = whole ? 1 : static_cast<std::size_t>(item->firstRow);
            const std::size_t last =
                whole ? wanted.size() : std::min(static_cast<std::size_t>(item->lastRow), wanted.size());
            for (std::size_t r = first; r <= last; ++r)
                wanted[r - 1] = true;
        }
        bool differs = false;
        for (std::size_t r = 0; r < wanted.size() && !differs; ++r)
            differs = tree.Row(file.rowIds[r]).checked != wanted[r];
        if (!differs)
            continue;
        for (std::size_t r = 0; r < wanted.size(); ++r)
            tree.SetRowChecked(file.rowIds[r], wanted[r]);
        tree.SetFileChecked(static_cast<int>(f),
                            std::find(wanted.begin(), wanted.end(), false) == wanted.end());
    }
}

}  // namespace vantrel
