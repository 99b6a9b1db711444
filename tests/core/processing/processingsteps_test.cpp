#include "messages.h"
#include "processing/datachoice.h"
#include "processing/processingsteps.h"
#include "processing/settingstext.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vantrel;
using namespace vantrel::test;

namespace {

const char* const kTwoFiles = "FILE,INCREMENT,1000HZ,500HZ\n"
                              "1,0,10,5\n1,5,900,6\n1,10,11,5\n1,15,12,7\n1,20,10,6\n1,25,11,5\n1,30,12,6\n"
                              "1,35,10,5\n2,0,20,9\n2,5,21,8\n3,0,30,3\n";

OperationReport Step(Survey& s, std::string_view step, std::string_view argument = {})
{
    return RunProcessingStep(*FindProcessingStep(step), s, argument);
}

TEST(SettingsText, PrintsShortestRoundTripAndReadsOnlyItsOwnForm)
{
    ProcessingSettings s;
    EXPECT_EQ(SettingsText(s),
              "deviation-factor=3,resistivity=20,depth-coefficient=0.7,p-threshold=0.3,v-threshold=0.3");
    for (float value : {0.1f + 1e-8f, 1e-7f, 12.5f, -3.25e20f, 16777217.0f, 0.33333334f}) {
        s.m_fResistivity = value;
        ProcessingSettings back;
        ASSERT_TRUE(ParseSettingsText(SettingsText(s), back));
        EXPECT_EQ(back, s) << SettingsText(s);
    }
    ProcessingSettings some;
    ASSERT_TRUE(ParseSettingsText("v-threshold=0.5,resistivity=12.5", some));
    EXPECT_EQ(SettingsText(some),
              "deviation-factor=3,resistivity=12.5,depth-coefficient=0.7,p-threshold=0.3,v-threshold=0.5");
    for (const char* wrong : {"", "resistivity", "resistivity=", "resistivity=1x", "resistivity=1,",
                              "resistivity=1,resistivity=2", "bogus=1", " resistivity=1", "resistivity=1e99",
                              "resistivity=12,5"}) {
        ProcessingSettings kept;
        kept.m_fResistivity = 7;
        EXPECT_FALSE(ParseSettingsText(wrong, kept)) << wrong;
        EXPECT_EQ(kept.m_fResistivity, 7.0f) << wrong;
    }
}

TEST(DataChoice, TextOfTheTickedRowsReadsBackToTheSameTicks)
{
    struct Case {
        std::vector<int> clickedRows;  // row ids, clicked in this order
        std::string text;
    };
    for (const Case& c : std::vector<Case>{{{}, "none"},
                                           {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, "all"},
                                           {{9, 10}, "2"},
                                           {{1, 2, 4, 5, 8, 11}, "1:1-2,1:4-5,1:8,3"},
                                           {{8, 9}, "1:8,2:1"}}) {
        Loaded l(kTwoFiles);
        for (int id : c.clickedRows)
            l.survey.m_tree.ClickRowCheckBox(id);
        EXPECT_EQ(DataChoiceText(l.survey.m_tree), c.text);
        Loaded replay(kTwoFiles);
        ApplyDataChoice(*ParseDataChoice(c.text), replay.survey.m_tree);
        EXPECT_EQ(Dump(replay.survey), Dump(l.survey)) << c.text;
    }
    // Any order, overlaps, files and rows the survey does not have.
    Loaded l(kTwoFiles);
    ApplyDataChoice(*ParseDataChoice("+3,1:7-99,1:8,9,-4:1"), l.survey.m_tree);
    EXPECT_EQ(DataChoiceText(l.survey.m_tree), "1:7-8,3");
    for (const char* wrong :
         {"", ",", "1,", "x", "1:0", "1:3-2", "1:-2", "1:2-", "1:a", "1:2:3", "all,1", "--1"})
        EXPECT_FALSE(ParseDataChoice(wrong)) << wrong;
}

TEST(ProcessingSteps, EachReplaysFromItsNameAndTheArgumentTakenFromTheSurvey)
{
    // What the desktop does: tick rows, change the settings, run steps,
    // each taking its argument from the survey as it runs. Replaying the
    // names and arguments on a fresh load gives the same state at each step.
    Loaded desk(kTwoFiles);
    Loaded replay(kTwoFiles);
    const auto step = [&](const char* name) {
        const ProcessingStep& step = *FindProcessingStep(name);
        const std::string argument = step.argumentOf ? step.argumentOf(desk.survey) : "";
        const OperationReport a = RunProcessingStep(step, desk.survey, argument);
        const OperationReport b = RunProcessingStep(*FindProcessingStep(step.name), replay.survey, argument);
        EXPECT_EQ(a.messages, b.messages) << name;
        EXPECT_EQ(Dump(replay.survey), Dump(desk.survey)) << name << " " << argument;
    };
    for (int id : {1, 2, 3, 4, 5, 6, 7, 8, 11})
        desk.survey.m_tree.ClickRowCheckBox(id);
    step("select-and-process");
    SetSetting(desk.survey.m_tables, &ProcessingSettings::m_fResistivity, 12.5f);
    SetSetting(desk.survey.m_tables, &ProcessingSettings::m_fDeviationFactor, 0.1f);
    step("config");
    for (const char* name : {"search-bad-points", "correct-bad-points", "search-and-process", "depth"})
        step(name);
    desk.survey.m_tree.ClickRowCheckBox(8);
    for (const char* name : {"select", "field-source", "depth"})
        step(name);
    EXPECT_EQ(desk.survey.m_tables.Depth().Cell(0, 2), "-39");  // 0.7 * 503.5 * sqrt(12.5 / 1000)
    EXPECT_EQ(desk.survey.m_tables.Processing().RowCount(), 8u);
}

TEST(ProcessingSteps, CombinedStepsAreTheirPartsAndWrongArgumentsChangeNothing)
{
    Loaded whole(kTwoFiles), parts(kTwoFiles);
    for (Loaded* l : {&whole, &parts})
        SetSetting(l->survey.m_tables, &ProcessingSettings::m_fDeviationFactor, 0.1f);
    Step(whole.survey, "select-and-process", "1,2");
    Step(parts.survey, "select", "1,2");
    Step(parts.survey, "field-source");
    EXPECT_EQ(Dump(whole.survey), Dump(parts.survey));
    Step(whole.survey, "search-and-process");
    Step(parts.survey, "search-bad-points");
    Step(parts.survey, "field-source");
    EXPECT_EQ(Dump(whole.survey), Dump(parts.survey));
    EXPECT_FALSE(whole.survey.m_tables.Marks().empty());

    const std::string before = Dump(whole.survey);
    for (const auto& [step, argument, message] :
         std::vector<std::tuple<std::string, std::string, std::string>>{
             {"select", "1,x", "select takes all|N[,N...], not '1,x'"},
             {"depth", "now", "depth takes no argument, not 'now'"},
             {"config", "resistivity=", "config takes NAME=VALUE[,...], not 'resistivity='"}}) {
        const OperationReport r = Step(whole.survey, step, argument);
        EXPECT_TRUE(r.stopped);
        EXPECT_EQ(r.messages, std::vector<std::string>{message});
    }
    EXPECT_EQ(Dump(whole.survey), before);
    // The desktop asks before replacing depth data, never before the first.
    EXPECT_EQ(FindProcessingStep("depth")->question(whole.survey), "");
    Step(whole.survey, "depth");
    EXPECT_EQ(FindProcessingStep("depth")->question(whole.survey), msg::kDepthAgain);
    EXPECT_EQ(FindProcessingStep("no-such-step"), nullptr);
}

}  // namespace
