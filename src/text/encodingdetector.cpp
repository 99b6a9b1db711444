#include "encodingdetector.h"

#include "textdecoder.h"

#include <unicode/ucnv.h>
#include <unicode/ucsdet.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <memory>

namespace vantrel {

namespace {

bool HasHighBytes(std::string_view text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

/// Valid UTF-8; a sequence cut at the end counts when `cut` says the
/// bytes are the first part of a longer text.
bool IsUtf8(std::string_view text, bool cut)
{
    if (cut) {
        // Drop an unfinished sequence at the end: at most three bytes.
        std::size_t back = 0;
        while (back < 3 && back < text.size() &&
               (static_cast<unsigned char>(text[text.size() - 1 - back]) & 0xC0) == 0x80)
            ++back;
        if (back < text.size() && static_cast<unsigned char>(text[text.size() - 1 - back]) >= 0xC0)
            text.remove_suffix(back + 1);
    }
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8(nullptr, 0, &length, text.data(), static_cast<int32_t>(text.size()), &status);
    return status != U_INVALID_CHAR_FOUND && status != U_ILLEGAL_CHAR_FOUND &&
        status != U_TRUNCATED_CHAR_FOUND;
}

/// Every byte above 0x7F is the first or second byte of a GB2312 character.
bool AllGb2312Pairs(std::string_view text, bool cut)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80)
            continue;
        if (i + 1 == text.size())
            return cut;
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        if (lead < 0xA1 || lead > 0xF7 || trail < 0xA1 || trail > 0xFE)
            return false;
        ++i;
    }
    return true;
}

struct DetectorCloser {
    void operator()(UCharsetDetector* d) const { ucsdet_close(d); }
};

}  // namespace

bool IsUtf16Text(std::string_view text)
{
    if (text.substr(0, 2) == "\xFF\xFE" || text.substr(0, 2) == "\xFE\xFF")
        return true;
    // Without a mark: a first line of titles is mostly ASCII.
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::size_t pairs = end / 2;
    if (pairs < 4)
        return false;
    for (const std::size_t nul : {std::size_t{0}, std::size_t{1}}) {
        std::size_t ascii = 0;
        for (std::size_t i = 0; i + 1 < end; i += 2)
            ascii += text[i + nul] == '\0' && text[i + 1 - nul] != '\0';
        if (ascii * 2 > pairs)
            return true;
    }
    return false;
}

DetectedEncoding DetectEncoding(std::string_view text)
{
    const bool cut = text.size() > kDetectionBytes;
    text = text.substr(0, kDetectionBytes);
    DetectedEncoding found;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        found.bom = true;
        return found;
    }
    found.utf16 = IsUtf16Text(text);
    // Bytes with a NUL among them are no text in any of these encodings:
    // nothing is guessed, and the JSON output escapes every stray byte.
    if (!HasHighBytes(text) || IsUtf8(text, cut) || text.find('\0') != std::string_view::npos)
        return found;

    int gb = 0, latin = 0;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCharsetDetector, DetectorCloser> detector(ucsdet_open(&status));
    ucsdet_setText(detector.get(), text.data(), static_cast<int32_t>(text.size()), &status);
    int32_t count = 0;
    const UCharsetMatch** matches = ucsdet_detectAll(detector.get(), &count, &status);
    for (int32_t i = 0; U_SUCCESS(status) && i < count; ++i) {
        const std::string name = ucsdet_getName(matches[i], &status);
        const int confidence = ucsdet_getConfidence(matches[i], &status);
        if (name == "GB18030")
            gb = std::max(gb, confidence);
        else if (name == "ISO-8859-1" || name == "windows-1252")
            latin = std::max(latin, confidence);
    }
    const bool chinese = gb > 10 ? gb >= latin : gb == 10 && AllGb2312Pairs(text, cut);
    found.name = chinese ? "GB18030" : "windows-1252";
    return found;
}

ByteForm EncodingProbe::operator()(std::string_view head)
{
    // Detection runs once, on the first file; every file is checked for UTF-16.
    utf16 = utf16 || IsUtf16Text(head);
    if (encoding.empty())
        encoding = DetectEncoding(head).name;
    return ByteFormOf(encoding);
}

ByteForm ByteFormOf(const std::string& name)
{
    // An encoding whose characters may end in an ASCII letter ("\x81a" one
    // character) needs its lead bytes kept with their trail bytes.
    const TextDecoder decoder(name);
    if (decoder.IsUtf8())
        return ByteForm::SingleOrUtf8;
    for (const char* probe : {"\x81\x61", "\xA4\x61"}) {
        const std::string decoded = decoder.ToUtf8(probe);
        if (decoded.find('a') == std::string::npos && decoded.find("\xEF\xBF\xBD") == std::string::npos)
            return ByteForm::Gb18030;
    }
    return ByteForm::SingleOrUtf8;
}

const std::vector<std::string>& OfferedEncodings()
{
    static const std::vector<std::string> names = {
        "UTF-8",      "GB18030",     "windows-1252", "Big5",         "Shift_JIS", "EUC-KR",
        "ISO-8859-1", "ISO-8859-15", "windows-1250", "windows-1251", "KOI8-R",
    };
    return names;
}

std::string CanonicalEncoding(const std::string& name)
{
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open(name.c_str(), &status);
    if (U_FAILURE(status) || name.empty())
        return {};
    const char* internal = ucnv_getName(converter, &status);
    std::string canonical = name;
    for (const char* standard : {"MIME", "IANA"}) {
        UErrorCode s = U_ZERO_ERROR;
        if (const char* n = ucnv_getStandardName(internal, standard, &s); n && U_SUCCESS(s)) {
            canonical = n;
            break;
        }
    }
    ucnv_close(converter);
    return canonical;
}

}  // namespace vantrel
