#include "rowsoffile.h"

#include "datafile/datatable.h"
#include "numbers.h"
#include "threads/twothreads.h"

#include <algorithm>
#include <cstdint>

namespace vantrel {

std::vector<std::size_t> RowsOfFile(const DataTable& table, int file)
{
    const std::size_t rows = table.RowCount();
    const std::size_t cols = table.ColumnCount();
    if (rows == 0 || cols == 0)
        return {};
    const std::size_t pieces = std::min<std::size_t>(8, rows);
    std::vector<std::vector<std::size_t>> found(pieces);
    const auto& refs = table.Refs();
    ForEachOnTwoThreads(pieces, [&](std::size_t p) {
        constexpr unsigned kBits = 17;
        std::vector<std::uint64_t> seen(std::size_t{1} << kBits, 0);  // (ref + 1) << 1 | matches
        std::vector<std::size_t>& mine = found[p];
        const TextStore::Ref* first = refs.data();
        const std::size_t end = rows * (p + 1) / pieces;
        for (std::size_t r = rows * p / pieces; r < end; ++r) {
            const TextStore::Ref ref = first[r * cols];
            std::uint64_t& slot = seen[(ref * 2654435761u) >> (32 - kBits)];
            bool matches;
            if (slot >> 1 == std::uint64_t{ref} + 1) {
                matches = (slot & 1) != 0;
            } else {
                matches = CAtoi(table.Store().Text(ref)) == file;
                slot = (std::uint64_t{ref} + 1) << 1 | (matches ? 1 : 0);
            }
            if (matches)
                mine.push_back(r);
        }
    });
    std::vector<std::size_t> all;
    for (const auto& piece : found)
        all.insert(all.end(), piece.begin(), piece.end());
    return all;
}

}  // namespace vantrel
