#include "import/linereader.h"
#include "import/surveyloader.h"
#include "import/textimporter.h"
#include "import/textlayout.h"
#include "messages.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace vantrel;
using namespace vantrel::test;

namespace {

ImportResult Import(Survey& survey, const std::string& bytes, const ImportMapping* mapping = nullptr,
                    ByteForm form = ByteForm::SingleOrUtf8)
{
    const ImportMapping used = mapping ? *mapping : GuessMapping(TextLayout(bytes));
    return TextImporter::Import(bytes, used, form, survey, "day1.csv");
}

struct SameAsStandard {
    const char* name;
    std::string file;      // as it comes from the field
    std::string standard;  // the same data in the standard layout
    ByteForm form = ByteForm::SingleOrUtf8;
};

class ImportedSurvey : public ::testing::TestWithParam<SameAsStandard> {};

TEST_P(ImportedSurvey, EqualsFileOpenOfTheStandardLayoutCellForCell)
{
    const SameAsStandard& c = GetParam();
    Survey imported;
    const ImportResult result = Import(imported, c.file, nullptr, c.form);
    ASSERT_TRUE(result.ok) << result.message;
    Loaded standard(c.standard, c.form);
    ASSERT_TRUE(standard.result.Ok());
    EXPECT_EQ(Dump(imported), Dump(standard.survey));
    EXPECT_EQ(result.rows, standard.survey.m_tables.Origin().RowCount());
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ImportedSurvey,
    ::testing::Values(
        SameAsStandard{"QuotedSpreadsheetCells",
                       "\"File\",\"Increment\",\"1000HZ\",\"500HZ\",\"Note\"\n\"1\",\"0\",\"12.5\",\"13.1\","
                       "\"a, \"\"b\"\"\"\n",
                       "FILE\tINCREMENT\t1000HZ\t500HZ\tNOTE\n1\t0\t12.5\t13.1\tA, \"B\"\n"},
        SameAsStandard{"FrequencyTitlesWithoutHz",
                       "file\tincrement\t1000\tf500\t2 kHz\t250 Hz\n3\t0\t1\t2\t3\t4\n",
                       "FILE INCREMENT 1000HZ 500HZ 2000HZ 250HZ\n3 0 1 2 3 4\n"},
        SameAsStandard{"OtherColumnsAfterTheFrequenciesTitlesKeptPlain",
                       "File;Mode;Increment;Date-Time;1000Hz;Profile;Notes here\n3;2;10;2018;1,5;x;a b,c\n",
                       "FILE INCREMENT 1000HZ MODE DATE_TIME PROF_ILE NOTES_HERE\n3 10 1.5 2 2018 X A B,C\n"},
        SameAsStandard{"Utf8WithByteOrderMark",
                       "\xEF\xBB\xBF"
                       "FILE;INCREMENT;1000HZ;备注\n1;0;1,5;测点一\n",
                       "FILE INCREMENT 1000HZ 备注\n1 0 1.5 测点一\n"},
        // 測點 in GB18030 is 9C 79 FC 63: its trail bytes are ASCII letters.
        SameAsStandard{"Gb18030TrailLettersKept",
                       "FILE;INCREMENT;1000HZ;\x9C\x79\xFC\x63\n1;0;1,5;\x9C\x79\n",
                       "FILE INCREMENT 1000HZ \x9C\x79\xFC\x63\n1 0 1.5 \x9C\x79\n", ByteForm::Gb18030}),
    [](const auto& info) { return std::string(info.param.name); });

// A text far longer than what is held at a time, handed over in pieces of
// an odd size, so lines and CR LF pairs break at every kind of place.
TEST(TextImporter, LongTextReadInPiecesEqualsFileOpenAndAReadErrorLoadsNothing)
{
    const std::string header = "File;Increment;1000Hz;500Hz;Note";
    for (const std::string end : {"\n", "\r\n", "\r"}) {
        std::string file = header + end, standard = "FILE INCREMENT 1000HZ 500HZ NOTE\n";
        for (int r = 0; r < 80000; ++r) {
            const std::string n = std::to_string(r);
            const char* rows[][2] = {{"\"2\";#;1,5;-3e2;\"a;b\"", "2 # 1.5 -3e2 a;b"},
                                     {"2;#;7;8;in situ", "2 # 7 8 in situ"},
                                     {"", nullptr},
                                     {header.c_str(), nullptr},
                                     {"2;#;12,25;0;x", "2 # 12.25 0 x"}};
            const auto row = rows[r % 5];
            const auto numbered = [&](std::string text) { return text.replace(text.find('#'), 1, n); };
            file += (row[1] ? numbered(row[0]) : std::string(row[0])) + end;
            if (row[1])
                standard += numbered(row[1]) + "\n";
        }
        // Pieces of 997 bytes, and a read error once `failAt` bytes are given.
        const auto import = [&](Survey& into, std::size_t failAt) {
            std::size_t at = 0;
            LineReader lines([&](char* buffer, std::size_t size) -> std::ptrdiff_t {
                const std::size_t n = std::min({size, std::size_t{997}, file.size() - at});
                if (at + n > failAt)
                    return -1;
                std::memcpy(buffer, file.data() + at, n);
                at += n;
                return static_cast<std::ptrdiff_t>(n);
            });
            return TextImporter::Import(lines, file.size(), GuessMapping(TextLayout(file)),
                                        ByteForm::SingleOrUtf8, into, "big.csv");
        };
        Survey imported, failed;
        const ImportResult result = import(imported, file.size());
        ASSERT_TRUE(result.ok) << result.message;
        EXPECT_EQ(result.repeatedHeaders, 16000u);
        EXPECT_TRUE(Dump(imported) == Dump(Loaded(standard).survey)) << "line end " << end.size();
        EXPECT_EQ(import(failed, file.size() / 2).message, "big.csv File open failed!");
        EXPECT_EQ(failed.m_tables.Origin().RowCount(), 0u);
    }
}

TEST(TextImporter, CellsThatAreNoNumbersStayAndAreMarked)
{
    Survey s;
    const auto result = Import(s, "FILE;INCREMENT;1000HZ;500HZ\n1;0;x;13\n1;;12;\n");
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.markedCells, 3u);
    EXPECT_EQ(TableRows(s.m_tables.Origin()), (Rows{{"1", "0", "X", "13"}, {"1", "-", "12", ""}}));
    EXPECT_EQ(s.m_tables.Marks(), (std::map<int, int>{{0, 2}, {1, 1}}));
}

