#include "celltext.h"

#include <QFile>
#include <QStringDecoder>

namespace vantrel {

QString CellText(std::string_view bytes)
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

std::string LocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString FromLocalPath(std::string_view path)
{
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

}  // namespace vantrel
