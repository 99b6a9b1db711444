#pragma once

#include <string>
#include <vector>

namespace vantrel::geo {

/// A file (and the side files a format writes next to it, as a shapefile's
/// .shx and .dbf) written under a temporary name in the target's folder and
/// renamed into place only when complete, so a failure leaves what was there.
///
/// A symbolic link is followed; an existing target the user may not replace
/// is refused; a replaced file keeps its permission bits. Temporary files
/// left behind by a failure are removed when the object goes.
class StagedOutput {
public:
    /// `extension` with its dot (".shp"): the temporary path ends with it,
    /// since some drivers choose by it.
    StagedOutput(const std::string& target, const std::string& extension);
    ~StagedOutput();
    StagedOutput(const StagedOutput&) = delete;
    StagedOutput& operator=(const StagedOutput&) = delete;

    /// Why the target cannot be written before anything is tried (a missing
    /// folder, no permission), or empty.
    const std::string& Refusal() const { return m_refusal; }
    /// Where the driver writes.
    const std::string& TemporaryPath() const { return m_temporary; }
    /// Moves every file written under the temporary name to the target's
    /// name; false with `reason` set when a rename failed.
    bool Commit(std::string* reason);
    /// GDAL's text with the temporary path put back to the target's.
    std::string Explained(std::string text) const;

private:
    std::vector<std::string> Written() const;

    std::string m_target;
    std::string m_targetStem;  ///< the target without its extension
    std::string m_temporary;
    std::string m_temporaryStem;  ///< the temporary path without its extension
    std::string m_refusal;
    bool m_committed = false;
};

}  // namespace vantrel::geo
