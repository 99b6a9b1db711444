#pragma once

#include "clipipeline.h"

#include <ostream>
#include <string>
#include <vector>

namespace vantrel {

/// `--batch OUTDIR INPUT...`: the same steps on many inputs, one input per
/// worker on every processor core. Each input runs through its own
/// CliPipeline; the files the steps write go into OUTDIR, with "{name}" in
/// their names standing for the input's base name (a name without it gets
/// "NAME-" in front). One failing input never stops the others.
///
/// Standard error shows a progress line while it runs, then the summary
/// ("18 done, 2 failed") and each failure's messages under its input.
/// Exit status 1 when any input failed, 2 for a wrong command line.
class CliBatch {
public:
    CliBatch(std::ostream& out, std::ostream& err);

    /// True when the command line asks for a batch.
    static bool Wanted(const std::vector<std::string>& args);

    /// Pictures are drawn on the calling thread, one at a time, whichever
    /// worker asks (the drawing library keeps one application object), by
    /// the output module unless a writer is given.
    void SetPictureWriter(GraphPictureWriter writer) { m_pictureWriter = std::move(writer); }
    /// How many inputs run at once; 0 (the default): one per processor core.
    void SetWorkers(unsigned workers) { m_workers = workers; }
    /// Rewrites one progress line in place (a terminal) instead of a line per input.
    void SetProgressInPlace(bool inPlace) { m_progressInPlace = inPlace; }

    int Run(const std::vector<std::string>& args);

private:
    struct Plan;
    int Usage(const std::string& problem);
    /// The inputs and the steps for each, or a wrong command line (status in `status`).
    bool MakePlan(const std::vector<std::string>& args, Plan& plan, int& status);

    std::ostream& m_out;
    std::ostream& m_err;
    GraphPictureWriter m_pictureWriter = WriteModulePicture;
    unsigned m_workers = 0;
    bool m_progressInPlace = false;
};

}  // namespace vantrel
