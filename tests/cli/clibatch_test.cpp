// --batch through the real program: each input's outputs in the folder under
// its own name, a broken input failing alone, the outputs those of the run
// on its own.

#include "clisupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vantrel::test;

namespace {

const std::string kRecipe = std::string(VANTREL_EXAMPLES) + "/pipeline.vantrel";

TEST(CliBatch, TenInputsWithOneBrokenEachWriteTheirOwnOutputsInTheFolder)
{
    TempDir dir;
    std::vector<std::string> args{"--recipe", kRecipe, "--batch", dir / "out"};
    const std::string example = ReadAll(kExample);
    for (int i = 1; i <= 10; ++i) {
        const std::string input = dir / ("line" + std::to_string(i) + ".dat");
        WriteAll(input, i == 4 ? "not a survey\n" : example);
        args.push_back(input);
    }
    for (const std::string& word : Words("--save-depth {name}-depth.csv --save-original repaired.dat "
                                         "--export-grid {name}.grd --export-contours {name}.geojson "
                                         "--graph section {name}.svg"))
        args.push_back(word);
    const CliRun batch = RunProgram(args);
    EXPECT_EQ(batch.status, 1);
    EXPECT_NE(batch.err.find("\n9 done, 1 failed\n" + dir / "line4.dat" +
                             ": The data rows does not match the Header rows! (line 1)\n"),
              std::string::npos)
        << batch.err;

    TempDir one;
    const CliRun alone = RunProgram({kExample, "--recipe", kRecipe, "--save-depth", one / "depth.csv",
                                     "--save-original", one / "repaired.dat", "--export-grid", one / "s.grd",
                                     "--export-contours", one / "c.geojson"});
    ASSERT_EQ(alone.status, 0) << alone.err;
    const std::string out = dir / "out";
    for (int i = 1; i <= 10; ++i) {
        const std::string name = out + "/line" + std::to_string(i);
        SCOPED_TRACE(name);
        if (i == 4) {
            EXPECT_FALSE(std::filesystem::exists(name + "-depth.csv"));
            continue;
        }
        EXPECT_TRUE(ReadAll(name + "-depth.csv") == ReadAll(one / "depth.csv"));
        EXPECT_TRUE(ReadAll(name + "-repaired.dat") == ReadAll(one / "repaired.dat"));
        // The grid exports, too, land in the folder under the input's name.
        EXPECT_TRUE(ReadAll(name + ".grd") == ReadAll(one / "s.grd"));
        EXPECT_TRUE(ReadAll(name + ".geojson") == ReadAll(one / "c.geojson"));
        EXPECT_TRUE(std::filesystem::exists(name + ".svg"));
    }
    // Nothing written beside the inputs.
    EXPECT_EQ(dir.Names().size(), 11u);
}

}  // namespace
