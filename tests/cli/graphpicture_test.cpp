// The command line's --graph pictures, through the real program.

#include "testsupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

const std::string kExample = std::string(VANTREL_EXAMPLES) + "/line1.dat";

using vantrel::test::ReadAll;

struct CliRun {
    int status = -1;
    std::string err;
};

CliRun RunCli(const std::vector<std::string>& args, const vantrel::test::TempDir& dir)
{
    std::string command = "'" + std::string(VANTREL_CLI) + "'";
    for (const auto& a : args)
        command += " '" + a + "'";
    const int raw = std::system((command + " >/dev/null 2>'" + dir / "stderr" + "'").c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(dir / "stderr")};
}

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
    vantrel::test::TempDir dir;
    std::vector<std::string> args = {kExample, "--select", "all", "--depth"};
    for (const char* f : {"v.png", "v.jpg", "v.bmp", "v.pdf", "v.svg"})
        args.insert(args.end(), {"--graph", "vertical", dir / f});
    // A name near the 255-byte limit saves too: the temporary file's name is short.
    const std::string longName = std::string(246, 'v') + ".png";
    args.insert(args.end(), {"--graph", "vertical", dir / longName, "--size", "640x480"});
    const CliRun r = RunCli(args, dir);
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
    if (HasTool("xmllint"))
        EXPECT_EQ(std::system(("xmllint --noout '" + dir / "v.svg" + "'").c_str()), 0);
    // Nothing is left over beside the pictures.
    std::size_t files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path))
        files += e.path().filename() != "stderr" && e.path().filename() != "info" &&
            e.path().filename() != "v.txt";
    EXPECT_EQ(ReadAll(dir / longName), png);
    EXPECT_EQ(files, 6u);
}

TEST(GraphPicture, DefaultSizesPlaneAndCircular)
{
    vantrel::test::TempDir dir;
    const CliRun r = RunCli({kExample, "--select", "all", "--depth", "--graph", "plane", dir / "p.png",
                             "--graph", "circular", dir / "c.PNG"},
                            dir);
    REQUIRE_PICTURES(r);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string plane = ReadAll(dir / "p.png"), circular = ReadAll(dir / "c.PNG");
    EXPECT_EQ(Word(plane, 16, true), 1200u);
    EXPECT_EQ(Word(plane, 20, true), 800u);
    // 20 frequency columns: 7 rows of three 336-pixel cells.
    EXPECT_EQ(Word(circular, 16, true), 1008u);
    EXPECT_EQ(Word(circular, 20, true), 7u * 336u + 1u);
}

TEST(GraphPicture, FailuresWriteNothing)
{
    vantrel::test::TempDir dir;
    // An existing picture is not touched by a failing step.
    vantrel::test::WriteAll(dir / "kept.png", "old");
    CliRun r = RunCli({kExample, "--graph", "vertical", dir / "kept.png"}, dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Please choose data!\n");
    EXPECT_EQ(ReadAll(dir / "kept.png"), "old");

    r = RunCli({vantrel::test::DataPath("graphs/three_rows.csv"), "--select", "all", "--depth", "--graph",
                "circular", dir / "c.png"},
               dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("nothing was drawn"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "c.png"));

    r = RunCli({kExample, "--select", "all", "--graph", "vertical", dir / "v.gif"}, dir);
    REQUIRE_PICTURES(r);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Unknown picture type"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "v.gif"));

    r = RunCli({kExample, "--select", "all", "--graph", "vertical", dir / "missing/v.png"}, dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Cannot write"), std::string::npos) << r.err;

    for (const auto& wrong : std::vector<std::vector<std::string>>{
             {"--graph", "vertical"}, {"--graph", "round", "x.png"}, {"--size", "0x5"}, {"--size", "640"}}) {
        std::vector<std::string> args = {kExample};
        args.insert(args.end(), wrong.begin(), wrong.end());
        EXPECT_EQ(RunCli(args, dir).status, 2) << wrong.back();
    }
}

}  // namespace
