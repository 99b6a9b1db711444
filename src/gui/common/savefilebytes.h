#pragma once

#include <QByteArray>
#include <QString>

namespace vantrel {

/// Writes `bytes` to `path` through a temporary file with a short name of its
/// own in the same folder, then renames it over the target: an existing file
/// is never lost on a failure, and a name near the length limit can be saved
/// (QSaveFile names its temporary file after the target, too long then).
/// Returns the empty string, or why the save failed ("Permission denied").
QString saveFileBytes(const QString& path, const QByteArray& bytes);

}  // namespace vantrel
