#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace vantrel {

/// Decodes the bytes of cells, titles and names from one encoding into
/// UTF-8 with ICU. Bytes that do not form a character of the encoding
/// become U+FFFD; a byte order mark at the start is dropped. The bytes
/// themselves are never changed: only what is shown is decoded.
class TextDecoder {
public:
    /// An unknown name decodes as UTF-8.
    explicit TextDecoder(const std::string& encoding);
    ~TextDecoder();
    TextDecoder(const TextDecoder&) = delete;
    TextDecoder& operator=(const TextDecoder&) = delete;

    const std::string& Encoding() const { return m_encoding; }
    bool IsUtf8() const { return m_utf8; }
    /// The text as UTF-8. Not for use by two threads at once.
    std::string ToUtf8(std::string_view bytes) const;

private:
    struct Converter;
    std::string m_encoding;
    bool m_utf8 = true;
    std::unique_ptr<Converter> m_converter;
};

}  // namespace vantrel
