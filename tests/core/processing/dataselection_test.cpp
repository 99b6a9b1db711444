#include "messages.h"
#include "processing/dataselection.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vantrel;
using namespace vantrel::test;

namespace {

TEST(FileTree, WideNumbersAndClicksThatUntick)
{
    // The grouping, the texts and the clicks that tick a file or its last row
    // are checked through the file view's tree (tst_panes).
    Loaded wide("FILE,INCREMENT,1000HZ,MODE,DATETIME\n123,4567,1,-3,X\n");
    EXPECT_EQ(wide.survey.m_tree.FileText(0), "File:123 (X)");
    EXPECT_EQ(wide.survey.m_tree.RowText(1), "INCREMENT=4567 MODE=-3");

    Loaded clicked("FILE,INCREMENT,1000HZ\n1,0,1\n1,5,1\n1,10,1\n2,0,1\n");
    FileTree& clicks = clicked.survey.m_tree;
    clicks.ClickFileCheckBox(0);
    clicks.ClickFileCheckBox(0);  // a ticked file unticks all its rows
    EXPECT_FALSE(clicks.Files()[0].checked);
    EXPECT_FALSE(clicks.Row(1).checked || clicks.Row(2).checked || clicks.Row(3).checked);
    clicks.ClickRowCheckBox(1);
    EXPECT_FALSE(clicks.Files()[0].checked);  // other rows still unticked
}

TEST(SelectData, CopiesCheckedRowsFileByFile)
{
    Loaded l(ReadAll(DataPath("datafile/alternating_files.csv")));
    Survey& s = l.survey;
    s.m_tree.ClickRowCheckBox(4);
    s.m_tree.ClickRowCheckBox(3);
    s.m_tree.ClickRowCheckBox(2);
    OperationReport r = SelectData(s.m_tree, s.m_tables, s.m_frame);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_TRUE(s.m_frame.DataSelected());
    EXPECT_EQ(Column(s.m_tables.Processing(), 5), (std::vector<std::string>{"D1B", "D2", "D2"}));
    EXPECT_EQ(s.m_tables.ActiveTab(), OutputTables::ProcessingTab);

    // A file item checked without its rows (keyboard) selects nothing.
    Loaded k(ReadAll(DataPath("datafile/alternating_files.csv")));
    k.survey.m_tree.SetFileChecked(0, true);
    k.survey.m_tables.Depth().AppendRow(std::vector<std::string>{"1", "0", "-49", "1"});
    r = SelectData(k.survey.m_tree, k.survey.m_tables, k.survey.m_frame);
    EXPECT_EQ(r.messages, (std::vector<std::string>{msg::kSelectInFilePane}));
    EXPECT_FALSE(k.survey.m_frame.DataSelected());
    EXPECT_EQ(k.survey.m_tables.Processing().RowCount(), 0u);
    EXPECT_EQ(k.survey.m_tables.Depth().RowCount(), 0u);
}

TEST(FrameState, ClosingTheFileEmptiesEverythingButKeepsTheSettings)
{
    Loaded l(ReadAll(DataPath("datafile/dash_columns.csv")));
    Survey& s = l.survey;
    SetSetting(s.m_tables, &ProcessingSettings::m_fResistivity, 55);
    s.m_frame.CloseData(s.m_tree, s.m_tables);
    EXPECT_FALSE(s.m_frame.HasOpenFile());
    EXPECT_TRUE(s.m_tree.Files().empty());
    EXPECT_TRUE(s.m_tree.Frequencies().empty());
    EXPECT_EQ(s.m_tree.NextRowId(), 1);
    EXPECT_EQ(s.m_tables.Origin().ColumnCount(), 0u);
    EXPECT_EQ(s.m_tables.FirstFreqColumn(), -1);
    EXPECT_EQ(s.m_tables.Settings().m_fResistivity, 55);

    // A file of another layout: its own frequency columns.
    s.m_frame.BeginFileOpen();
    DataFileReader reader(s.m_frame, s.m_tables, s.m_tree);
    ASSERT_TRUE(reader.ReadBuffer("A,B,INCREMENT,FILE,1000HZ\nx,y,0,1,5\n").Ok());
    EXPECT_EQ(s.m_tables.FirstFreqColumn(), 4);
    EXPECT_EQ(s.m_tables.FreqColumns(), 1);
    EXPECT_FALSE(s.m_frame.DashColumns());
}

}  // namespace
