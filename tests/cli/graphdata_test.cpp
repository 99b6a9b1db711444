#include "clipipeline.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

using namespace vantrel;

namespace {

struct Printed {
    int status = -1;
    std::string out, err;
    bool Has(const std::string& part) const { return out.find(part) != std::string::npos; }
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

const std::string kExample = std::string(VANTREL_EXAMPLES) + "/line1.dat";

// The figures below were worked out by tests/cli/reference_graphs.py, a
// separate single-precision model of the graph rules that reads the file itself.

TEST(GraphData, ExampleMatchesTheIndependentReference)
{
    Printed p = RunCli({kExample, "--select", "all", "--depth", "--graph-data", "vertical", "--frequency",
                        "1000hz", "--graph-data", "plane", "--graph-data", "circular"});
    ASSERT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(
        p.out.rfind(R"({"kind":"vertical","title":"File1 Vertical Profile Graph","bands":20,"curves":[)"
                    R"({"height":-17,"axis_title":"-17","mean":127.71496,"points":[[0,127.736],[5,127.866],)",
                    0),
        0u);
    EXPECT_TRUE(p.Has(R"({"height":-28,"axis_title":"-28","mean":123.49369,)"));
    EXPECT_TRUE(p.Has(R"("regions":[{"kind":"low","level":12.6389885,"from":147.44879,"to":184.61844},)"
                      R"({"kind":"high","level":23.472408,"from":255.25584,"to":264.73526}]})"));
    EXPECT_TRUE(p.Has(R"({"kind":"low","level":6.4271784,"from":266.94147,"to":273.0556}]}]})"
                      "\n"
                      R"({"kind":"plane","title":"1000HZ Plane Profile Graph","bands":3,)"));
    EXPECT_TRUE(p.Has(R"({"height":0,"axis_title":null,"mean":69.15738,)"));
    EXPECT_TRUE(p.Has(R"("regions":[{"kind":"low","level":48.410164,"from":6.606701,"to":13.374095},)"
                      R"({"kind":"low","level":48.410164,"from":51.732445,"to":58.227646}]})"));
    EXPECT_TRUE(p.Has(R"({"values":[68.959,69.235,68.983,68.928,68.959,69.235,68.983,68.928],)"
                      R"("label":"1000.0Hz\nβ=1.00","x":336,"y":336})"));
    EXPECT_TRUE(p.Has(R"("label":"1.0Hz\nβ=1.02","x":336,"y":2016}],"scroll":[1008,2353]})"
                      "\n"));
}

TEST(GraphData, VerticalProfileAfterLeadingColumnsWholeLine)
{
    // MODE and DATETIME stand before the frequencies: the Depth table's height
    // and value are its fifth and sixth columns.
    const Printed p = RunCli({test::DataPath("graphs/leading_columns.csv"), "--select", "all", "--depth",
                              "--graph-data", "vertical"});
    ASSERT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(
        p.out,
        R"({"kind":"vertical","title":"File1 Vertical Profile Graph","bands":2,"curves":[)"
        R"({"height":-49,"axis_title":"-49","mean":15.75,"points":[[0,10],[5,12],[10,30],[15,11]],"regions":[)"
        R"({"kind":"low","level":11.025,"from":0,"to":2.562499},)"
        R"({"kind":"high","level":20.475,"from":7.354167,"to":12.506578},)"
        R"({"kind":"low-last","level":11.025,"from":14.993422,"to":15}]},)"
        R"({"height":-70,"axis_title":"-70","mean":3.75,"points":[[0,0],[5,4],[10,5],[15,6]],"regions":[)"
        R"({"kind":"low","level":2.625,"from":0,"to":3.28125},)"
        R"({"kind":"high","level":4.875,"from":9.375,"to":15}]}]})"
        "\n");
}

/// A reading of the example as the shortest number: "113.740" is 113.74, "0.000" is 0.
std::string Shortest(std::string text)
{
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

TEST(GraphData, SectionOfTheExampleIsItsFirstFileOnAGrid)
{
    // Built here from the file's own text: file 1's rows across, its
    // frequencies from high (shallow) to low (deep) down, one reading a cell.
    std::ifstream in(kExample);
    std::string line;
    std::getline(in, line);
    std::vector<std::string> titles;
    std::istringstream head(line);
    for (std::string t; std::getline(head, t, '\t');)
        titles.push_back(t);
    const std::size_t frequencies = titles.size() - 4;  // FILE, INCREMENT ... MODE, DATETIME
    std::string x;
    std::vector<std::string> rows(frequencies);
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::vector<std::string> f;
        for (std::string t; std::getline(fields, t, '\t');)
            f.push_back(t);
        if (f[0] != "1")
            continue;
        x += (x.empty() ? "" : ",") + f[1];
        for (std::size_t k = 0; k < frequencies; ++k)
            rows[k] += (rows[k].empty() ? "" : ",") + Shortest(f[2 + k]);
    }
    std::string heights, values;
    for (std::size_t k = 0; k < frequencies; ++k) {
        // The depth calculation's height: 0.7 skin depths at resistivity 20.
        const float q = 20.0f / std::stof(titles[2 + k]);
        const double h = 0 - 0.7 * (std::sqrt(q) * 503.5f);
        heights += (k ? "," : "") + std::to_string(static_cast<int>(h));
        values += std::string(k ? "," : "") + "[" + rows[k] + "]";
    }
    const Printed p = RunCli({kExample, "--select", "all", "--depth", "--graph-data", "section"});
    ASSERT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(p.out,
              R"({"kind":"section","title":"File1 Pseudo-section","x":[)" + x + R"(],"heights":[)" + heights +
                  R"(],"values":[)" + values + "]}\n");
    EXPECT_NE(p.out.find(R"("heights":[-17,-22,-28,-35,)"), std::string::npos);
}

TEST(GraphData, SectionMeansRepeatedCellsAndLeavesGapsNull)
{
    test::TempDir dir;
    const std::string path = dir / "gaps.csv";
    std::ofstream(path) << "FILE,INCREMENT,1000HZ,500HZ\n"
                           "1,10,10,1\n"
                           "1,0,12,\n"    // no 500HZ reading at 0
                           "1,10,20,3\n"  // 10 again: the means are 15 and 2
                           "2,5,99,99\n";
    const Printed p = RunCli({path, "--select", "all", "--depth", "--graph-data", "section"});
    ASSERT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(p.out,
              R"({"kind":"section","title":"File1 Pseudo-section","x":[0,10],"heights":[-49,-70],)"
              R"("values":[[12,15],[null,2]]})"
              "\n");

    const Printed none = RunCli({path, "--select", "all", "--graph-data", "section"});
    EXPECT_EQ(none.out,
              R"({"kind":"section","title":"File0 Pseudo-section","x":[],"heights":[],"values":[]})"
              "\n");
    EXPECT_EQ(RunCli({path, "--graph-data", "section"}).err, "Please choose data!\n");
}

TEST(GraphData, PlaneProfileIsSizedByTheGroupsOfTheTableNow)
{
    // Before any field-source processing the chart has a band per file ...
    Printed p = RunCli({kExample, "--select", "all", "--graph-data", "plane"});
    EXPECT_EQ(p.out.rfind(R"({"kind":"plane","title":"8000HZ Plane Profile Graph","bands":3,)", 0), 0u)
        << p.err;
    // ... and after choosing file 2 alone one band, not the three it counted.
    p = RunCli({kExample, "--select", "all", "--field-source", "--select", "2", "--graph-data", "plane"});
    EXPECT_EQ(p.out.rfind(R"({"kind":"plane","title":"8000HZ Plane Profile Graph","bands":1,)", 0), 0u)
        << p.err;
}

TEST(GraphData, ChecksAndEmptyCircularGraph)
{
    Printed p = RunCli({kExample, "--graph-data", "vertical", "--dump", "marks"});
    EXPECT_EQ(p.status, 1);
    EXPECT_EQ(p.err, "Please choose data!\n");
    EXPECT_EQ(p.out, "");

    p = RunCli({kExample, "--select", "all", "--frequency", "33HZ", "--graph-data", "plane"});
    EXPECT_EQ(p.status, 1);
    EXPECT_EQ(p.err.rfind("No frequency column is titled 33HZ (there are 8000HZ, 5000HZ,", 0), 0u) << p.err;

    p = RunCli({test::DataPath("graphs/three_rows.csv"), "--select", "all", "--graph-data", "circular"});
    EXPECT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(p.out, "{\"kind\":\"circular\",\"title\":\"环形图\",\"charts\":[],\"scroll\":[0,0]}\n");

    EXPECT_EQ(RunCli({"a.dat", "--graph-data", "round"}).status, 2);
}

}  // namespace
