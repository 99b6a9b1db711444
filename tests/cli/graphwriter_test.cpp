// The --graph step's plumbing in the pipeline, with a writer that records
// what it was handed instead of drawing. What the graphs hold is checked
// through --graph-data, which builds them the same way.

#include "clisupport.h"

#include <gtest/gtest.h>

using namespace vantrel;
using namespace vantrel::test;

namespace {

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
    o = RunWith("--graph plane p.png", calls);
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "Please choose data!\n");
    o = RunWith("--select all --graph section s.png", calls);
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("--depth"), std::string::npos);
    EXPECT_TRUE(calls.empty());

    // Without a writer the step says so instead of claiming success.
    o = RunWith("--select all --graph vertical v.png", calls, {}, false);
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("draws no pictures"), std::string::npos);
}

}  // namespace
