#include "datafile/depthwriter.h"
#include "datafile/originwriter.h"
#include "datafile/safefilewriter.h"
#include "messages.h"
#include "processing/dataselection.h"
#include "processing/depthcalculation.h"
#include "testsupport.h"
#include "threads/workcontrol.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace vantrel;
using namespace vantrel::test;

namespace {

const char* kSmall = "FILE,INCREMENT,1000HZ\n1,0,12.5\n";

WriteResult Save(const Loaded& loaded, const std::string& path)
{
    return OriginWriter::Save(path, path, loaded.survey.m_frame.HeaderColumns(), loaded.survey.m_tables);
}

TEST(OriginWriter, WritesEachFormatWithASeparatorAfterEveryCellUnderTheChosenName)
{
    TempDir dir;
    const std::string tabs = "FILE\tINCREMENT\t1000HZ\t\r\n1\t0\t12.5\t\r\n";
    // ".DAT" anywhere in the upper-cased path picks the tab format.
    for (const auto& [name, expected] : std::vector<std::pair<std::string, std::string>>{
             {"a.dat", tabs},
             {"b.CSV", "FILE,INCREMENT,1000HZ,\r\n1,0,12.5,\r\n"},
             {"SURVEY.DATA-LINE1.CSV", tabs}}) {
        const WriteResult r = Save(Loaded(kSmall), dir / name);
        EXPECT_TRUE(r.ok) << r.message;
        EXPECT_EQ(ReadAll(dir / name), expected) << name;
    }
    ASSERT_TRUE(Save(Loaded("FILE,INCREMENT,1000HZ\n"), dir / "h.csv").ok);
    EXPECT_EQ(ReadAll(dir / "h.csv"), "FILE,INCREMENT,1000HZ,\r\n");

    // File Save keeps the chosen letter case and appends the filter's extension.
    Loaded loaded(kSmall);
    FrameState& frame = loaded.survey.m_frame;
    frame.SetDataPath(dir / "MyData", FrameState::DatFilter);
    EXPECT_EQ(frame.DataFile(), dir / "MyData.DAT");
    EXPECT_EQ(frame.DataPath().substr(frame.DataPath().size() - 10), "MYDATA.DAT");
    ASSERT_TRUE(OriginWriter::Save(frame, loaded.survey.m_tables).ok);
    EXPECT_EQ(ReadAll(dir / "MyData.DAT"), tabs);
    frame.SetDataPath(dir / "data.csv", FrameState::DatFilter);  // the DAT filter with a .csv name
    EXPECT_EQ(frame.DataFile(), dir / "data.csv.DAT");
    frame.SetDataPath(dir / "Line.Csv", FrameState::CsvFilter);
    EXPECT_EQ(frame.DataFile(), dir / "Line.Csv");
    frame.SetDataPath(dir / "x.txt", FrameState::AllFilter);
    EXPECT_EQ(frame.DataFile(), dir / "x.txt");
}

TEST(OriginWriter, CellsOfEveryLengthAreWrittenWhole)
{
    // Short cells are copied in fixed-size moves, longer ones in full; a cell
    // bigger than a whole piece of output, between short ones, on many rows.
    const std::string cells[] = {"7", std::string(16, 'A'), std::string(17, 'B'), std::string(300000, 'C'),
                                 "X"};
    std::string file = "FILE,INCREMENT,NOTE,1000HZ\n";
    std::string expected = "FILE\tINCREMENT\tNOTE\t1000HZ\t\r\n";
    for (int row = 0; row < 3000; ++row) {
        const std::string& note = cells[row % 5];
        const std::string reading = row == 1500 ? std::string(70000, '9') : "12.5";
        file += "1," + std::to_string(row) + "," + note + "," + reading + "\n";
        expected += "1\t" + std::to_string(row) + "\t" + note + "\t" + reading + "\t\r\n";
    }
    TempDir dir;
    const WriteResult r = Save(Loaded(file), dir / "long.dat");
    ASSERT_TRUE(r.ok) << r.message;
    const std::string written = ReadAll(dir / "long.dat");
    EXPECT_TRUE(written == expected) << written.size() << " bytes, expected " << expected.size();
}

TEST(OriginWriter, SavedFilesReadBackIntoTheSameRows)
{
    // Saved and reopened three times: the last field never grows a separator.
    TempDir dir;
    const std::string original = ReadAll(DataPath("datafile/binary_bytes.csv"));
    for (const char* name : {"cycle.csv", "cycle.dat"}) {
        Loaded first(original);
        std::string bytes = original;
        for (int cycle = 0; cycle < 3; ++cycle) {
            Loaded again(bytes);
            ASSERT_TRUE(again.result.Ok());
            EXPECT_EQ(TableRows(again.survey.m_tables.Origin()), TableRows(first.survey.m_tables.Origin()));
            EXPECT_EQ(again.survey.m_frame.HeaderColumns(), first.survey.m_frame.HeaderColumns());
            ASSERT_TRUE(Save(again, dir / name).ok);
            bytes = ReadAll(dir / name);
        }
    }
}

TEST(OriginWriter, NeverDestroysAnExistingFile)
{
    TempDir dir;
    Loaded loaded(kSmall);
    const std::string old = "precious contents\n";

    // No format: the file is untouched and the message names it.
    WriteAll(dir / "notes.txt", old);
    WriteResult r = Save(loaded, dir / "notes.txt");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, dir / "notes.txt" + msg::kNoFormatForPath);
    EXPECT_EQ(ReadAll(dir / "notes.txt"), old);

