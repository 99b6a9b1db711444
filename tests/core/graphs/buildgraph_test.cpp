#include "graphs/buildgraph.h"
#include "messages.h"
#include "processing/processingsteps.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vantrel;
using namespace vantrel::test;

namespace {

GraphOptions Entry(int entry)
{
    GraphOptions options;
    options.frequencyEntry = entry;
    return options;
}

void Choose(Survey& s, std::string_view choice)
{
    RunProcessingStep(*FindProcessingStep("select"), s, choice);
}

const char* const kTwoFiles = "FILE,INCREMENT,1000HZ,500HZ\n1,0,10,5\n1,5,11,6\n2,0,20,9\n";

TEST(BuildGraph, RefusesAtTheCommandOrAtTheGraph)
{
    using Refusal = BuiltGraph::Refusal;
    struct Case {
        GraphKind kind;
        const char* choice;  // nullptr: nothing chosen
        int entry;
        Refusal refusal;
        std::string message;
    };
    for (const Case& c : std::vector<Case>{
             {GraphKind::Vertical, nullptr, 0, Refusal::Command, msg::kChooseData},
             {GraphKind::Plane, "all", -1, Refusal::Command, msg::kChooseData},
             {GraphKind::Plane, "all", 2, Refusal::Command, msg::kChooseData},
             {GraphKind::Plane, "all", 1, Refusal::None, ""},
             {GraphKind::Section, "all", 0, Refusal::None, ""},
             {GraphKind::Circular, "all", -1, Refusal::None, ""},
             {GraphKind::None, "all", 0, Refusal::Command, ""},
         }) {
        Loaded l(kTwoFiles);
        if (c.choice)
            Choose(l.survey, c.choice);
        const BuiltGraph built = BuildGraph(c.kind, l.survey, Entry(c.entry));
        EXPECT_EQ(built.refusal, c.refusal) << GraphKindName(c.kind) << c.entry;
        EXPECT_EQ(built.message, c.message);
        if (built.Ok()) {
            EXPECT_EQ(KindOf(built.graph), c.kind);
        }
    }
    // A frequency entry without its column in the Processing table.
    Loaded noColumn("FILE,INCREMENT,1000HZ\n1,0,5\n");
    Choose(noColumn.survey, "all");
    noColumn.survey.m_tree.AddFrequency("500HZ");
    EXPECT_EQ(BuildGraph(GraphKind::Plane, noColumn.survey, Entry(1)).message, msg::kNoProcessingVariables);
    EXPECT_EQ(BuildGraph(GraphKind::Plane, noColumn.survey, Entry(1)).refusal, Refusal::Graph);
    EXPECT_EQ(GraphKindNamed("Vertical"), GraphKind::None);
}

}  // namespace
