#include "common/savefilebytes.h"

#include "datafile/safefilewriter.h"

#include <QFile>

#include <ostream>

namespace vantrel {

QString saveFileBytes(const QString& path, const QByteArray& bytes)
{
    const SafeFileWriter::Result result =
        SafeFileWriter::Write(QFile::encodeName(path).toStdString(), [&](std::ostream& out) {
            out.write(bytes.constData(), static_cast<std::streamsize>(bytes.size()));
        });
    return result.ok ? QString() : QString::fromStdString(result.reason);
}

}  // namespace vantrel
