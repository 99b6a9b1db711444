#include "encodingdetector.h"
#include "import/surveyloader.h"
#include "mappingjson.h"
#include "testsupport.h"
#include "textdecoder.h"

#include <unicode/ucnv.h>

#include <gtest/gtest.h>

using namespace vantrel;
using namespace vantrel::test;

namespace {

/// UTF-8 text written in another encoding, as a field laptop would save it.
std::string Encode(const std::string& utf8, const char* encoding)
{
    std::string out(utf8.size() * 4 + 4, '\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = ucnv_convert(encoding, "UTF-8", out.data(), static_cast<int32_t>(out.size()),
                                   utf8.data(), static_cast<int32_t>(utf8.size()), &status);
    EXPECT_TRUE(U_SUCCESS(status)) << encoding;
    out.resize(static_cast<std::size_t>(n));
    return out;
}

struct Sample {
    const char* name;
    std::string text;       // what the file says, in UTF-8
    const char* writtenAs;  // "BOM": UTF-8 with a byte order mark
    const char* detected;
};

TEST(EncodingDetector, TellsTheFieldLaptopsEncodingsApartAndDecodesThem)
{
    const std::string chinese = FieldFile("FILE,INCREMENT,1000HZ,备注", "12.5,测点一", 40);
    const std::vector<Sample> samples = {
        {"ascii", FieldFile("FILE,INCREMENT,1000HZ", "12.5", 3), "UTF-8", "UTF-8"},
        {"utf-8", chinese, "UTF-8", "UTF-8"},
        {"utf-8 bom", chinese, "BOM", "UTF-8"},
        {"gb18030", chinese, "GB18030", "GB18030"},
        {"gb18030 header only", FieldFile("FILE,INCREMENT,1000HZ,备注", "12.5,a", 5), "GB18030", "GB18030"},
        {"windows-1252", FieldFile("FILE,INCREMENT,1000HZ,µS/cm", "12.5,13.1", 40), "windows-1252",
         "windows-1252"},
        {"windows-1252 words", FieldFile("FILE,INCREMENT,Température", "Grüße", 5), "windows-1252",
         "windows-1252"},
        // Cut inside a character at the end of the first megabyte: still UTF-8.
        {"utf-8 cut", std::string(kDetectionBytes - 1, 'a') + "测" + std::string(10, 'b'), "UTF-8", "UTF-8"},
        // A spreadsheet's "Unicode Text", with and without a byte order mark:
        // told, though the tables read it only as bytes.
        {"utf-16 bom", chinese, "UTF-16", "UTF-8"},
        {"utf-16le", chinese, "UTF-16LE", "UTF-8"},
        {"utf-16be", FieldFile("FILE\tINCREMENT\t1000HZ", "12.5", 3), "UTF-16BE", "UTF-8"},
    };
    for (const Sample& s : samples) {
        const std::string how = s.writtenAs;
        const std::string bytes = how == "UTF-8" ? s.text
            : how == "BOM"                       ? "\xEF\xBB\xBF" + s.text
                                                 : Encode(s.text, s.writtenAs);
        const DetectedEncoding found = DetectEncoding(bytes);
        EXPECT_EQ(found.name, s.detected) << s.name;
        EXPECT_EQ(found.bom, how == "BOM") << s.name;
        const bool utf16 = how.starts_with("UTF-16");
        EXPECT_EQ(found.utf16, utf16) << s.name;
        if (!utf16)
            EXPECT_EQ(TextDecoder(found.name).ToUtf8(bytes), s.text) << s.name;
    }
    EXPECT_EQ(TextDecoder("UTF-8").ToUtf8("\xEF\xBB\xBF"
                                          "FILE\xFF"),
              "FILE\xEF\xBF\xBD");
    EXPECT_EQ(CanonicalEncoding("gbk"), "GBK");
    EXPECT_EQ(CanonicalEncoding("no such"), "");
}

TEST(EncodingDetector, FileOpenKeepsGb18030CharactersWhoseTrailBytesAreLetters)
{
    // 測點 is 9C 79 FC 63 in GB18030: upper-casing its trail bytes y and c
    // would make other characters of it.
    TempDir dir;
    WriteAll(dir / "gb.csv",
             Encode(FieldFile("FILE,INCREMENT,1000HZ,測點", "12.5,點a测点一", 20), "GB18030"));
    Survey survey;
    SurveyLoader loader(survey);
    loader.SetProbe([](std::string_view head) { return ByteFormOf(DetectEncoding(head).name); });
    ASSERT_TRUE(loader.Load({{dir / "gb.csv", "gb.csv"}}).Ok());
    const TextDecoder gb("GB18030");
    EXPECT_EQ(gb.ToUtf8(survey.m_frame.HeaderColumns()[3]), "測點");
    EXPECT_EQ(gb.ToUtf8(survey.m_tables.Origin().Cell(0, 3)), "點A测点一");
}

TEST(MappingJson, RoundTripsAndSaysWhatIsWrong)
{
    ImportMapping m;
    m.separator = ';';
    m.decimal = ',';
    m.headerLine = 2;
    m.skipLines = 1;
    m.columns = {{ColumnRole::FileNumber},
                 {ColumnRole::Increment},
                 {ColumnRole::Frequency, 1000.5},
                 {ColumnRole::Ignore},
                 {}};
    const auto back = MappingFromJson(MappingToJson(m));
    ASSERT_TRUE(back.ok) << back.message;
    EXPECT_EQ(back.mapping, m);
    m.separator = 0;
    EXPECT_EQ(MappingFromJson(MappingToJson(m)).mapping, m);
    const auto wrong = InputsAndMessages("text/bad_mappings.txt");
    ASSERT_EQ(wrong.size(), 8u);
    for (const auto& [json, message] : wrong)
        EXPECT_EQ(MappingFromJson(json).message, message) << json;
}

}  // namespace
