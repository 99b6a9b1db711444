#include "depthwriter.h"

#include "columnrules.h"
#include "messages.h"
#include "outputtables.h"
#include "safefilewriter.h"
#include "textcase.h"

namespace vantrel {

std::string DepthWriter::TargetPath(const std::string& chosen, int filter)
{
    const char* ext = filter == 0 ? ".dat" : filter == 1 ? ".csv" : nullptr;
    if (ext && !EndsWith(chosen, ext))
        return chosen + ext;
    return chosen;
}

int DepthWriter::VariantForPath(const std::string& path)
{
    if (Contains(path, ".dat"))
        return 1;
    if (Contains(path, ".csv"))
        return 2;
    return 0;
}

WriteResult DepthWriter::Save(const std::string& path, const OutputTables& tables)
{
    WriteResult result;
    result.path = path;
    if (tables.Depth().RowCount() == 0) {
        result.message = msg::kNoDepthData;
        return result;
    }
    const int variant = VariantForPath(path);
    if (variant == 0) {
        result.message = path + msg::kNoFormatForPath;
        return result;
    }
    const SafeFileWriter::Result written =
        SafeFileWriter::Write(path, [&](std::ostream& out) { tables.WriteDepthRows(out, variant); });
    result.ok = written.ok;
    if (!result.ok) {
        result.message = path + msg::kFileSaveFailed;
        result.reason = written.reason;
    }
    return result;
}

}  // namespace vantrel
