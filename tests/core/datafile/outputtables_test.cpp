#include "processing/badpoints.h"
#include "processing/fieldsource.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vantrel;
using namespace vantrel::test;

namespace {

TEST(OutputTables, CompactingKeepsEveryCellAndSharedTexts)
{
    // Rows shared between Origin and Processing, rewritten cells in both, a depth
    // row made of references: compacting drops the dead texts and nothing else.
    Chosen c(ReadAll(DataPath("datafile/alternating_files.csv")));
    OutputTables& t = c.survey.m_tables;
    for (int round = 0; round < 3; ++round) {
        SearchBadPoints(t);
        ProcessFieldSource(t);
    }
    t.Depth().AppendRowRefs(
        std::vector<DataTable::CellRef>{t.Processing().RefAt(0, 0), t.Origin().RefAt(1, 1),
                                        t.Depth().StoreText("-49"), t.Processing().RefAt(3, 2)});
    const Rows origin = TableRows(t.Origin()), processing = TableRows(t.Processing()),
               depth = TableRows(t.Depth());
    const std::size_t before = t.Store().Used();
    t.CompactText(true);
    EXPECT_LT(t.Store().Used(), before);
    EXPECT_EQ(TableRows(t.Origin()), origin);
    EXPECT_EQ(TableRows(t.Processing()), processing);
    EXPECT_EQ(TableRows(t.Depth()), depth);
    EXPECT_TRUE(t.Origin().SharesStoreWith(t.Depth()));
    // Still usable afterwards.
    t.Origin().SetCell(0, 2, "7.5");
    EXPECT_EQ(t.Origin().Cell(0, 2), "7.5");
    EXPECT_EQ(TableRows(t.Processing()), processing);
}

TEST(DataTable, LongAndHugeCellsAndCellsOutside)
{
    DataTable table;
    table.AddColumn("A");
    table.AddColumn("B");
    const std::string longText(300, 'x'), hugeText(3u << 20, 'y');
    table.AppendRow(std::vector<std::string>{longText, hugeText});
    table.AppendRow(std::vector<std::string>{"only one"});
    EXPECT_EQ(table.Cell(0, 0), longText);
    EXPECT_EQ(table.Cell(0, 1), hugeText);
    EXPECT_EQ(table.Cell(1, 1), "");
    EXPECT_EQ(table.Cell(5, 0), "");
    EXPECT_EQ(table.Cell(0, 9), "");
    table.SetCell(9, 9, "ignored");
    table.AddColumn("C");  // existing rows get an empty cell
    EXPECT_EQ(table.Cell(1, 0), "only one");
    EXPECT_EQ(table.Cell(1, 2), "");
    // Many texts cross block boundaries without tearing.
    DataTable many;
    many.AddColumn("V");
    for (int i = 0; i < 600000; ++i)
        many.AppendRow(
            std::vector<std::string>{std::to_string(i) + std::string(static_cast<std::size_t>(i % 13), '.')});
    EXPECT_EQ(many.Cell(599999, 0), "599999" + std::string(599999 % 13, '.'));
    EXPECT_EQ(many.Cell(333333, 0), "333333" + std::string(333333 % 13, '.'));
}

}  // namespace
