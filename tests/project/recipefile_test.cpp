#include "processing/processingsteps.h"
#include "recipefile.h"
#include "recipereplay.h"
#include "sha256.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vantrel;
using vantrel::test::DataPath;
using vantrel::test::ReadAll;
using vantrel::test::TableRows;

namespace {

TEST(RecipeFile, BadFilesAreRefusedNamingTheFileAndTheFault)
{
    const auto cases = test::InputsAndMessages("project/bad_files.txt");
    ASSERT_EQ(cases.size(), 18u);
    for (const auto& [text, message] : cases) {
        const RecipeReadResult read = RecipeFile::ReadText(text, "r.vantrel");
        EXPECT_FALSE(read.ok) << text;
        EXPECT_EQ(read.message, message) << text;
    }
    EXPECT_EQ(RecipeFile::Read("/no/such.vantrel").message,
              "/no/such.vantrel cannot be read: No such file or directory.");
}

TEST(RecipeFile, ProjectsReadBackAsWrittenWithSettingsInTheirShortestForm)
{
    Recipe project;
    project.settings = ProcessingSettings{};
    project.settings->m_fResistivity = 12.5f;
    project.steps = {
        {"correct-bad-points", ""}, {"select", "1:2-3,2"}, {"config", "resistivity=100"}, {"depth", ""}};
    project.data = Recipe::DataFile{"line1.dat", Sha256::OfBytes("abc")};
    project.importMapping = R"({"columns":[1,2]})";
    project.encoding = "GB18030";
    project.rows = "1";
    project.charts = {{"section", "File1 Pseudo-section", R"({"gradient":"hot","contours":5})", "AdnQywAD"}};
    project.layout = "AAAA/w==";
    const std::string text = RecipeFile::Text(project);
    EXPECT_NE(text.find(R"("depth-coefficient": 0.7,)"), std::string::npos) << text;
    EXPECT_NE(text.find(R"("sha256": "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad")"),
              std::string::npos);
    const RecipeReadResult read = RecipeFile::ReadText(text, "p.vantrel");
    ASSERT_TRUE(read.ok) << read.message;
    const Recipe& back = read.recipe;
    EXPECT_EQ(back.settings, project.settings);
    EXPECT_EQ(back.steps, project.steps);
    EXPECT_EQ(back.data->path, "line1.dat");
    EXPECT_EQ(back.data->sha256, project.data->sha256);
    EXPECT_EQ(back.importMapping, project.importMapping);
    EXPECT_EQ(back.encoding, "GB18030");
    EXPECT_EQ(back.rows, "1");
    ASSERT_EQ(back.charts.size(), 1u);
    EXPECT_EQ(back.charts[0].options, project.charts[0].options);
    EXPECT_EQ(back.charts[0].geometry, "AdnQywAD");
    EXPECT_EQ(back.layout, project.layout);
    EXPECT_EQ(RecipeFile::Text(back), text);
}

TEST(RecipeReplay, RunsLikeTheStepsByHandAndLeavesNothingHalfDoneWhenAStepStops)
{
    const std::string bytes = ReadAll(DataPath("datafile/worked_example.csv"));
    test::Loaded byHand(bytes), replayed(bytes), stopped(bytes);
    for (const char* name : {"correct-bad-points", "select", "depth"})
        RunProcessingStep(*FindProcessingStep(name), byHand.survey, name[0] == 's' ? "all" : "");

    Recipe recipe;
    recipe.steps = {{"correct-bad-points", ""}, {"select", "all"}, {"depth", ""}};
    EXPECT_TRUE(RecipeReplay::Run(recipe, replayed.survey, "r").messages.empty());
    EXPECT_EQ(TableRows(replayed.survey.m_tables.Depth()), TableRows(byHand.survey.m_tables.Depth()));

    // Choosing no row stops: the correction before it and the settings are undone.
    const auto origin = TableRows(stopped.survey.m_tables.Origin());
    recipe.settings = ProcessingSettings{};
    recipe.settings->m_fResistivity = 50;
    recipe.steps = {{"correct-bad-points", ""}, {"select", "none"}, {"depth", ""}};
    const OperationReport report = RecipeReplay::Run(recipe, stopped.survey, "r.vantrel");
    EXPECT_TRUE(report.stopped);
    ASSERT_FALSE(report.messages.empty());
    EXPECT_EQ(report.messages.back(), "r.vantrel: step 2 (select) stopped; nothing was changed.");
    EXPECT_EQ(TableRows(stopped.survey.m_tables.Origin()), origin);
    EXPECT_EQ(stopped.survey.m_tables.Processing().RowCount(), 0u);
    EXPECT_EQ(stopped.survey.m_tables.Settings(), ProcessingSettings{});
    EXPECT_FALSE(stopped.survey.m_frame.DataSelected());
}

TEST(Sha256, FileDigestIsTheDigestOfItsBytes)
{
    const std::string path = DataPath("datafile/worked_example.csv");
    EXPECT_EQ(Sha256::OfFile(path, nullptr), Sha256::OfBytes(ReadAll(path)));
    std::string reason;
    EXPECT_EQ(Sha256::OfFile("/no/such/file", &reason), "");
    EXPECT_EQ(reason, "No such file or directory");
}

}  // namespace
