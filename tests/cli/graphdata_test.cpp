#include "clisupport.h"

#include <gtest/gtest.h>

using namespace vantrel::test;

namespace {

// The figures below were worked out by tests/cli/reference_graphs.py, a
// separate single-precision model of the graph rules that reads the file itself.

TEST(GraphData, ExampleMatchesTheIndependentReference)
{
    CliRun p = RunInProcess({kExample, "--select", "all", "--depth", "--graph-data", "vertical",
                             "--frequency", "1000hz", "--graph-data", "plane", "--graph-data", "circular",
                             "--graph-data", "section"});
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
    // The section: file 1's positions across, its frequencies from high
    // (shallow) to low (deep) down.
    EXPECT_TRUE(p.Has("\n"
                      R"({"kind":"section","title":"File1 Pseudo-section","file":1,"x":[0,5,10,)"));
    EXPECT_TRUE(p.Has(R"(,295],"heights":[-17,-22,-28,-35,)"));
    EXPECT_TRUE(p.Has(R"(-1576],"depths":[17,22,28,35,)"));
    EXPECT_TRUE(p.Has(R"(,1576],"values":[[127.736,127.866,)"));        // shortest numbers
    EXPECT_EQ(p.out.substr(p.out.size() - 18), ",10.539,10.504]]}\n");  // 1HZ at 290 and 295
}

TEST(GraphData, VerticalProfileAfterLeadingColumnsWholeLine)
{
    // MODE and DATETIME stand before the frequencies: the Depth table's height
    // and value are its fifth and sixth columns.
    const CliRun p = RunInProcess(
        {DataPath("graphs/leading_columns.csv"), "--select", "all", "--depth", "--graph-data", "vertical"});
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

TEST(GraphData, SectionMeansRepeatedCellsAndLeavesGapsNull)
{
    TempDir dir;
    const std::string path = dir / "gaps.csv";
    WriteAll(path,
             "FILE,INCREMENT,1000HZ,500HZ\n"
             "1,10,10,1\n"
             "1,0,12,\n"    // no 500HZ reading at 0
             "1,10,20,3\n"  // 10 again: the means are 15 and 2
             "2,5,99,99\n");
    const CliRun p = RunInProcess({path, "--select", "all", "--depth", "--graph-data", "section"});
    ASSERT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(p.out,
              R"({"kind":"section","title":"File1 Pseudo-section","file":1,"x":[0,10],"heights":[-49,-70],)"
              R"("depths":[49,70],"values":[[12,15],[null,2]]})"
              "\n");

    const CliRun none = RunInProcess({path, "--select", "all", "--graph-data", "section"});
    EXPECT_EQ(none.out,
              R"({"kind":"section","title":"File0 Pseudo-section","file":0,"x":[],"heights":[],"depths":[],)"
              R"("values":[]})"
              "\n");
}

TEST(GraphData, SectionOfAnyFileWithContoursAndExports)
{
    TempDir dir;
    const std::string path = dir / "plane.csv";
    // File 2 reads 10 at the shallow band and 30 at the deep one at every
    // station: the level 20 lies halfway down, along the whole line. File 3
    // spans three decades.
    WriteAll(path,
             "FILE,INCREMENT,1000HZ,10HZ\n"
             "1,0,5,5\n1,10,5,5\n"
             "2,0,10,30\n2,10,10,30\n2,20,10,30\n"
             "3,0,1,1000\n3,10,1,1000\n");
    const std::vector<std::string> run = {path, "--select", "all", "--depth", "--file", "2"};
    const auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> args = run;
        args.insert(args.end(), more.begin(), more.end());
        return RunInProcess(args);
    };
    CliRun p = with({"--grid-method", "linear", "--contours", "20.0", "--graph-data", "section"});
    ASSERT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(p.out.rfind(R"({"kind":"section","title":"File2 Pseudo-section","file":2,"x":[0,10,20],)"
                          R"("heights":[-49,-498],"depths":[49,498],)",
                          0),
              0u);
    // Halfway between 49 and 498 m, from the first station to the last and no further.
    EXPECT_TRUE(p.Has(R"("values":[[10,10,10],[30,30,30]],"levels":[20],"contours":[{"level":20,"points":)"
                      R"([[0,273.49997],[0.3125,273.49997],)"));
    EXPECT_EQ(p.out.substr(p.out.size() - 20), ",[20,273.49997]]}]}\n");
    // Automatic levels are those of the picture's logarithmic colour bar.
    p = with({"--file", "3", "--contours", "auto", "--graph-data", "section"});
    EXPECT_TRUE(p.Has(R"("levels":[2,5,10,20,50,100,200,500],)")) << p.out.substr(0, 300);

    // Every export names its file on failure and leaves nothing behind.
    const struct {
        std::vector<std::string> args;
        std::string err;
    } failures[] = {
        {{"--file", "5", "--export-grid", dir / "a.grd"},
         "The depth table has no file 5; its files are 1, 2 and 3.\n"},
        {{"--file", "1", "--export-contours", dir / "a.geojson"},
         "No contour lines were written to " + dir / "a.geojson" +
             ": there are no levels (every reading is the same).\n"},
        {{"--export-grid", dir / "a.xyz"},
         "vantrel-cli: --export-grid takes PATH with a known extension (.grd, .tif, .tiff, .asc and .csv), "
         "not '" +
             dir / "a.xyz" + "'\n"},
        {{"--export-contours", dir / "a.kml"},
         "vantrel-cli: --export-contours takes PATH with a known extension (.geojson, .json, .dxf and .shp), "
         "not '" +
             dir / "a.kml" + "'\n"},
    };
    for (const auto& f : failures) {
        p = with(f.args);
        EXPECT_NE(p.status, 0);
        EXPECT_EQ(p.err, f.err);
    }
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"plane.csv"});

    p = RunInProcess({path, "--select", "all", "--export-grid", dir / "a.grd"});
    EXPECT_EQ(p.err,
              "--export-grid has nothing to write: the depth table holds no file yet (calculate it with "
              "--depth first)\n");
    p = with({"--export-grid", dir / "a.csv", "--export-contours", dir / "a.dxf"});
    EXPECT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(ReadAll(dir / "a.csv").substr(0, 44), "position,depth,value\n0,-49,10\n0.3125,-49,10\n");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"a.csv", "a.dxf", "plane.csv"}));
}

