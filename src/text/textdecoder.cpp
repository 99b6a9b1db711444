#include "textdecoder.h"

#include "encodingdetector.h"

#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <vector>

namespace vantrel {

struct TextDecoder::Converter {
    UConverter* converter = nullptr;
    mutable std::vector<UChar> wide;
    ~Converter()
    {
        if (converter)
            ucnv_close(converter);
    }
};

TextDecoder::TextDecoder(const std::string& encoding) : m_converter(std::make_unique<Converter>())
{
    m_encoding = CanonicalEncoding(encoding);
    if (m_encoding.empty())
        m_encoding = "UTF-8";
    UErrorCode status = U_ZERO_ERROR;
    m_converter->converter = ucnv_open(m_encoding.c_str(), &status);
    m_utf8 = U_FAILURE(status) || m_encoding == "UTF-8";
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        m_converter->converter = ucnv_open("UTF-8", &status);
    }
}

TextDecoder::~TextDecoder() = default;

std::string TextDecoder::ToUtf8(std::string_view bytes) const
{
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return std::string(bytes);
    UConverter* converter = m_converter->converter;
    auto& wide = m_converter->wide;
    wide.resize(bytes.size() + 1);
    UErrorCode status = U_ZERO_ERROR;
    ucnv_reset(converter);
    int32_t length = ucnv_toUChars(converter, wide.data(), static_cast<int32_t>(wide.size()), bytes.data(),
                                   static_cast<int32_t>(bytes.size()), &status);
    if (U_FAILURE(status))
        return std::string(bytes.size(), '?');
    const UChar* start = wide.data();
    if (length > 0 && start[0] == 0xFEFF) {
        ++start;
        --length;
    }
    std::string out(static_cast<std::size_t>(length) * 3, '\0');
    int32_t written = 0;
    status = U_ZERO_ERROR;
    u_strToUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &written, start, length, 0xFFFD, nullptr,
                       &status);
    out.resize(U_SUCCESS(status) ? static_cast<std::size_t>(written) : 0);
    return out;
}

}  // namespace vantrel
