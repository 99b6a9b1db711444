#include "common/showntext.h"

#include "common/celltext.h"
#include "textdecoder.h"

namespace vantrel {

namespace {

bool isAscii(std::string_view bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

}  // namespace

ShownText::ShownText() = default;

ShownText::~ShownText() = default;

void ShownText::setEncoding(const std::string& name)
{
    m_decoder.reset();
    m_encoding = name.empty() ? std::string("UTF-8") : name;
    auto decoder = std::make_unique<TextDecoder>(m_encoding);
    if (!decoder->IsUtf8())
        m_decoder = std::move(decoder);
    else
        m_encoding = "UTF-8";
}

QString ShownText::whole(std::string_view bytes) const
{
    if (!m_decoder || isAscii(bytes))
        return cellText(bytes);
    return QString::fromStdString(m_decoder->ToUtf8(bytes));
}

QString ShownText::operator()(std::string_view bytes) const
{
    if (!m_decoder || isAscii(bytes.substr(0, 4 * kShownTextLength)))
        return shownText(bytes);
    // No character of the encodings we decode takes more than four bytes.
    const std::string_view head = bytes.substr(0, 4 * kShownTextLength);
    QString text = whole(head);
    if (head.size() == bytes.size() && text.size() <= kShownTextLength)
        return text;
    text.truncate(kShownTextLength);
    if (!text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1);
    text.append(QChar(0x2026));
    return text;
}

}  // namespace vantrel