TEST(TextImporter, BadInputSaysWhyAndLoadsNothing)
{
    const auto mapping = [](std::vector<ImportColumn> columns) {
        ImportMapping m;
        m.separator = ';';
        m.columns = std::move(columns);
        return m;
    };
    const ImportColumn inc{ColumnRole::Increment};
    const auto hz = [](double f) { return ImportColumn{ColumnRole::Frequency, f}; };
    const std::string file = "A;B;C\n1;2;3\n";
    const std::vector<std::pair<ImportMapping, std::string>> cases = {
        {mapping({{}, hz(1000)}), msg::kImportNoIncrement},
        {mapping({inc}), msg::kImportNoFrequency},
        {mapping({inc, hz(0)}),
         "Column 2 (B) is mapped to a frequency that is not a positive number of hertz: "
         "nothing was imported."},
        {mapping({inc, hz(1000), hz(1e3)}),
         "Columns 2 (B) and 3 (C) are both mapped to 1000HZ: nothing was imported."},
        {mapping({inc, inc, hz(1)}),
         "Columns 1 (A) and 2 (B) are both mapped to the increment: nothing was imported."},
        {mapping({inc, {}, {}, hz(1)}),
         "The mapping gives column 4 a role, but the file has 3 columns: nothing was "
         "imported."},
    };
    for (const auto& [m, message] : cases) {
        Survey s;
        const auto result = Import(s, file, &m);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, message);
        EXPECT_FALSE(s.m_frame.HasOpenFile());
    }
    Survey s;
    ImportMapping m = mapping({inc, hz(1)});
    EXPECT_EQ(Import(s, "A;B\n1;2\n1;2;3\n", &m).message,
              "Line 3 of day1.csv has 3 cells where the header has 2: nothing was imported.");
    EXPECT_EQ(s.m_tables.Origin().RowCount(), 0u);
    EXPECT_EQ(Import(s, std::string("A;B\n\0\x01", 7), &m).message,
              "day1.csv is not a text file: nothing was imported.");
}

