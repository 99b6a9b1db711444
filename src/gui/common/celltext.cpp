#include "common/celltext.h"

#include <QFile>
#include <QStringDecoder>

namespace vantrel {

QString cellText(std::string_view bytes)
{
    const auto size = static_cast<qsizetype>(bytes.size());
    bool ascii = true;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return QString::fromLatin1(bytes.data(), size);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), size));
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes.data(), size);
}

QString shownText(std::string_view bytes)
{
    // Enough bytes for kShownTextLength characters in any encoding we decode.
    constexpr std::size_t kBytes = 4 * kShownTextLength;
    if (bytes.size() <= static_cast<std::size_t>(kShownTextLength))
        return cellText(bytes);
    std::string_view head = bytes.substr(0, kBytes);
    // Never split a UTF-8 sequence: drop a cut-off lead byte and its followers.
    if (head.size() < bytes.size()) {
        std::size_t end = head.size();
        std::size_t back = 0;
        while (end > 0 && back < 4 && (static_cast<unsigned char>(head[end - 1]) & 0xC0) == 0x80) {
            --end;
            ++back;
        }
        if (end > 0 && static_cast<unsigned char>(head[end - 1]) >= 0xC0)
            head = head.substr(0, end - 1);
    }
    QString text = cellText(head);
    if (text.size() <= kShownTextLength && head.size() == bytes.size())
        return text;
    text.truncate(kShownTextLength);
    if (text.size() > 0 && text.back().isHighSurrogate())
        text.chop(1);
    text.append(QChar(0x2026));
    return text;
}

std::string localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString fromLocalPath(std::string_view path)
{
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

}  // namespace vantrel