    // A read-only file: the writer's message, contents unchanged (also for root).
    WriteAll(dir / "ro.dat", old);
    ASSERT_EQ(::chmod((dir / "ro.dat").c_str(), 0444), 0);
    r = Save(loaded, dir / "ro.dat");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, dir / "ro.dat" + " File save failed!");
    EXPECT_EQ(r.reason, "Permission denied");
    EXPECT_EQ(ReadAll(dir / "ro.dat"), old);

    // Nothing loaded: nothing written.
    WriteAll(dir / "empty.dat", old);
    OutputTables none;
    EXPECT_EQ(OriginWriter::Save(dir / "empty.dat", dir / "empty.dat", {}, none).message,
              msg::kNoOriginalData);
    EXPECT_EQ(ReadAll(dir / "empty.dat"), old);
    EXPECT_EQ(OriginWriter::Save(FrameState(), none).message, " File save failed!");

    // A missing folder fails cleanly, and no temporary file is left behind.
    r = Save(loaded, dir / "no/such/dir.dat");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, "No such file or directory");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"empty.dat", "notes.txt", "ro.dat"}));

    // A link is followed: the file it points to is replaced, the link stays.
    WriteAll(dir / "real.csv", "old\n");
    std::filesystem::create_symlink(dir / "real.csv", dir / "link.csv");
    ASSERT_TRUE(Save(loaded, dir / "link.csv").ok);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.csv"));
    EXPECT_EQ(ReadAll(dir / "real.csv"), "FILE,INCREMENT,1000HZ,\r\n1,0,12.5,\r\n");
}

TEST(SafeFileWriter, PermissionsAreTheReplacedFilesOrTheUsersDefault)
{
    TempDir dir;
    const auto mode = [](const std::string& path) {
        struct stat st {};
        ::stat(path.c_str(), &st);
        return st.st_mode & 07777;
    };
    const auto write = [](std::ostream& out) { out << "new\n"; };
    // A replaced file keeps its own bits, even those the file-creation mask would strip.
    WriteAll(dir / "shared.dat", "old\n");
    ASSERT_EQ(::chmod((dir / "shared.dat").c_str(), 0664), 0);
    const mode_t before = ::umask(077);
    EXPECT_TRUE(SafeFileWriter::Write(dir / "shared.dat", write).ok);
    EXPECT_EQ(mode(dir / "shared.dat"), 0664u);
    // A new file gets 0666 less the mask, as any new file of the user.
    EXPECT_TRUE(SafeFileWriter::Write(dir / "private.dat", write).ok);
    EXPECT_EQ(mode(dir / "private.dat"), 0600u);
    ::umask(022);
    EXPECT_TRUE(SafeFileWriter::Write(dir / "open.dat", write).ok);
    EXPECT_EQ(mode(dir / "open.dat"), 0644u);
    ::umask(before);
    EXPECT_EQ(ReadAll(dir / "shared.dat"), "new\n");

    // A folder in the target's place is reported, and nothing is left behind.
    std::filesystem::create_directory(dir / "folder.dat");
    const SafeFileWriter::Result r = SafeFileWriter::Write(dir / "folder.dat", write);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, "Is a directory");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"folder.dat", "open.dat", "private.dat", "shared.dat"}));

    // A name near the 255-byte limit saves, new and replaced: the temporary
    // file beside it has a short name of its own.
    const std::string longName = dir / (std::string(246, 'n') + ".dat");
    EXPECT_TRUE(SafeFileWriter::Write(longName, write).ok);
    const SafeFileWriter::Result again = SafeFileWriter::Write(longName, write);
    EXPECT_TRUE(again.ok) << again.reason;
    EXPECT_EQ(ReadAll(longName), "new\n");
    EXPECT_EQ(dir.Names().size(), 5u);
}

