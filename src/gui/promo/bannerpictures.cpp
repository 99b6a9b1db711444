#include "promo/bannerpictures.h"

#include "common/savefilebytes.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QBuffer>

namespace vantrel {

QStringList deleteOldPictures(const QDir& folder)
{
    QStringList failures;
    if (!folder.exists())
        return failures;
    // Folders and hidden files match as well: the list replaces whatever
    // the panel could take for an old picture.
    const QStringList entries =
        folder.entryList({QStringLiteral("*.bmp"), QStringLiteral("*.jpg")},
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        QFile file(folder.filePath(entry));
        if (!file.remove())
            failures << QStringLiteral("%1 cannot be deleted: %2").arg(file.fileName(), file.errorString());
    }
    return failures;
}

PictureSaveResult saveBannerPicture(const QDir& folder, const QString& name, const QByteArray& body)
{
    PictureSaveResult result;
    const QString path = folder.filePath(name);
    const QString failure = saveFileBytes(path, body);
    if (!failure.isEmpty()) {
        result.message = QStringLiteral("%1 cannot be written: %2").arg(path, failure);
        return result;
    }
    result.saved = true;

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(kBannerDecodeLimitMb);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        result.message =
            QStringLiteral("%1 is no picture that can be shown: %2").arg(path, reader.errorString());
        return result;
    }

    const QString copyPath = folder.filePath(name.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".bmp"));
    QByteArray bmp;
    QBuffer copy(&bmp);
    copy.open(QIODevice::WriteOnly);
    QImageWriter writer(&copy, "bmp");
    const QString why = writer.write(picture) ? saveFileBytes(copyPath, bmp)
        : writer.errorString().isEmpty()      ? QStringLiteral("Unknown error")
                                              : writer.errorString();
    if (!why.isEmpty()) {
        result.message = QStringLiteral("%1 cannot be written: %2").arg(copyPath, why);
        return result;
    }
    result.converted = true;
    return result;
}

}  // namespace vantrel
