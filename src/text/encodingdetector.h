#pragma once

#include "datafile/textcase.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// The encoding of a text as far as it was told from its first bytes.
struct DetectedEncoding {
    std::string name = "UTF-8";  ///< "UTF-8", "GB18030" or "windows-1252"
    bool bom = false;            ///< the text starts with a UTF-8 byte order mark
    /// UTF-16 text (IsUtf16Text), which the tables cannot hold as bytes.
    /// `name` stays UTF-8.
    bool utf16 = false;
};

/// The most detection reads of a text.
inline constexpr std::size_t kDetectionBytes = 1 << 20;

/// Tells UTF-8 (with or without a byte order mark), GB18030 and
/// Windows-1252 apart from the first kDetectionBytes of `text`.
///
/// UTF-8 is what is valid UTF-8 (a sequence cut at the end of the bytes
/// read counts as valid), ASCII included, and bytes holding a NUL (binary
/// data is not guessed at). Otherwise ICU's charset detector
/// weighs GB18030 against the Latin code pages. Below a dozen Chinese
/// characters it cannot tell (it gives GB18030 its lowest confidence, 10,
/// whenever the bytes are valid GB18030); then the text is GB18030 when
/// every byte above 0x7F pairs up into GB2312 characters, as Chinese text
/// does and accented Latin letters between ASCII ones do not.
DetectedEncoding DetectEncoding(std::string_view text);

/// Whether `text` starts as UTF-16 (as spreadsheets save "Unicode Text"): a
/// byte order mark of either order, or most characters of the first line a
/// byte beside a NUL, on the same side. Looks at the first line only.
bool IsUtf16Text(std::string_view text);

/// How the bytes of text in encoding `name` form characters for the reader.
ByteForm ByteFormOf(const std::string& name);

/// The reader's text probe (DataFileReader::TextProbe, by std::ref): the
/// encoding given, or else the one detected in the first file, and whether
/// any file it was shown is UTF-16.
struct EncodingProbe {
    std::string encoding;  ///< empty: detected
    bool utf16 = false;
    ByteForm operator()(std::string_view head);
};

/// The encodings offered for choosing, the detected three first.
const std::vector<std::string>& OfferedEncodings();

/// ICU's canonical name of an encoding ("gbk" -> "GBK", "latin1" ->
/// "ISO-8859-1"); empty when ICU knows no such encoding.
std::string CanonicalEncoding(const std::string& name);

}  // namespace vantrel
