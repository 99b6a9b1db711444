#include "datafile/tablessnapshot.h"
#include "processing/badpoints.h"
#include "processing/depthcalculation.h"
#include "processing/fieldsource.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vantrel;
using namespace vantrel::test;

namespace {

TEST(TablesSnapshot, RestoreBringsBackEveryStateAndUnchangedTablesAreShared)
{
    Chosen c(ReadAll(DataPath("datafile/alternating_files.csv")));
    OutputTables& t = c.survey.m_tables;
    t.SetActiveTab(OutputTables::OriginTab);
    const std::string loaded = Dump(c.survey);
    const TablesSnapshot before = t.TakeSnapshot();

    SearchBadPoints(t);
    ProcessFieldSource(t);
    CorrectBadPoints(t);
    CalculateDepth(t);
    t.MarkCell(1, 2);
    t.LimitFreqColumns(1);
    const std::string worked = Dump(c.survey);
    ASSERT_NE(worked, loaded);
    const TablesSnapshot after = t.TakeSnapshot(&before);
    // The store moves: the snapshots must keep their texts readable.
    const TextStore* oldStore = &t.Store();
    t.CompactText(true);
    ASSERT_NE(&t.Store(), oldStore);

    t.Restore(after);
    EXPECT_EQ(Dump(c.survey), worked);
    t.Restore(before);
    EXPECT_EQ(Dump(c.survey), loaded);

    // The restored tables go on working, and the snapshot stays as taken.
    t.Origin().SetCell(0, 2, "99.5");
    t.Processing().AppendRowFrom(t.Origin(), 0);
    EXPECT_EQ(t.Processing().Cell(t.Processing().RowCount() - 1, 2), "99.5");
    t.CompactText(true);
    t.Restore(before);
    EXPECT_EQ(Dump(c.survey), loaded);

    // A snapshot shares the tables unchanged since the previous one.
    const TablesSnapshot first = t.TakeSnapshot();
    EXPECT_TRUE(t.TakeSnapshot(&first).SameAs(first));

    // A snapshot costs no copy of the references until a table changes;
    // then the table takes its own and the snapshot keeps its cells.
    EXPECT_EQ(first.Tables()[1]->RefsIdentity(), t.Processing().RefsIdentity());
    const std::string kept(first.Tables()[1]->Cell(0, 2));
    // Only the Processing table changes: the others stay shared.
    t.Processing().SetCell(0, 2, "1.0");
    EXPECT_NE(first.Tables()[1]->RefsIdentity(), t.Processing().RefsIdentity());
    EXPECT_EQ(first.Tables()[1]->Cell(0, 2), kept);
    EXPECT_EQ(first.Tables()[0]->RefsIdentity(), t.Origin().RefsIdentity());
    const TablesSnapshot changed = t.TakeSnapshot(&first);
    EXPECT_EQ(changed.Tables()[0], first.Tables()[0]);
    EXPECT_NE(changed.Tables()[1], first.Tables()[1]);
    EXPECT_EQ(changed.Tables()[2], first.Tables()[2]);
    EXPECT_FALSE(changed.SameAs(first));

    // A mark, a count or the tab alone makes a different state too.
    const std::function<void()> changes[] = {[&] { t.MarkCell(0, 2); }, [&] { t.SetFieldGroups(7); },
                                             [&] { t.SetActiveTab(OutputTables::DepthTab); }};
    for (const auto& change : changes) {
        t.Restore(first);
        change();
        EXPECT_FALSE(t.TakeSnapshot(&first).SameAs(first));
    }

    // After a compaction every reference moved: nothing is shared.
    t.Restore(first);
    t.CompactText(true);
    const TablesSnapshot compacted = t.TakeSnapshot(&first);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NE(compacted.Tables()[i], first.Tables()[i]);
}

TEST(TablesSnapshot, FootprintsCountReferencesAsAllocated)
{
    // A large array of references takes whole 2 MiB pages.
    DataTable large = Table({"A"});
    large.ReserveRows(600000);  // 2.3 MB of references
    large.AppendRow(std::vector<std::string>{"1"});
    EXPECT_GE(large.Footprint(), std::size_t{4} << 20);
    EXPECT_LT(large.Footprint(), (std::size_t{4} << 20) + 1024);

    TextStore store;
    const std::size_t empty = store.Footprint();
    store.Store(std::string(3u << 20, 'y'));  // kept outside the blocks
    EXPECT_GE(store.Footprint(), empty + (3u << 20));
}

TEST(DataTable, FreedReferencesAreTakenUpByTheNextTableOfAboutTheirSize)
{
    // A batch's next input reuses the pages of the last one's arrays instead
    // of having the system zero new ones; the sizes of two survey lines differ.
    const void* freed = nullptr;
    {
        DataTable first = Table({"A"});
        first.ReserveRows(7'000'000);  // 26.7 MiB of references
        freed = first.Refs().data();
    }
    DataTable next = Table({"A"});
    next.ReserveRows(6'500'000);  // 24.8 MiB
    EXPECT_EQ(next.Refs().data(), freed);
    EXPECT_EQ(next.Footprint() - sizeof(DataTable) - sizeof(std::string), std::size_t{28} << 20);
}

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
    const std::string dumped = Dump(c.survey);
    const Rows processing = TableRows(t.Processing());
    const std::size_t before = t.Store().Used();
    t.CompactText(true);
    EXPECT_LT(t.Store().Used(), before);
    EXPECT_EQ(Dump(c.survey), dumped);
    EXPECT_TRUE(t.Origin().SharesStoreWith(t.Depth()));
    // Still usable afterwards.
    t.Origin().SetCell(0, 2, "7.5");
    EXPECT_EQ(t.Origin().Cell(0, 2), "7.5");
    EXPECT_EQ(TableRows(t.Processing()), processing);
}

TEST(DataTable, LongAndHugeCellsAndCellsOutside)
{
    const std::string longText(300, 'x'), hugeText(3u << 20, 'y');
    DataTable table = Table({"A", "B"}, {{longText, hugeText}, {"only one"}});
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
    DataTable many = Table({"V"});
    for (int i = 0; i < 600000; ++i)
        many.AppendRow(
            std::vector<std::string>{std::to_string(i) + std::string(static_cast<std::size_t>(i % 13), '.')});
    EXPECT_EQ(many.Cell(599999, 0), "599999" + std::string(599999 % 13, '.'));
    EXPECT_EQ(many.Cell(333333, 0), "333333" + std::string(333333 % 13, '.'));
}

}  // namespace
