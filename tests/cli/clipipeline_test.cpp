#include "clisupport.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>

using namespace vantrel;
using namespace vantrel::test;

namespace {

TEST(CommandLine, WrongCommandLinesExitWithTwo)
{
    std::vector<std::vector<std::string>> wrong = {{"a.dat", "--select", ""}};
    for (const char* line :
         {"", "a.dat --bogus", "a.dat --dump", "a.dat --dump tables", "a.dat --select 1,x", "- a.dat -",
          "a.dat --resistivity", "a.dat --graph-data round", "a.dat --graph vertical",
          "a.dat --graph round x.png", "a.dat --graph vertical v.png --size 20001x5", "a.dat --size 0x5",
          "a.dat --size 640", "a.dat --size x5", "a.dat --encoding nosuch"})
        wrong.push_back(Words(line));
    for (const auto& args : wrong) {
        const CliRun r = RunInProcess(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "(none)" : args.back());
        EXPECT_FALSE(r.err.empty());
    }
    const CliRun help = RunInProcess({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--save-depth PATH"), std::string::npos);
}

TEST(CommandLine, FieldFilesComeOutAsUtf8JsonAndOtherLayoutsAreImported)
{
    // 备注 / 测点一 written on a Chinese system (GB18030), µS/cm on a western
    // one (Windows-1252): the JSON holds the characters, not their bytes.
    TempDir dir;
    WriteAll(dir / "gb.csv",
             FieldFile("FILE,INCREMENT,1000HZ,\xB1\xB8\xD7\xA2", "12.5,\xB2\xE2\xB5\xE3\xD2\xBB", 20));
    WriteAll(dir / "latin.csv", FieldFile("FILE,INCREMENT,1000HZ,\xB5S/cm", "12.5,\xB5S", 20));
    WriteAll(dir / "semi.csv", "FILE;INCREMENT;1000HZ\n1;0;12,5\n2;5;x\n");
    WriteAll(dir / "day2.csv", "FILE;INCREMENT;1000HZ\n1;9;7\n");
    WriteAll(dir / "map.json", R"({"separator": ";", "decimal": ",", "headerLine": 1, "columns":
        [{"role": "file"}, {"role": "increment"}, {"role": "frequency", "hz": 1000}]})");
    WriteAll(dir / "imported.vantrel", R"({"vantrel": "project", "version": 1, "data": {"path": "x.csv"},
        "import": {"separator": ";", "decimal": ",", "headerLine": 1, "columns":
        [{"role": "file"}, {"role": "increment"}, {"role": "frequency", "hz": 1000}]}, "steps": []})");
    const std::string semi = dir / "semi.csv", map = dir / "map.json";
    struct Case {
        std::string line;
        int status;
        std::vector<std::string> out;  // the first lines
        std::string err;
    };
    const std::string noFrequency =
        "No frequency column was found (a frequency column's title contains HZ). File > Import Text... reads "
        "files with other layouts.\n";
    for (const Case& c : std::vector<Case>{
             // Bytes that are no text are escaped.
             {DataPath("datafile/binary_bytes.csv"),
              0,
              {R"j(["FILE","INCREMENT","1000HZ","NOTE"])j", R"j(["1","0","12.5","A\u0000B\u00e9\u00ff"])j",
               R"j(["2","5","éTé","X\u000dY"])j", ""},
              ""},
             {dir / "gb.csv",
              0,
              {R"(["FILE","INCREMENT","1000HZ","备注"])", R"(["1","0","12.5","测点一"])"},
              ""},
             {dir / "latin.csv",
              0,
              {R"(["FILE","INCREMENT","1000HZ","µS/CM"])", R"(["1","0","12.5","µS"])"},
              ""},
             {dir / "gb.csv --encoding windows-1252", 0, {R"(["FILE","INCREMENT","1000HZ","±¸×¢"])"}, ""},
             {semi, 0, {R"(["FILE;INCREMENT;1000HZ"])"}, noFrequency},
             {semi + " " + (dir / "day2.csv") + " --import " + map,
              0,
              {R"(["FILE","INCREMENT","1000HZ"])", R"(["1","0","12.5"])", R"(["2","5","X"])",
               R"(["3","9","7"])"},
              "1 cells of the number columns hold no number; they are marked.\n"},
             // A project's mapping reads the inputs as --import does.
             {semi + " " + (dir / "day2.csv") + " --recipe " + (dir / "imported.vantrel"),
              0,
              {R"(["FILE","INCREMENT","1000HZ"])", R"(["1","0","12.5"])", R"(["2","5","X"])",
               R"(["3","9","7"])"},
              "1 cells of the number columns hold no number; they are marked.\n"},
             {semi + " --import " + (dir / "none.json"),
              1,
              {},
              (dir / "none.json") + " File open failed!\n" + (dir / "none.json") +
                  ": No such file or directory\n"},
         }) {
        std::vector<std::string> args = Words(c.line + " --dump origin");
        const CliRun r = RunInProcess(args);
        EXPECT_EQ(r.status, c.status) << c.line;
        EXPECT_EQ(r.err, c.err) << c.line;
        const auto lines = Lines(r.out);
        for (std::size_t i = 0; i < c.out.size(); ++i)
            EXPECT_EQ(i < lines.size() ? lines[i] : "", c.out[i]) << c.line;
    }
}

TEST(CommandLine, LoadFailuresAndStepMessagesEndTheRunWithOne)
{
    // A partial load runs no later step: nothing is dumped, nothing saved.
    // A failed save says why on a line of its own.
    TempDir dir;
    const std::string worked = DataPath("datafile/worked_example.csv"), bad = dir / "missing/out.csv";
    // A spreadsheet's "Unicode Text": UTF-16LE with a byte order mark.
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string_view("FILE\tINCREMENT\t1000HZ\r\n1\t0\t12.5\r\n"))
        utf16 += std::string{c, '\0'};
    WriteAll(dir / "unicode.txt", utf16);
    for (const auto& [args, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"/no/such/file.dat", "--dump", "origin"},
              "/no/such/file.dat File open failed!\n/no/such/file.dat: No such file or directory\n"},
             {{DataPath("datafile/short_row.csv"), "--dump", "origin", "--save-original", dir / "short.csv"},
              "The data rows does not match the Header rows! (line 4)\n"
              "Only 2 of the 4 data rows were read; no step was run.\n"},
             {{dir / "unicode.txt", "--save-original", dir / "unicode.dat"},
              "The data rows does not match the Header rows! (line 1)\n"
              "Only 0 of the 3 data rows were read; no step was run.\n" +
                  dir / "unicode.txt" +
                  " is UTF-16 text (as spreadsheets save \"Unicode Text\"), which is read only as UTF-8 or "
                  "8-bit text: save it as UTF-8 and read it again.\n"},
             {{worked, "--save-original", bad},
              bad + " File save failed!\n" + bad + ": No such file or directory\n"},
             {{worked, "--select", "9", "--dump", "processing"}, "请在文件栏中选择需处理的数据!\n"},
             {{worked, "--depth"}, "Please select the high value that needs to be processed !\n"}}) {
        const CliRun r = RunInProcess(args);
        EXPECT_EQ(r.status, 1) << message;
        EXPECT_EQ(r.err, message);
        EXPECT_TRUE(r.out.empty()) << message;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "short.csv"));
}

