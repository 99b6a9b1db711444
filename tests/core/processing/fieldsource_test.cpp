#include "processing/fieldsource.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vantrel;
using namespace vantrel::test;

namespace {

TEST(ProcessFieldSource, ScalesEachColumnToTheRunningMaximumInSinglePrecision)
{
    Chosen one("FILE,INCREMENT,100HZ,10HZ\n1,0,1,2\n1,5,2,4\n1,10,4,8\n");
    EXPECT_TRUE(ProcessFieldSource(one.survey.m_tables).messages.empty());
    EXPECT_EQ(one.Col(2), (std::vector<std::string>{"2.0000", "4.0000", "8.0000"}));
    EXPECT_EQ(one.Col(3), (std::vector<std::string>{"2.0000", "4.0000", "8.0000"}));
    EXPECT_EQ(one.survey.m_tables.FieldGroups(), 1);

    // Largest reading 0.5: the target is 1.5.
    Chosen small("FILE,INCREMENT,100HZ\n1,0,0.25\n1,5,0.5\n");
    ProcessFieldSource(small.survey.m_tables);
    EXPECT_EQ(small.Col(2), (std::vector<std::string>{"0.7500", "1.5000"}));

    // The second group (largest 5) is scaled to the first group's 10; a single-row
    // file still counts as a group.
    Chosen two("FILE,INCREMENT,100HZ\n1,0,10\n1,5,5\n2,0,5\n2,5,1\n3,0,2\n");
    ProcessFieldSource(two.survey.m_tables);
    EXPECT_EQ(two.Col(2), (std::vector<std::string>{"10.0000", "5.0000", "10.0000", "2.0000", "10.0000"}));
    EXPECT_EQ(two.survey.m_tables.FieldGroups(), 3);

    // The target 123456.7 is a float (123456.703125); 1/3 of it prints 41152.2344.
    Chosen precise("FILE,INCREMENT,100HZ,10HZ\n1,0,1,123456.7\n1,5,3,5\n");
    ProcessFieldSource(precise.survey.m_tables);
    EXPECT_EQ(precise.Col(2), (std::vector<std::string>{"41152.2344", "123456.7031"}));
    EXPECT_EQ(precise.Col(3)[0], "123456.7031");

    // Columns without positive readings are written unscaled.
    Chosen unscaled("FILE,INCREMENT,100HZ,10HZ\n1,0,0,4\n1,5,-2,8\n");
    ProcessFieldSource(unscaled.survey.m_tables);
    EXPECT_EQ(unscaled.Col(2), (std::vector<std::string>{"0.0000", "-2.0000"}));
    EXPECT_EQ(unscaled.Col(3), (std::vector<std::string>{"4.0000", "8.0000"}));
}

TEST(ProcessFieldSource, LongGroupsWorkOnTheirLast200Rows)
{
    std::string text = "FILE,INCREMENT,100HZ\n";
    for (int r = 0; r < 205; ++r)
        text += "1," + std::to_string(r) + ",2\n";
    Chosen c(text);
    const OperationReport report = ProcessFieldSource(c.survey.m_tables);
    EXPECT_EQ(report.messages,
              (std::vector<std::string>{"The maximum processing capacity of the field source is200！"}));
    const auto col = c.Col(2);
    EXPECT_EQ(col[4], "2");
    EXPECT_EQ(col[5], "2.0000");
}

TEST(ProcessFieldSource, FrequencyColumnsBeyondIndex200)
{
    std::string header = "FILE,INCREMENT", row1 = "1,0", row2 = "1,5";
    for (int i = 0; i < 210; ++i) {
        header += ",P" + std::to_string(i);
        row1 += ",x";
        row2 += ",y";
    }
    Chosen c(header + ",100HZ,10HZ\n" + row1 + ",1,3\n" + row2 + ",2,6\n");
    ProcessFieldSource(c.survey.m_tables);
    EXPECT_EQ(c.Col(212), (std::vector<std::string>{"3.0000", "6.0000"}));
    EXPECT_EQ(c.Col(213), (std::vector<std::string>{"3.0000", "6.0000"}));
    EXPECT_EQ(c.Col(5)[0], "X");

    // An empty Processing table counts no groups.
    Loaded empty("FILE,INCREMENT,100HZ\n1,0,1\n");
    empty.survey.m_tables.SetFieldGroups(7);
    ProcessFieldSource(empty.survey.m_tables);
    EXPECT_EQ(empty.survey.m_tables.FieldGroups(), 0);
}

}  // namespace
