#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QDir;

namespace vantrel {

/// The largest decoded picture accepted, in MiB (QImageReader's allocation
/// limit): a 4096 x 4096 picture in 32-bit colour. A small file that claims
/// a bigger size is refused before any pixel memory is taken.
inline constexpr int kBannerDecodeLimitMb = 64;

/// Deletes the pictures of an earlier banner list: every entry of `folder`
/// matching "*.bmp" or "*.jpg". Returns one line for each entry that could
/// not be deleted; the others go all the same.
QStringList deleteOldPictures(const QDir& folder);

struct PictureSaveResult {
    bool saved = false;      ///< the body is in the folder under its own name
    bool converted = false;  ///< and its bitmap copy base + ".bmp" beside it
    QString message;         ///< what went wrong, for the log
};

/// Writes a downloaded picture as `folder`/`name` (replacing a file of that
/// name; nothing is left on failure), then decodes it (any format Qt reads,
/// told by its content, within kBannerDecodeLimitMb) and writes the bitmap
/// copy `folder`/base.bmp, base being the name up to its first ".". A file
/// that cannot be decoded stays and gets no copy. `name` must be a plain
/// file name.
PictureSaveResult saveBannerPicture(const QDir& folder, const QString& name, const QByteArray& body);

}  // namespace vantrel