TEST(TextLayout, GuessesSeparatorDecimalHeaderAndRoles)
{
    const ImportMapping m =
        GuessMapping(TextLayout("\n\"Line\";Increment;F1000;1,5 kHz;Note\n1;0,5;2;3;x\n"));
    EXPECT_EQ(m.separator, ';');
    EXPECT_EQ(m.decimal, ',');
    EXPECT_EQ(m.headerLine, 2);
    ASSERT_EQ(m.columns.size(), 5u);
    EXPECT_EQ(m.columns[1].role, ColumnRole::Increment);
    EXPECT_EQ(m.columns[2], (ImportColumn{ColumnRole::Frequency, 1000}));
    EXPECT_EQ(m.columns[3], (ImportColumn{ColumnRole::Frequency, 1500}));
    EXPECT_EQ(GuessMapping(TextLayout("1 0 2\n1 5 3\n")).headerLine, 0);
    for (const char* title : {"", "HZ", "0", "-5", "f", "1000 Hz x", "Mode"})
        EXPECT_FALSE(FrequencyOfTitle(title, '.')) << title;
}

struct Merge {
    const char* name;
    std::vector<std::string> files;
    std::string expected;  // the merged survey in the standard layout, then the sources
    std::vector<std::string> sources;
};

class SeveralFiles : public ::testing::TestWithParam<Merge> {};

TEST_P(SeveralFiles, BecomeOneSurvey)
{
    TempDir dir;
    std::vector<SurveyLoader::Input> inputs;
    for (std::size_t i = 0; i < GetParam().files.size(); ++i) {
        const std::string name = "day" + std::to_string(i + 1) + ".dat";
        WriteAll(dir / name, GetParam().files[i]);
        inputs.push_back({dir / name, name});
    }
    Survey merged;
    SurveyLoader loader(merged);
    const LoadResult result = loader.Load(inputs);
    ASSERT_TRUE(result.Ok()) << result.read.message;
    Loaded standard(GetParam().expected);
    for (std::size_t f = 0; f < GetParam().sources.size(); ++f)
        standard.survey.m_tree.SetFileSource(static_cast<int>(f), GetParam().sources[f]);
    EXPECT_EQ(Dump(merged), Dump(standard.survey));
    EXPECT_EQ(merged.m_frame.SourceFiles().size(), inputs.size());
}

const std::string kHead = "FILE INCREMENT 1000HZ DATETIME\n";

INSTANTIATE_TEST_SUITE_P(Files, SeveralFiles,
                         ::testing::Values(Merge{"TwoDifferentNumbersKept",
                                                 {kHead + "7 0 1 A\n", kHead + "3 5 2 B\n"},
                                                 kHead + "7 0 1 A\n3 5 2 B\n",
                                                 {"day1.dat", "day2.dat"}},
                                           Merge{"ThreeCollidingRenumberedInOrder",
                                                 {kHead + "1 0 1 A\n", kHead + "1 5 2 B\n",
                                                  kHead + "2 9 3 C\n1 1 1 D\n"},
                                                 kHead + "1 0 1 A\n2 5 2 B\n3 9 3 C\n4 1 1 D\n",
                                                 {"day1.dat", "day2.dat", "day3.dat", "day3.dat"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SurveyLoader, RefusesAFileWithOtherColumnsOrABadRowAndLoadsNothing)
{
    TempDir dir;
    WriteAll(dir / "a.dat", kHead + "1 0 1 A\n");
    WriteAll(dir / "b.dat", "FILE INCREMENT 500HZ DATETIME\n1 0 1 A\n");
    WriteAll(dir / "c.dat", kHead + "1 0\n");
    Survey s;
    SurveyLoader loader(s);
    EXPECT_EQ(loader.Load({{dir / "a.dat", "a.dat"}, {dir / "b.dat", "b.dat"}}).read.message,
              "b.dat does not have the columns of a.dat: none of the files was loaded.");
    EXPECT_FALSE(s.m_frame.HasOpenFile());
    EXPECT_EQ(loader.Load({{dir / "a.dat", "a.dat"}, {dir / "c.dat", "c.dat"}}).read.message,
              "c.dat, line 2: The data rows does not match the Header rows!\nNone of the files was loaded.");
    EXPECT_EQ(s.m_tables.Origin().RowCount(), 0u);
}

}  // namespace
