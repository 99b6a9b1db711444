// The --graph step's plumbing in the pipeline, with a writer that records
// what it was handed instead of drawing.

#include "clipipeline.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace vantrel;

namespace {

const std::string kExample = std::string(VANTREL_EXAMPLES) + "/line1.dat";

struct Recorded {
    int calls = 0;
    std::string path;
    int width = -1, height = -1;
    std::size_t curves = 0, charts = 0, heights = 0;
    std::string title;
};

struct Outcome {
    int status = -1;
    std::string err;
};

Outcome RunWith(std::vector<std::string> args, Recorded* seen, std::string failure = {},
                bool withWriter = true)
{
    std::ostringstream out, err;
    CliPipeline pipeline(out, err);
    if (withWriter)
        pipeline.SetPictureWriter([seen, failure](const Graph& graph, const PictureFile& file) {
            ++seen->calls;
            seen->path = file.path;
            seen->width = file.width;
            seen->height = file.height;
            const auto* p = std::get_if<ProfileGraph>(&graph);
            const auto* c = std::get_if<CircularGraph>(&graph);
            const auto* s = std::get_if<SectionGraph>(&graph);
            seen->curves = p ? p->curves.size() : 0;
            seen->charts = c ? c->charts.size() : 0;
            seen->heights = s ? s->heights.size() : 0;
            seen->title = p ? p->title : c ? c->title : s->title;
            return failure;
        });
    Outcome o;
    o.status = pipeline.Run(args);
    o.err = err.str();
    return o;
}

TEST(GraphWriter, EachKindHandsItsGraphAndTheSize)
{
    Recorded seen;
    Outcome o = RunWith(
        {kExample, "--select", "all", "--depth", "--graph", "vertical", "v.png", "--size", "300x200"}, &seen);
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.path, "v.png");
    EXPECT_EQ(seen.width, 300);
    EXPECT_EQ(seen.height, 200);
    EXPECT_EQ(seen.curves, 20u);
    EXPECT_EQ(seen.title, "File1 Vertical Profile Graph");

    seen = {};
    o = RunWith({kExample, "--select", "all", "--depth", "--frequency", "1000hz", "--graph", "plane",
                 "a b.svg", "--graph", "circular", "c.pdf"},
                &seen);
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(seen.calls, 2);
    EXPECT_EQ(seen.path, "c.pdf");
    EXPECT_EQ(seen.charts, 20u);
    EXPECT_EQ(seen.width, 0);  // no --size: the graph's own size

    seen = {};
    o = RunWith({kExample, "--select", "all", "--depth", "--graph", "section", "s.png"}, &seen);
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.heights, 20u);
    EXPECT_EQ(seen.curves + seen.charts, 0u);
    EXPECT_EQ(seen.title, "File1 Pseudo-section");
}

TEST(GraphWriter, FailuresStopTheRun)
{
    Recorded seen;
    // The writer's error ends the run; the steps after it do not run.
    Outcome o =
        RunWith({kExample, "--select", "all", "--graph", "vertical", "v.png", "--graph", "plane", "p.png"},
                &seen, "Cannot write v.png: no room");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "Cannot write v.png: no room\n");
    EXPECT_EQ(seen.calls, 1);

    // Checks come before the writer is asked.
    seen = {};
    o = RunWith({kExample, "--graph", "plane", "p.png"}, &seen);
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "Please choose data!\n");
    EXPECT_EQ(seen.calls, 0);

    // A section without depth data is refused rather than drawn empty.
    seen = {};
    o = RunWith({kExample, "--select", "all", "--graph", "section", "s.png"}, &seen);
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("--depth"), std::string::npos);
    EXPECT_EQ(seen.calls, 0);

    // Without a writer the step says so instead of claiming success.
    o = RunWith({kExample, "--select", "all", "--graph", "vertical", "v.png"}, &seen, {}, false);
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("draws no pictures"), std::string::npos);

    // A wrong size or a missing file name is a wrong command line: nothing runs.
    for (const auto& args : std::vector<std::vector<std::string>>{
             {kExample, "--select", "all", "--graph", "vertical", "v.png", "--size", "20001x5"},
             {kExample, "--select", "all", "--graph", "vertical", "v.png", "--size", "x5"},
             {kExample, "--select", "all", "--graph", "vertical"}}) {
        seen = {};
        EXPECT_EQ(RunWith(args, &seen).status, 2);
        EXPECT_EQ(seen.calls, 0);
    }
}

// Ten thousand frequency columns, or thousands of files, once laid out band
// by band for minutes. Beyond the limits the picture is refused with a
// message that says what to do; at the limits it is still drawn.
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
        Recorded seen;
        const Outcome o = RunWith({path, "--select", "all", "--field-source", "--depth", "--graph", c.kind,
                                   "out.png", "--graph-data", c.kind},
                                  &seen);
        EXPECT_EQ(o.err, c.message.empty() ? "" : c.message + "\n") << c.kind << c.frequencies;
        EXPECT_EQ(o.status, c.message.empty() ? 0 : 1);
        EXPECT_EQ(seen.calls, c.message.empty() ? 1 : 0);
    }
}

}  // namespace
