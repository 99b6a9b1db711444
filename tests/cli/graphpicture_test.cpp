// The command line's --graph pictures: through the real program, and the
// step's plumbing with a writer that records what it was handed instead of
// drawing (what the graphs hold is checked through --graph-data, which builds
// them the same way).

#include "clisupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace vantrel;
using namespace vantrel::test;

namespace {

/// A 32-bit number of a picture header.
std::uint32_t Word(const std::string& bytes, std::size_t at, bool bigEndian)
{
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v = (v << 8) | static_cast<unsigned char>(bytes[at + (bigEndian ? i : 3 - i)]);
    return v;
}

// The value of a "Name:   value" line of pdfinfo, without the padding.
std::string Field(const std::string& info, const std::string& name)
{
    const auto at = info.find(name);
    if (at == std::string::npos)
        return {};
    const auto begin = info.find_first_not_of(' ', at + name.size());
    const auto end = info.find('\n', begin);
    return info.substr(begin, end - begin);
}

bool HasTool(const char* name)
{
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

// Skips when this build's command line cannot draw (built without the desktop).
#define REQUIRE_PICTURES(run)                                                                                \
    do {                                                                                                     \
        if ((run).err.find("draws no pictures") != std::string::npos)                                        \
            GTEST_SKIP() << "vantrel-cli was built without the chart code";                                  \
    } while (false)

TEST(GraphPicture, EveryTypeIsWrittenAtItsSize)
{
    TempDir dir;
    std::vector<std::string> args = {kExample, "--select", "all", "--depth"};
    for (const char* f : {"v.png", "v.jpg", "v.bmp", "v.pdf", "v.svg"})
        args.insert(args.end(), {"--graph", "vertical", dir / f});
    // A name near the 255-byte limit saves too: the temporary file's name is short.
    const std::string longName = std::string(246, 'v') + ".png";
    args.insert(args.end(), {"--graph", "vertical", dir / longName, "--size", "640x480"});
    const CliRun r = RunProgram(args);
    REQUIRE_PICTURES(r);
    ASSERT_EQ(r.status, 0) << r.err;

    const std::string png = ReadAll(dir / "v.png"), bmp = ReadAll(dir / "v.bmp");
    ASSERT_GT(png.size(), 24u);
    ASSERT_GT(bmp.size(), 26u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(Word(png, 16, true), 640u);
    EXPECT_EQ(Word(png, 20, true), 480u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(Word(bmp, 18, false), 640u);
    EXPECT_EQ(Word(bmp, 22, false), 480u);
    EXPECT_EQ(ReadAll(dir / "v.jpg").substr(0, 2), "\xFF\xD8");

    EXPECT_EQ(ReadAll(dir / "v.pdf").substr(0, 5), "%PDF-");
    if (HasTool("pdfinfo")) {
        ASSERT_EQ(std::system(("pdfinfo '" + dir / "v.pdf" + "' > '" + dir / "info" + "'").c_str()), 0);
        const std::string info = ReadAll(dir / "info");
        EXPECT_EQ(Field(info, "Pages:"), "1") << info;
        EXPECT_EQ(Field(info, "Page size:"), "640 x 480 pts") << info;
        // Vector text: the title can be found in the page's text.
        if (HasTool("pdftotext")) {
            ASSERT_EQ(std::system(("pdftotext '" + dir / "v.pdf" + "' '" + dir / "v.txt" + "'").c_str()), 0);
            EXPECT_NE(ReadAll(dir / "v.txt").find("File1 Vertical Pro"),
                      std::string::npos);  // "fi" may come as one ligature
        }
    }

    const std::string svg = ReadAll(dir / "v.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("width=\"640"), std::string::npos);
    if (HasTool("xmllint")) {
        EXPECT_EQ(std::system(("xmllint --noout '" + dir / "v.svg" + "'").c_str()), 0);
    }
    // Nothing is left over beside the pictures.
    std::size_t files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path))
        files += e.path().filename() != "info" && e.path().filename() != "v.txt";
    EXPECT_EQ(ReadAll(dir / longName), png);
    EXPECT_EQ(files, 6u);
}

TEST(GraphPicture, PlaneAndCircularAtTheirOwnSize)
{
    TempDir dir;
    const CliRun r = RunProgram({kExample, "--select", "all", "--depth", "--graph", "plane", dir / "p.png",
                                 "--graph", "circular", dir / "c.PNG"});
    REQUIRE_PICTURES(r);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string circular = ReadAll(dir / "c.PNG");
    EXPECT_EQ(ReadAll(dir / "p.png").substr(1, 3), "PNG");
    // 20 frequency columns: 7 rows of three 336-pixel cells.
    EXPECT_EQ(Word(circular, 16, true), 1008u);
    EXPECT_EQ(Word(circular, 20, true), 7u * 336u + 1u);
}

TEST(GraphPicture, FailuresWriteNothing)
{
    TempDir dir;
    // An existing picture is not touched by a failing step.
    WriteAll(dir / "kept.png", "old");
    CliRun r = RunProgram({kExample, "--graph", "vertical", dir / "kept.png"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Please choose data!\n");
    EXPECT_EQ(ReadAll(dir / "kept.png"), "old");

    r = RunProgram({DataPath("graphs/three_rows.csv"), "--select", "all", "--depth", "--graph", "circular",
                    dir / "c.png"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("nothing was drawn"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "c.png"));

    r = RunProgram({kExample, "--select", "all", "--graph", "vertical", dir / "v.gif"});
    REQUIRE_PICTURES(r);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Unknown picture type"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "v.gif"));

    r = RunProgram({kExample, "--select", "all", "--graph", "vertical", dir / "missing/v.png"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Cannot write"), std::string::npos) << r.err;
}

/// One call of the picture writer: "title|path|width|height".
using Calls = std::vector<std::string>;

CliRun RunWith(const std::string& args, Calls& calls, const std::string& failure = {}, bool withWriter = true)
{
    std::ostringstream out, err;
    CliPipeline pipeline(out, err);
    if (withWriter)
        pipeline.SetPictureWriter([&calls, failure](const Graph& graph, const PictureFile& file) {
            calls.push_back(std::visit([](const auto& g) { return g.title; }, graph) + "|" + file.path + "|" +
                            std::to_string(file.width) + "|" + std::to_string(file.height));
            return failure;
        });
    const int status = pipeline.Run(Words(args, kExample));
    return {status, out.str(), err.str()};
}

TEST(GraphWriter, EachKindHandsItsGraphAndTheSize)
{
    Calls calls;
    CliRun o = RunWith("--select all --depth --graph vertical v.png --size 300x200", calls);
    ASSERT_EQ(o.status, 0) << o.err;
    // No --size: the graph's own size.
    o = RunWith("--select all --depth --frequency 1000hz --graph plane p.svg --graph circular c.pdf "
                "--graph section s.png",
                calls);
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(calls,
              (Calls{"File1 Vertical Profile Graph|v.png|300|200", "1000HZ Plane Profile Graph|p.svg|0|0",
                     "File1 circular Graph|c.pdf|0|0", "File1 Pseudo-section|s.png|0|0"}));
}

TEST(GraphWriter, FailuresStopTheRun)
{
    // The writer's error ends the run; the steps after it do not run.
    Calls calls;
    CliRun o = RunWith("--select all --graph vertical v.png --graph plane p.png", calls,
                       "Cannot write v.png: no room");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "Cannot write v.png: no room\n");
    EXPECT_EQ(calls.size(), 1u);

    // Checks come before the writer is asked; a section without depth data is
    // refused rather than drawn empty.
    calls.clear();
    o = RunWith("--select all --graph section s.png", calls);
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("--depth"), std::string::npos);
    EXPECT_TRUE(calls.empty());
}

// Pictures and grids come from a module loaded when first needed: without
// it they fail with the reason, and everything else runs as before.
TEST(GraphWriter, WithoutTheOutputModuleOnlyPicturesAndGridsFail)
{
    TempDir dir;
    const std::string missing = "VANTREL_CLI_OUTPUTS=" + dir / "none.so";
    for (const std::string& step : {"--graph vertical " + dir / "v.png", "--export-grid " + dir / "s.grd"}) {
        const CliRun o = RunProgram(Words("--select all --depth " + step, kExample), missing);
        EXPECT_EQ(o.status, 1);
        EXPECT_NE(o.err.find("vantrel-cli-outputs.so, which could not be loaded (" + dir / "none.so" +
                             " does not exist)"),
                  std::string::npos)
            << o.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "v.png"));
    const CliRun saved =
        RunProgram(Words("--select all --depth --save-depth " + dir / "d.csv", kExample), missing);
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_TRUE(std::filesystem::exists(dir / "d.csv"));
}

// Ten thousand frequency columns, or thousands of files, once laid out band
// by band for minutes. Beyond the limits the picture is refused with a
// message that says what to do; at the limits it is still drawn, and the
// graph's data is written either way.
TEST(GraphWriter, GraphsTooLargeToDrawAreRefused)
{
    struct Case {
        const char* kind;
        int files, frequencies;
        std::string message;  // empty: drawn
    };
    const std::string every = " The pseudo-section map shows every frequency.";
    for (const Case& c : std::vector<Case>{
             {"vertical", 1, 501,
              "The vertical profile stacks one band per frequency and draws at most 500; this one has 501." +
                  every},
             {"vertical", 1, 500, ""},
             {"plane", 501, 2,
              "The plane profile stacks one band per file and draws at most 500; this one has 501. "
              "Choose fewer files with Choose Data."},
             {"plane", 500, 2, ""},
             {"circular", 1, 151,
              "The circular graph draws one chart per frequency and at most 150; this one has 151." + every},
             {"circular", 1, 150, ""},
             {"section", 1, 5000, ""},
         }) {
        std::ostringstream text;
        text << "FILE,INCREMENT";
        for (int f = 0; f < c.frequencies; ++f)
            text << ',' << 10000 - f << "HZ";
        for (int file = 1; file <= c.files; ++file)
            for (int row = 0; row < 4; ++row) {
                text << '\n' << file << ',' << row * 5;
                for (int f = 0; f < c.frequencies; ++f)
                    text << ',' << 100 + (f + row) % 7;
            }
        const std::string path = testing::TempDir() + "/too-large.csv";
        std::ofstream(path, std::ios::binary) << text.str() << '\n';
        Calls calls;
        std::ostringstream out, err;
        CliPipeline pipeline(out, err);
        pipeline.SetPictureWriter([&calls](const Graph&, const PictureFile& file) {
            calls.push_back(file.path);
            return std::string();
        });
        const int status =
            pipeline.Run(Words(std::string("--select all --field-source --depth --graph-data ") + c.kind +
                                   " --graph " + c.kind + " out.png",
                               path));
        EXPECT_EQ(err.str(), c.message.empty() ? "" : c.message + "\n") << c.kind << c.frequencies;
        EXPECT_EQ(status, c.message.empty() ? 0 : 1);
        EXPECT_EQ(calls.size(), c.message.empty() ? 1u : 0u);
        EXPECT_FALSE(out.str().empty());
    }
}

}  // namespace
