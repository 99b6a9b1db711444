#include "clipipeline.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace vantrel;
using vantrel::test::ReadAll;
using vantrel::test::TempDir;

namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

CliRun RunInProcess(std::vector<std::string> args)
{
    std::ostringstream out, err;
    CliPipeline pipeline(out, err);
    CliRun r;
    r.status = pipeline.Run(args);
    r.out = out.str();
    r.err = err.str();
    return r;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::stringstream in(text);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

TEST(CommandLine, WrongCommandLinesExitWithTwo)
{
    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"a.dat", "--bogus"},
                                                                  {"a.dat", "--dump"},
                                                                  {"a.dat", "--dump", "tables"},
                                                                  {"a.dat", "--select", "1,x"},
                                                                  {"a.dat", "--select", ""},
                                                                  {"a.dat", "b.dat"},
                                                                  {"a.dat", "--resistivity"}}) {
        const CliRun r = RunInProcess(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "(none)" : args.back());
        EXPECT_FALSE(r.err.empty());
    }
    const CliRun help = RunInProcess({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--save-depth PATH"), std::string::npos);
}

TEST(CommandLine, DumpsTablesAsJsonLines)
{
    const CliRun r = RunInProcess({vantrel::test::DataPath("datafile/binary_bytes.csv"), "--dump", "origin"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Lines(r.out),
              (std::vector<std::string>{
                  R"j(["FILE","INCREMENT","1000HZ","NOTE"])j",
                  R"j(["1","0","12.5","A\u0000B\u00e9\u00ff"])j",
                  R"j(["2","5","éTé","X\u000dY"])j",
              }));
}

TEST(CommandLine, LoadFailuresAndStepMessagesEndTheRunWithOne)
{
    CliRun r = RunInProcess({"/no/such/file.dat", "--dump", "origin"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "/no/such/file.dat File open failed!\n/no/such/file.dat: No such file or directory\n");
    EXPECT_TRUE(r.out.empty());

    // A partial load runs no later step: nothing is dumped, nothing saved.
    TempDir dir;
    r = RunInProcess({vantrel::test::DataPath("datafile/short_row.csv"), "--dump", "origin",
                      "--save-original", dir / "short.csv"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "The data rows does not match the Header rows! (line 4)\n"
              "Only 2 of the 4 data rows were read; no step was run.\n");
    EXPECT_TRUE(r.out.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "short.csv"));

    // A failed save says why on a line of its own.
    r = RunInProcess(
        {vantrel::test::DataPath("datafile/worked_example.csv"), "--save-original", dir / "missing/out.csv"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              dir / "missing/out.csv File save failed!\n" +
                  dir / "missing/out.csv: No such file or directory\n");

    r = RunInProcess(
        {vantrel::test::DataPath("datafile/worked_example.csv"), "--select", "9", "--dump", "processing"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "请在文件栏中选择需处理的数据!\n");
    EXPECT_TRUE(r.out.empty());

    r = RunInProcess({vantrel::test::DataPath("datafile/worked_example.csv"), "--depth"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Please select the high value that needs to be processed !\n");

    r = RunInProcess(
        {vantrel::test::DataPath("datafile/worked_example.csv"), "--save-depth", "/tmp/never.csv"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "No depth data needs to be saved!\n");
}

TEST(CommandLine, SelectsByFileNumberInTreeOrder)
{
    const CliRun r = RunInProcess({vantrel::test::DataPath("datafile/alternating_files.csv"), "--select",
                                   "2,1", "--dump", "processing"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], R"j(["1","0","12.5","13.1","2","D1"])j");
    EXPECT_EQ(lines[2], R"j(["1","5","12.7","13.0","2","D1B"])j");
    EXPECT_EQ(lines[3], R"j(["2","0","22.5","23.1","2","D2"])j");

    const CliRun only2 = RunInProcess(
        {vantrel::test::DataPath("datafile/alternating_files.csv"), "--select", "2", "--dump", "processing"});
    EXPECT_EQ(Lines(only2.out).size(), 3u);
}

TEST(CommandLine, SettingsApplyToTheWholeRunWherever)
{
    // The resistivity comes after --depth on the line and still applies; "100x" reads as 100.
    const CliRun r = RunInProcess({vantrel::test::DataPath("datafile/worked_example.csv"), "--select", "all",
                                   "--depth", "--dump", "depth", "--resistivity", "100x"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], R"j(["FILE","INCREMENT","Height(H)","Value(V)"])j");
    EXPECT_EQ(lines[1], R"j(["1","0","-111","12.5"])j");  // 0.7 * 503.5 * sqrt(100/1000) = 111.45
    EXPECT_EQ(lines[3], R"j(["1","0","-157","13.1"])j");  // 500 Hz: 157.6
}

CliRun RunProcess(const std::vector<std::string>& args, const std::string& env)
{
    std::string command = env + " '" + VANTREL_CLI + "'";
    for (const auto& a : args)
        command += " '" + a + "'";
    TempDir dir;
    command += " 2>'" + dir / "err" + "'";
    CliRun r;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0)
        r.out.append(buf, n);
    const int status = ::pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.err = ReadAll(dir / "err");
    return r;
}

TEST(CommandLine, ReadsStandardInputAndPipesToTheirEnd)
{
    const std::string file = vantrel::test::DataPath("datafile/worked_example.csv");
    const CliRun direct = RunProcess({file, "--dump", "origin"}, "");
    ASSERT_EQ(direct.status, 0) << direct.err;
    ASSERT_EQ(Lines(direct.out).size(), 3u);
    for (const char* input : {"-", "/dev/stdin"}) {
        const CliRun piped = RunProcess({input, "--dump", "origin"}, "cat '" + file + "' |");
        EXPECT_EQ(piped.status, 0) << input << ": " << piped.err;
        EXPECT_EQ(piped.out, direct.out) << input;
    }
}

TEST(CommandLine, NumbersIgnoreTheUserLocale)
{
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 is not generated on this machine";
    std::setlocale(LC_ALL, "C");
    const std::vector<std::string> args = {vantrel::test::DataPath("datafile/worked_example.csv"),
                                           "--resistivity",
                                           "12.5",
                                           "--search-bad-points",
                                           "--select",
                                           "all",
                                           "--depth",
                                           "--dump",
                                           "depth"};
    const CliRun german = RunProcess(args, "LC_ALL=de_DE.UTF-8");
    const CliRun plain = RunProcess(args, "LC_ALL=C");
    ASSERT_EQ(german.status, 0) << german.err;
    EXPECT_EQ(german.out, plain.out);
    // 0.7 * 503.5 * sqrt(12.5 / 1000) = 39.4: the 12.5 was read with its point.
    EXPECT_NE(german.out.find(R"j(["1","0","-39","12.500000"])j"), std::string::npos) << german.out;
}

}  // namespace

namespace {

TEST(CommandLine, WholePipelineOnTheExampleMatchesTheIndependentReference)
{
    // Expected rows worked out by tests/cli/reference_pipeline.py, a separate
    // implementation of the processing rules.
    TempDir dir;
    const std::string example = std::string(VANTREL_EXAMPLES) + "/line1.dat";
    const CliRun r = RunInProcess({example, "--correct-bad-points", "--search-bad-points", "--select", "all",
                                   "--field-source", "--depth", "--dump", "depth", "--save-depth",
                                   dir / "depth.csv", "--save-original", dir / "repaired.dat"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");  // corrected before the search: nothing left to mark
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3601u);
    const std::vector<std::pair<std::size_t, std::string>> expected = {
        {0, R"j(["1","0","-17","323.4674"])j"},     {1, R"j(["1","5","-17","323.7966"])j"},
        {59, R"j(["1","295","-17","327.7343"])j"},  {60, R"j(["1","0","-22","113.7400"])j"},
        {1219, R"j(["2","95","-17","313.9952"])j"}, {3599, R"j(["3","295","-1576","371.2326"])j"}};
    for (const auto& [index, row] : expected)
        EXPECT_EQ(lines[index + 1], row) << index;

    const std::string depth = ReadAll(dir / "depth.csv");
    EXPECT_EQ(depth.substr(0, 61), "Increment Value,Height,Value,FileID\r\n0,-17,323.4674,1,\r\n5,-17");

    // The repaired readings went back into the original data file.
    const auto saved = Lines(ReadAll(dir / "repaired.dat"));
    ASSERT_EQ(saved.size(), 181u);
    const std::string tail = "\t6.035000\t2\t20260302090700\t\r";
    EXPECT_EQ(saved[55].substr(saved[55].size() - tail.size()), tail);
}

}  // namespace