TEST(CommandLine, StepsOfTheDesktopRunAsOptions)
{
    // Each pair gives the same tables; --config takes effect where it stands.
    const std::string file = DataPath("datafile/worked_example.csv");
    for (const auto& [one, other] : std::vector<std::pair<std::string, std::string>>{
             {"--select-and-process all", "--select all --field-source"},
             {"--select 1 --search-and-process", "--select 1 --search-bad-points --field-source"},
             {"--select 1:2-9", "--select 1 --select 1:2"},
             {"--select all --config resistivity=100 --depth --dump depth",
              "--resistivity 100 --select all --depth --dump depth"}}) {
        const CliRun ra = RunInProcess(Words(one + " --dump origin --dump processing", file));
        const CliRun rb = RunInProcess(Words(other + " --dump origin --dump processing", file));
        ASSERT_EQ(ra.status, 0) << one << ra.err;
        EXPECT_EQ(ra.out, rb.out) << one;
    }
    const CliRun late =
        RunInProcess(Words(file + " --select all --depth --config resistivity=100 --dump depth"));
    EXPECT_EQ(Lines(late.out)[1], R"j(["1","0","-49","12.5"])j");  // depth ran with the resistivity of 20

    // A plain setting applies to the whole run, even after --depth; "100x" reads as 100.
    const auto lines =
        Lines(RunInProcess(Words("--select all --depth --dump depth --resistivity 100x", file)).out);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], R"j(["1","0","-111","12.5"])j");  // 0.7 * 503.5 * sqrt(100/1000) = 111.45
    EXPECT_EQ(lines[3], R"j(["1","0","-157","13.1"])j");  // 500 Hz: 157.6
}

TEST(CommandLine, ReadsStandardInputAndPipesToTheirEnd)
{
    const std::string file = DataPath("datafile/worked_example.csv");
    const CliRun direct = RunProgram({file, "--dump", "origin"});
    ASSERT_EQ(direct.status, 0) << direct.err;
    ASSERT_EQ(Lines(direct.out).size(), 3u);
    for (const char* input : {"-", "/dev/stdin"}) {
        const CliRun piped = RunProgram({input, "--dump", "origin"}, "cat '" + file + "' |");
        EXPECT_EQ(piped.status, 0) << input << ": " << piped.err;
        EXPECT_EQ(piped.out, direct.out) << input;
    }
}

TEST(CommandLine, NumbersIgnoreTheUserLocale)
{
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 is not generated on this machine";
    std::setlocale(LC_ALL, "C");
    const auto args = Words("--resistivity 12.5 --search-bad-points --select all --depth --dump depth",
                            DataPath("datafile/worked_example.csv"));
    const CliRun german = RunProgram(args, "LC_ALL=de_DE.UTF-8");
    const CliRun plain = RunProgram(args, "LC_ALL=C");
    ASSERT_EQ(german.status, 0) << german.err;
    EXPECT_EQ(german.out, plain.out);
    // 0.7 * 503.5 * sqrt(12.5 / 1000) = 39.4: the 12.5 was read with its point.
    EXPECT_NE(german.out.find(R"j(["1","0","-39","12.500000"])j"), std::string::npos) << german.out;
}

TEST(CommandLine, WholePipelineOnTheExampleMatchesTheIndependentReference)
{
    // Expected rows worked out by tests/cli/reference_pipeline.py, a separate
    // implementation of the processing rules.
    TempDir dir;
    const CliRun r = RunInProcess({kExample, "--correct-bad-points", "--search-bad-points", "--select", "all",
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