TEST(GraphData, PlaneProfileIsSizedByTheGroupsOfTheTableNow)
{
    // After field-source processing of file 2 alone one band, not the three files it counted.
    const CliRun p = RunInProcess(
        {kExample, "--select", "all", "--field-source", "--select", "2", "--graph-data", "plane"});
    EXPECT_EQ(p.out.rfind(R"({"kind":"plane","title":"8000HZ Plane Profile Graph","bands":1,)", 0), 0u)
        << p.err;
}

TEST(GraphData, ChecksAndEmptyCircularGraph)
{
    CliRun p = RunInProcess({kExample, "--graph-data", "vertical", "--dump", "marks"});
    EXPECT_EQ(p.status, 1);
    EXPECT_EQ(p.err, "Please choose data!\n");
    EXPECT_EQ(p.out, "");

    p = RunInProcess({kExample, "--select", "all", "--frequency", "33HZ", "--graph-data", "plane"});
    EXPECT_EQ(p.status, 1);
    EXPECT_EQ(p.err.rfind("No frequency column is titled 33HZ (there are 8000HZ, 5000HZ,", 0), 0u) << p.err;

    p = RunInProcess({DataPath("graphs/three_rows.csv"), "--select", "all", "--graph-data", "circular"});
    EXPECT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(p.out, "{\"kind\":\"circular\",\"title\":\"环形图\",\"charts\":[],\"scroll\":[0,0]}\n");
}

}  // namespace
