#pragma once

#include "writeresult.h"

#include <ostream>
#include <string>
#include <vector>

namespace vantrel {

class FrameState;
class OutputTables;

/// Writes the Origin table back as a data file: the header line, then every
/// row, each name or cell followed by a tab (".DAT" format) or a comma
/// (".CSV" format), lines ending in CR LF.
class OriginWriter {
public:
    /// 1 (tab) when the upper-cased path contains ".DAT", else 2 (comma) when
    /// it contains ".CSV", else 0 (no format).
    static int ModeForPath(const std::string& path);

    static void Write(std::ostream& out, const std::vector<std::string>& header, const OutputTables& tables,
                      int mode);

    /// Saves to `filePath`; `formatPath` decides the format (the frame's upper-cased
    /// data path). Nothing is touched when the format is unknown or no file is loaded.
    static WriteResult Save(const std::string& filePath, const std::string& formatPath,
                            const std::vector<std::string>& header, const OutputTables& tables);
    /// Save Original Data: the open file, under the path it was opened with.
    static WriteResult Save(const FrameState& frame, const OutputTables& tables);
};

}  // namespace vantrel
