#include "originwriter.h"

#include "columnrules.h"
#include "framestate.h"
#include "messages.h"
#include "outputtables.h"
#include "safefilewriter.h"
#include "textcase.h"

namespace vantrel {

int OriginWriter::ModeForPath(const std::string& path)
{
    const std::string upper = ToUpperAscii(path);
    if (Contains(upper, ".DAT"))
        return 1;
    if (Contains(upper, ".CSV"))
        return 2;
    return 0;
}

void OriginWriter::Write(std::ostream& out, const std::vector<std::string>& header,
                         const OutputTables& tables, int mode)
{
    if (mode != 1 && mode != 2)
        return;
    const char sep = mode == 1 ? '\t' : ',';
    std::string line;
    for (const auto& name : header) {
        line += name;
        line += sep;
    }
    line += "\r\n";
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
    tables.WriteOriginRows(out, mode);
}

WriteResult OriginWriter::Save(const std::string& filePath, const std::string& formatPath,
                               const std::vector<std::string>& header, const OutputTables& tables)
{
    WriteResult result;
    result.path = filePath;
    if (filePath.empty()) {
        result.message = msg::kFileSaveFailed;
        return result;
    }
    if (header.empty()) {
        result.message = msg::kNoOriginalData;
        return result;
    }
    const int mode = ModeForPath(formatPath);
    if (mode == 0) {
        result.message = filePath + msg::kNoFormatForPath;
        return result;
    }
    const SafeFileWriter::Result written =
        SafeFileWriter::Write(filePath, [&](std::ostream& out) { Write(out, header, tables, mode); });
    result.ok = written.ok;
    if (!result.ok) {
        result.message = filePath + msg::kFileSaveFailed;
        result.reason = written.reason;
    }
    return result;
}

WriteResult OriginWriter::Save(const FrameState& frame, const OutputTables& tables)
{
    return Save(frame.DataFile(), frame.DataPath(), frame.HeaderColumns(), tables);
}

}  // namespace vantrel
