#include "datafile/datafilereader.h"
#include "datafile/textcase.h"
#include "messages.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <streambuf>
#include <sys/stat.h>
#include <thread>

using namespace vantrel;
using namespace vantrel::test;

namespace {

/// "a|b|c" as its fields; "" as none.
std::vector<std::string> Fields(const std::string& text)
{
    std::vector<std::string> fields;
    for (std::size_t from = 0; !text.empty() && from <= text.size();) {
        const std::size_t bar = std::min(text.find('|', from), text.size());
        fields.push_back(text.substr(from, bar - from));
        from = bar + 1;
    }
    return fields;
}

struct ReaderCase {
    const char* fixture;
    ReadResult::Status status;
    std::string header;  // fields as "a|b|c"
    std::vector<std::string> origin;
    std::string frequencies;
};

void PrintTo(const ReaderCase& c, std::ostream* os)
{
    *os << c.fixture;
}

class ReaderFixtures : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(ReaderFixtures, LoadsAsTheFormatSays)
{
    const ReaderCase& c = GetParam();
    Loaded loaded(ReadAll(DataPath(std::string("datafile/") + c.fixture)));
    Rows origin;
    for (const std::string& row : c.origin)
        origin.push_back(Fields(row));
    EXPECT_EQ(loaded.result.status, c.status) << loaded.result.message;
    EXPECT_EQ(loaded.survey.m_frame.HeaderColumns(), Fields(c.header));
    EXPECT_EQ(TableRows(loaded.survey.m_tables.Origin()), origin);
    EXPECT_EQ(loaded.survey.m_tree.Frequencies(), Fields(c.frequencies));
    EXPECT_EQ(loaded.result.firstFreqNumber, c.header.empty() ? 0 : 3);
    EXPECT_EQ(loaded.listener.rowItems.size(), origin.size());
    EXPECT_EQ(loaded.result.rowsLoaded, origin.size());
    EXPECT_EQ(loaded.result.Partial(), c.status == ReadResult::Status::RowsMismatch);
    if (loaded.result.Partial())
        EXPECT_EQ(loaded.result.message, msg::kRowsMismatch);
    else
        EXPECT_EQ(loaded.result.dataLines, loaded.result.rowsLoaded);
}

const std::string kWorked = "FILE|INCREMENT|1000HZ|500HZ|MODE|DATETIME", kTwo = "1000HZ|500HZ";
const std::string kRow1 = "1|0|12.5|13.1|2|20180412", kOne = "1000HZ", kHead3 = "FILE|INCREMENT|1000HZ";
const std::string kHead5 = "FILE|INCREMENT|1000HZ|MODE|DATETIME";
constexpr auto kLoaded = ReadResult::Status::Loaded, kMismatch = ReadResult::Status::RowsMismatch;

INSTANTIATE_TEST_SUITE_P(
    Fixtures, ReaderFixtures,
    ::testing::Values(
        ReaderCase{"worked_example.csv", kLoaded, kWorked, {kRow1, "1|5|12.7|13.0|2|20180412"}, kTwo},
        // The third line has three fields where six are needed: reading stops, the rows before stay.
        ReaderCase{"short_row.csv", kMismatch, kWorked, {kRow1, "1|5|12.7|13.0|2|20180412"}, kTwo},
        ReaderCase{"five_fields.csv", kLoaded, kWorked, {"1|15|12.8|13.2|2|"}, kTwo},
        ReaderCase{"surplus_fields.csv", kLoaded, kWorked, {"1|0|12.5|13.1|2|20180412,9"}, kTwo},
        // A line that begins with INCREMENT is no header: it is a data line before any header.
        ReaderCase{"header_at_start.csv", kMismatch, "", {}, ""},
        ReaderCase{"data_before_header.csv", kMismatch, "", {}, ""},
        ReaderCase{"blank_lines.dat", kLoaded, kHead3, {"1|0|12.5", "2|5|13.5"}, kOne},
        // Runs of delimiters count as one; the last field is the rest after one delimiter
        // (its trailing separators dropped).
        ReaderCase{"mixed_delimiters.dat",
                   kLoaded,
                   kHead3 + "|500HZ",
                   {"1|0|12.5| \t 13.1", "1|5|12.6|,\t13.2"},
                   kTwo},
        ReaderCase{"lower_case.csv", kLoaded, kHead5, {"1|0|12.5|2|20180412ABC"}, kOne},
        // After a dash column, 100HZ is a plain column; FILE-ID is the file column; FREQ-ID is plain.
        ReaderCase{"dash_columns.csv",
                   kLoaded,
                   "FILE|INCREMENT|1-5|2-10|100HZ|FILE-ID|FREQ-ID",
                   {"3|0|1.5|2.5|3.5|7|8"},
                   "1-5|2-10"},
        ReaderCase{"second_header.csv", kLoaded, kHead3, {"1|0|12.5", "1|5|12.7"}, kOne},
        // Quotes protect nothing: they are delimiters, except inside the verbatim last field.
        ReaderCase{"quoted.csv", kLoaded, kHead5, {"1|0|12.5|2|,\"2018,04 12\""}, kOne},
        ReaderCase{"empty.dat", kLoaded, "", {}, ""},
        ReaderCase{"header_only.dat", kLoaded, kHead3, {}, kOne},
        // Bytes are kept as they are: NUL, Latin-1, UTF-8, a lone CR inside a line.
        ReaderCase{"binary_bytes.csv",
                   kLoaded,
                   kHead3 + "|NOTE",
                   {"1|0|12.5|" + std::string("A\0B\xe9\xff", 5), "2|5|\xc3\xa9T\xc3\xa9|X\rY"},
                   kOne},
        ReaderCase{"trailing_separators.csv", kLoaded, kWorked, {kRow1, "1|5|12.7|13.0|2|"}, kTwo},
        // White space after leading separators or before trailing ones is trimmed like the line's.
        ReaderCase{"white_space_at_line_ends.csv", kLoaded, kHead3, {"1|0|12.5", "2|5|13.5"}, kOne}));

/// A survey read from a file by the reader, as File Open reads it.
struct FromFile {
    Survey survey;
    DataFileReader reader{survey.m_frame, survey.m_tables, survey.m_tree};
    ReadResult Read(const std::string& path, const std::string& shown = {})
    {
        return reader.ReadFile(path, shown.empty() ? path : shown);
    }
};

TEST(DataFileReader, HandsRowItemsAndColumnsOfAllThreeTables)
{
    Loaded worked(ReadAll(DataPath("datafile/worked_example.csv")));
    EXPECT_EQ(worked.listener.rowItems,
              (std::vector<std::string>{"1|20180412|0|INCREMENT|2|MODE", "1|20180412|5|INCREMENT|2|MODE"}));
    const OutputTables& t = worked.survey.m_tables;
    EXPECT_EQ(t.ProcFreqColumns(), 2);
    EXPECT_EQ(t.Processing().Titles(), Fields(kWorked));
    EXPECT_EQ(t.Depth().Titles(), Fields("FILE|INCREMENT|Height(H)|Value(V)"));

    // PROFILE counts as the file column, STATION_INCREMENT as the increment.
    Loaded substrings(ReadAll(DataPath("datafile/keyword_substrings.csv")));
    EXPECT_EQ(substrings.listener.rowItems, (std::vector<std::string>{"7|D1|40|STATION_INCREMENT|3|MODE"}));

    // Without MODE and DATETIME the roles fall back to column 0.
    Loaded plain(ReadAll(DataPath("datafile/blank_lines.dat")));
    EXPECT_EQ(plain.listener.rowItems.front(), "1|1|0|INCREMENT|1|FILE");

    Loaded dash(ReadAll(DataPath("datafile/dash_columns.csv")));
    EXPECT_TRUE(dash.survey.m_frame.DashColumns());
    // 100HZ is plain for the reader but still a frequency title for the tables.
    EXPECT_EQ(dash.survey.m_tables.FreqColumns(), 3);

    // Keyword columns beyond the 256th.
    std::string header, row;
    for (int i = 0; i < 300; ++i) {
        header += "C" + std::to_string(i) + ",";
        row += std::to_string(i) + ",";
    }
    header += "FILE,INCREMENT,1000HZ,MODE,DATETIME\n";
    row += "9,45,1.5,4,STAMP\n";
    Loaded far(header + row);
    ASSERT_TRUE(far.result.Ok());
    EXPECT_EQ(far.listener.rowItems, (std::vector<std::string>{"9|STAMP|45|INCREMENT|4|MODE"}));
    EXPECT_EQ(far.result.firstFreqNumber, 303);
}

TEST(DataFileReader, AVeryLongLineOfManyColumnsStopsWithAMessage)
{
    // (Noise of any kind runs through the reader in FuzzCorpus.)
    std::string wide = "FILE,INCREMENT";
    for (int i = 0; i < 100000; ++i)
        wide += "," + std::to_string(i + 1) + "HZ";
    wide += "\n1,0" + std::string(2'000'000, ',') + "5\n";
    Loaded wideLoad(wide);
    EXPECT_EQ(wideLoad.result.status, ReadResult::Status::RowsMismatch);
    EXPECT_EQ(wideLoad.result.message, msg::kRowsMismatch);
    EXPECT_EQ(wideLoad.survey.m_frame.HeaderColumns().size(), 100002u);
}

TEST(DataFileReader, FilesOpenReadOnlyAndFailuresNameThePath)
{
    TempDir dir;
    const std::string path = dir / "locked.csv";
    WriteAll(path, ReadAll(DataPath("datafile/worked_example.csv")));
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    FromFile locked;
    const ReadResult ok = locked.Read(path);
    EXPECT_TRUE(ok.Ok());
    EXPECT_EQ(ok.rowsLoaded, 2u);

    for (const std::string& bad : {dir / "missing.dat", dir.path.string()}) {
        FromFile other;
        const ReadResult failed = other.Read(bad, "shown/path.DAT");
        EXPECT_EQ(failed.status, ReadResult::Status::OpenFailed);
        EXPECT_EQ(failed.message, "shown/path.DAT File open failed!");
        EXPECT_TRUE(other.survey.m_frame.HeaderColumns().empty());
    }
}

/// Serves its text, then fails the way a disk or a network share does.
class FailingBuffer : public std::streambuf {
public:
    explicit FailingBuffer(std::string text) : m_text(std::move(text))
    {
        setg(m_text.data(), m_text.data(), m_text.data() + m_text.size());
    }

protected:
    int_type underflow() override { throw std::ios_base::failure("device gone"); }

private:
    std::string m_text;
};

TEST(DataFileReader, AReadErrorIsAPartialLoadNeverASuccess)
{
    // The error strikes in the middle of the third data row: that half row is
    // not loaded, the two before it are.
    const std::string head = "FILE,INCREMENT,1000HZ\n1,0,12.5\n1,5,12.7\n1,10,1";
    FailingBuffer midway(head);
    std::istream in(&midway);
    FromFile f;
    const ReadResult r = f.reader.ReadStream(in, "line7.dat");
    EXPECT_EQ(r.status, ReadResult::Status::ReadIncomplete);
    EXPECT_TRUE(r.Partial());
    EXPECT_EQ(r.message,
              "line7.dat could not be read completely: the rows after the read error were not loaded.");
    EXPECT_EQ(r.reason, "Input/output error");
    EXPECT_EQ(r.rowsLoaded, 2u);
    EXPECT_EQ(r.lineNumber, 4u);
    EXPECT_EQ(TableRows(f.survey.m_tables.Origin()), (Rows{{"1", "0", "12.5"}, {"1", "5", "12.7"}}));

    // Failing before the first byte: nothing was read at all.
    FailingBuffer atOnce("");
    std::istream none(&atOnce);
    const ReadResult failed = FromFile().reader.ReadStream(none, "gone.dat");
    EXPECT_EQ(failed.status, ReadResult::Status::OpenFailed);
    EXPECT_EQ(failed.message, "gone.dat File open failed!");
    EXPECT_FALSE(failed.Partial());
}

TEST(DataFileReader, PartialLoadsCountTheRowsThatWereNotRead)
{
    // short_row.csv: two rows load, the third is short, a fourth follows.
    Loaded stopped(ReadAll(DataPath("datafile/short_row.csv")) + "\n\nFILE,INCREMENT,X\n1,20,1,2,3,4\n");
    EXPECT_TRUE(stopped.result.Partial());
    EXPECT_EQ(stopped.result.rowsLoaded, 2u);
    EXPECT_EQ(stopped.result.dataLines, 5u);  // blank lines and a second header are no data
    EXPECT_EQ(stopped.result.lineNumber, 4u);

    // Data before any header fails on its first line: nothing loaded, still partial.
    Loaded noHeader("1,0,12.5\n1,5,12.7\nFILE,INCREMENT,1000HZ\n");
    EXPECT_TRUE(noHeader.result.Partial());
    EXPECT_EQ(noHeader.result.rowsLoaded, 0u);
    EXPECT_EQ(noHeader.result.dataLines, 2u);
}

TEST(DataFileReader, FilesAndPipesReadOnTwoThreadsLoadAsBuffersDo)
{
    // Every fixture from a file as from a buffer; then a large file (read
    // ahead on a second thread, lines straddling its chunks) with a short row far inside it.
    TempDir dir;
    for (const auto& entry : std::filesystem::directory_iterator(DataPath("datafile"))) {
        Loaded fromBuffer(ReadAll(entry.path().string()));
        FromFile f;
        const ReadResult r = f.Read(entry.path().string(), "The file");
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(r.status, fromBuffer.result.status) << name;
        EXPECT_EQ(r.message, fromBuffer.result.message) << name;
        EXPECT_EQ(r.lineNumber, fromBuffer.result.lineNumber) << name;
        EXPECT_EQ(r.dataLines, fromBuffer.result.dataLines) << name;
        EXPECT_EQ(TableRows(f.survey.m_tables.Origin()), TableRows(fromBuffer.survey.m_tables.Origin()))
            << name;
    }
    std::string text = "file\tincrement\t1000hz\tnote\r\n";
    for (int i = 0; i < 120000; ++i) {
        text += std::to_string(i / 100) + "\t" + std::to_string(i) + "\t12.5\t" +
            std::string(static_cast<std::size_t>(i % 53), 'n') + "\r\n";
        if (i == 100000)
            text += "7\t8\r\n\r\n";
    }
    WriteAll(dir / "big.dat", text);
    FromFile f;
    int progressCalls = 0;
    f.reader.SetProgress([&](std::uint64_t done, std::uint64_t total) {
        ++progressCalls;
        EXPECT_LE(done, total);
    });
    const ReadResult r = f.Read(dir / "big.dat");
    EXPECT_GT(progressCalls, 1);
    EXPECT_EQ(r.status, ReadResult::Status::RowsMismatch);
    EXPECT_EQ(r.rowsLoaded, 100001u);
    EXPECT_EQ(r.lineNumber, 100003u);
    EXPECT_EQ(r.dataLines, 120001u);
    Loaded fromBuffer(text);
    EXPECT_EQ(TableRows(f.survey.m_tables.Origin()), TableRows(fromBuffer.survey.m_tables.Origin()));
    EXPECT_EQ(f.survey.m_tables.Origin().Cell(100000, 3), std::string(100000 % 53, 'N'));

    // The same bytes through a pipe, drained in several reads to its end.
    const std::string fifo = dir / "live.dat";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] { WriteAll(fifo, text); });
    FromFile piped;
    const ReadResult p = piped.Read(fifo);
    writer.join();
    EXPECT_EQ(p.rowsLoaded, 100001u);
    EXPECT_EQ(p.dataLines, 120001u);
    EXPECT_EQ(TableRows(piped.survey.m_tables.Origin()), TableRows(fromBuffer.survey.m_tables.Origin()));
}

TEST(TextCase, UpperCasesAsciiLettersOnlyAtEveryPositionAndLength)
{
    // Every byte value at every offset of the eight-byte steps and in the tail.
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(c);
    for (std::size_t shift = 0; shift < 9; ++shift) {
        const std::string text = std::string(shift, 'q') + all;
        std::string expected = text;
        for (char& c : expected)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        EXPECT_EQ(ToUpperAscii(text), expected) << shift;
    }
}

}  // namespace
