#include "datafile/datatable.h"
#include "graphs/rowsoffile.h"
#include "numbers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vantrel;

namespace {

std::vector<std::size_t> Naive(const DataTable& table, int file)
{
    std::vector<std::size_t> rows;
    for (std::size_t r = 0; r < table.RowCount(); ++r)
        if (CAtoi(table.Cell(r, 0)) == file)
            rows.push_back(r);
    return rows;
}

TEST(RowsOfFile, SameRowsAsReadingEveryFirstCell)
{
    // Files interleaved, numbers written differently ("01", " 1", "1x"), and
    // rows repeated by reference as a depth table repeats them per band: more
    // distinct references than the cache has slots, so slots are shared.
    DataTable source;
    source.AddColumn("FILE");
    source.AddColumn("INCREMENT");
    const char* ids[] = {"1", "2", "01", " 1", "1x", "3", "", "-1"};
    for (int r = 0; r < 40000; ++r) {
        const std::string increment = std::to_string(r);
        const std::string_view cells[] = {ids[(r * 7 + r / 5) % 8], increment};
        source.AppendRow(cells);
    }
    DataTable::CellRef refs[2];
    const std::size_t distinct = source.RowCount();
    for (int band = 0; band < 3; ++band)
        for (std::size_t r = 0; r < distinct; ++r) {
            refs[0] = source.RefAt(r, 0);
            refs[1] = source.RefAt(r, 1);
            source.AppendRowRefs(refs);
        }
    for (const int file : {1, 2, 3, 0, -1, 7}) {
        const std::vector<std::size_t> fast = RowsOfFile(source, file);
        EXPECT_EQ(fast, Naive(source, file)) << file;
    }
    DataTable empty;
    EXPECT_TRUE(RowsOfFile(empty, 1).empty());
}

}  // namespace
