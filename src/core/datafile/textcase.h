#pragma once

#include <string>
#include <string_view>

namespace vantrel {

/// How the bytes of a text form characters, as far as upper-casing and
/// splitting need to know. In UTF-8 and the single-byte code pages every byte
/// of a multi-byte character is 0x80 or above; in GB18030 the second byte of
/// a character may be an ASCII letter and must be left alone.
enum class ByteForm { SingleOrUtf8, Gb18030 };

/// Upper-cases the ASCII letters only; other bytes stay as they are. With
/// ByteForm::Gb18030 the bytes after a lead byte (0x81 to 0xFE) belong to its
/// character and are not letters.
void ToUpperAsciiInPlace(char* text, std::size_t size, ByteForm form = ByteForm::SingleOrUtf8);
std::string ToUpperAscii(std::string_view text, ByteForm form = ByteForm::SingleOrUtf8);
bool EndsWith(std::string_view text, std::string_view tail);

/// Bytes of the GB18030 character that starts with the lead byte at `p`:
/// 4 for a digit after it (the four-byte form), else 2; cut at `end`.
std::size_t Gb18030Length(const char* p, const char* end);

}  // namespace vantrel
