#include "clipipeline.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vantrel;

namespace {

struct Printed {
    int status = -1;
    std::string out;
    std::string err;
};

Printed RunCli(std::vector<std::string> args)
{
    std::ostringstream out, err;
    CliPipeline pipeline(out, err);
    Printed p;
    p.status = pipeline.Run(args);
    p.out = out.str();
    p.err = err.str();
    return p;
}

std::string Example() { return std::string(VANTREL_EXAMPLES) + "/line1.dat"; }

/// The JSON of each curve (or chart), cut at the key that starts one.
std::vector<std::string> Pieces(const std::string& json, const std::string& start)
{
    std::vector<std::string> pieces;
    for (auto at = json.find(start); at != std::string::npos;) {
        const auto next = json.find(start, at + 1);
        pieces.push_back(json.substr(at, next == std::string::npos ? std::string::npos : next - at));
        at = next;
    }
    return pieces;
}

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// Expected figures in these tests were worked out by tests/cli/reference_graphs.py,
// a separate model of the graph rules that reads the data file itself.

TEST(GraphData, VerticalProfileOfTheExampleMatchesTheIndependentReference)
{
    const Printed p = RunCli({Example(), "--select", "all", "--depth", "--graph-data", "vertical"});
    ASSERT_EQ(p.status, 0) << p.err;
    ASSERT_EQ(Count(p.out, "\n"), 1u);
    EXPECT_EQ(p.out.rfind(R"({"kind":"vertical","title":"File1 Vertical Profile Graph","bands":20,"curves":[)", 0), 0u);
    const auto curves = Pieces(p.out, R"({"height":)");
    ASSERT_EQ(curves.size(), 20u);
    for (const auto& c : curves)
        EXPECT_EQ(Count(c, "],["), 59u);  // the 60 points of file 1
    EXPECT_EQ(curves[0].rfind(R"({"height":-17,"axis_title":"-17","mean":127.71496,"points":[[0,127.736],[5,127.866],)", 0), 0u);
    EXPECT_NE(curves[0].find(R"("regions":[]})"), std::string::npos);
    EXPECT_NE(curves[2].find(R"("mean":123.49369,)"), std::string::npos);
    EXPECT_NE(curves[2].find(R"("regions":[{"kind":"high","level":160.5418,"from":105.349754,"to":114.648056},)"
                             R"({"kind":"high","level":160.5418,"from":170.45235,"to":179.55441}]})"),
              std::string::npos);
    EXPECT_NE(curves[15].find(R"({"height":-618,"axis_title":"-618","mean":18.055698,)"), std::string::npos);
    EXPECT_NE(curves[15].find(R"("regions":[{"kind":"low","level":12.6389885,"from":147.44879,"to":184.61844},)"
                              R"({"kind":"high","level":23.472408,"from":255.25584,"to":264.73526}]})"),
              std::string::npos);
    EXPECT_NE(curves[19].find(R"({"height":-1576,"axis_title":"-1576","mean":9.181684,)"), std::string::npos);
    EXPECT_NE(curves[19].find(R"({"kind":"low","level":6.4271784,"from":266.94147,"to":273.0556}]}]})"),
              std::string::npos);
}

TEST(GraphData, VerticalProfileReadsHeightAndValueAfterLeadingColumns)
{
    // MODE and DATETIME stand before the frequency columns, so the Depth
    // table's height and value are its fifth and sixth columns.
    const Printed p = RunCli({test::DataPath("graphs/leading_columns.csv"), "--select", "all", "--depth",
                           "--graph-data", "vertical"});
    ASSERT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(p.out,
              R"({"kind":"vertical","title":"File1 Vertical Profile Graph","bands":2,"curves":[)"
              R"({"height":-49,"axis_title":"-49","mean":15.75,"points":[[0,10],[5,12],[10,30],[15,11]],"regions":[)"
              R"({"kind":"low","level":11.025,"from":0,"to":2.562499},)"
              R"({"kind":"high","level":20.475,"from":7.354167,"to":12.506578},)"
              R"({"kind":"low-last","level":11.025,"from":14.993422,"to":15}]},)"
              R"({"height":-70,"axis_title":"-70","mean":3.75,"points":[[0,0],[5,4],[10,5],[15,6]],"regions":[)"
              R"({"kind":"low","level":2.625,"from":0,"to":3.28125},{"kind":"high","level":4.875,"from":9.375,"to":15}]}]})"
              "\n");
}

TEST(GraphData, PlaneProfileIsSizedByTheGroupsOfTheTableNow)
{
    // No field-source processing ran: the chart still has a band per file.
    Printed p = RunCli({Example(), "--select", "all", "--frequency", "1000hz", "--graph-data", "plane"});
    ASSERT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(p.out.rfind(R"({"kind":"plane","title":"1000HZ Plane Profile Graph","bands":3,"curves":[)", 0), 0u);
    auto curves = Pieces(p.out, R"({"height":)");
    ASSERT_EQ(curves.size(), 3u);
    EXPECT_EQ(curves[1].rfind(R"({"height":0,"axis_title":null,"mean":69.15738,"points":[[0,)", 0), 0u);
    EXPECT_NE(curves[1].find(R"("regions":[{"kind":"low","level":48.410164,"from":6.606701,"to":13.374095},)"
                             R"({"kind":"low","level":48.410164,"from":51.732445,"to":58.227646}]})"),
              std::string::npos);

    // The default column is the first frequency; after choosing file 2 alone
    // the chart has one band, not the three groups the field source counted.
    p = RunCli({Example(), "--select", "all", "--field-source", "--select", "2", "--graph-data", "plane"});
    ASSERT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(p.out.rfind(R"({"kind":"plane","title":"8000HZ Plane Profile Graph","bands":1,"curves":[)", 0), 0u);
    EXPECT_EQ(Pieces(p.out, R"({"height":)").size(), 1u);
}

TEST(GraphData, CircularChartsOfTheExample)
{
    const Printed p = RunCli({Example(), "--select", "all", "--depth", "--graph-data", "circular"});
    ASSERT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(p.out.rfind(R"({"kind":"circular","title":"File1 circular Graph","charts":[)", 0), 0u);
    EXPECT_EQ(Count(p.out, R"({"values":)"), 20u);
    EXPECT_NE(p.out.find(R"({"values":[68.959,69.235,68.983,68.928,68.959,69.235,68.983,68.928],)"
                         R"("label":"1000.0Hz\nβ=1.00","x":336,"y":336})"),
              std::string::npos);
    EXPECT_NE(p.out.find(R"("label":"1.0Hz\nβ=1.02","x":336,"y":2016}],"scroll":[1008,2353]})"
                         "\n"),
              std::string::npos);

    const Printed zero = RunCli({test::DataPath("graphs/leading_columns.csv"), "--select", "all", "--depth",
                              "--graph-data", "circular"});
    EXPECT_NE(zero.out.find(R"({"values":[0,4,5,6,0,4,5,6],"label":"500.0Hz\nβ=--","x":336,"y":0})"),
              std::string::npos)
        << zero.out;
}

TEST(GraphData, ChecksStopTheRunWithTheProgramsMessages)
{
    Printed p = RunCli({Example(), "--graph-data", "vertical", "--dump", "marks"});
    EXPECT_EQ(p.status, 1);
    EXPECT_EQ(p.err, "Please choose data!\n");
    EXPECT_EQ(p.out, "");

    p = RunCli({Example(), "--select", "all", "--frequency", "33HZ", "--graph-data", "plane"});
    EXPECT_EQ(p.status, 1);
    EXPECT_EQ(p.err.rfind("No frequency column is titled 33HZ (there are 8000HZ, 5000HZ,", 0), 0u) << p.err;

    p = RunCli({test::DataPath("graphs/three_rows.csv"), "--select", "all", "--depth", "--graph-data", "circular"});
    EXPECT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(p.out, "{\"kind\":\"circular\",\"title\":\"环形图\",\"charts\":[],\"scroll\":[0,0]}\n");

    for (const auto& args : std::vector<std::vector<std::string>>{{"a.dat", "--graph-data", "round"},
                                                                  {"a.dat", "--graph-data"},
                                                                  {"a.dat", "--frequency", ""}})
        EXPECT_EQ(RunCli(args).status, 2) << args.back();
}

}  // namespace