TEST(DepthWriter, ChosenNamesGetTheFilterExtensionCaseSensitively)
{
    EXPECT_EQ(DepthWriter::TargetPath("depth1", 1), "depth1.csv");
    EXPECT_EQ(DepthWriter::TargetPath("DEPTH1.CSV", 1), "DEPTH1.CSV.csv");
    EXPECT_EQ(DepthWriter::TargetPath("depth1.csv", 0), "depth1.csv.dat");
    EXPECT_EQ(DepthWriter::TargetPath("depth1.dat", 0), "depth1.dat");
    EXPECT_EQ(DepthWriter::TargetPath("DEPTH1.DAT", 2), "DEPTH1.DAT");
    EXPECT_EQ(DepthWriter::VariantForPath("a.csv.dat"), 1);
    EXPECT_EQ(DepthWriter::VariantForPath("a.csv"), 2);
    EXPECT_EQ(DepthWriter::VariantForPath("A.CSV"), 0);
}

TEST(DepthWriter, MovesTheFileNumberToTheEnd)
{
    Loaded loaded("FILE,INCREMENT,1000HZ,10HZ\n1,0,12.5,7\n1,5,13.5,8\n");
    Survey& s = loaded.survey;
    s.m_tree.ClickFileCheckBox(0);
    SelectData(s.m_tree, s.m_tables, s.m_frame);
    CalculateDepth(s.m_tables);
    TempDir dir;
    ASSERT_TRUE(DepthWriter::Save(dir / "d.dat", s.m_tables).ok);
    EXPECT_EQ(ReadAll(dir / "d.dat"),
              "Increment Value\tHeight\tValue\tFileID\r\n"
              "0\t-49\t12.5\t1\t\r\n5\t-49\t13.5\t1\t\r\n0\t-498\t7\t1\t\r\n5\t-498\t8\t1\t\r\n");
    ASSERT_TRUE(DepthWriter::Save(dir / "d.csv", s.m_tables).ok);
    EXPECT_EQ(ReadAll(dir / "d.csv").substr(0, 48), "Increment Value,Height,Value,FileID\r\n0,-49,12.5,");

    // A save stopped on its way (Cancel in the desktop) leaves the file as
    // it was and nothing beside it.
    const std::string depth = ReadAll(dir / "d.dat"), depthCsv = ReadAll(dir / "d.csv");
    {
        WorkControl control;
        control.RequestStop();
        const WorkScope scope(&control);
        EXPECT_THROW(DepthWriter::Save(dir / "d.dat", s.m_tables), WorkStopped);
        EXPECT_THROW(OriginWriter::Save(dir / "d.csv", dir / "d.csv", s.m_frame.HeaderColumns(), s.m_tables),
                     WorkStopped);
    }
    EXPECT_EQ(ReadAll(dir / "d.dat"), depth);
    EXPECT_EQ(ReadAll(dir / "d.csv"), depthCsv);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"d.csv", "d.dat"}));

    WriteAll(dir / "keep.txt", "keep");
    const WriteResult none = DepthWriter::Save(dir / "keep.txt", s.m_tables);
    EXPECT_EQ(none.message, dir / "keep.txt" + msg::kNoFormatForPath);
    EXPECT_EQ(ReadAll(dir / "keep.txt"), "keep");

    OutputTables empty;
    EXPECT_EQ(DepthWriter::Save(dir / "e.csv", empty).message, "No depth data needs to be saved!");
    EXPECT_FALSE(std::filesystem::exists(dir / "e.csv"));
}

}  // namespace
