#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace vantrel {

/// Replaces a file only once its new content is complete: the text goes to a
/// temporary file in the same folder, which is renamed over the target at the
/// end. On any failure the target is left as it was and the temporary file is
/// removed. An existing target without write permission is refused, and a
/// symbolic link is followed so the file it names is replaced, not the link.
///
/// A replaced file keeps its permission bits; a new one gets what any new file
/// of the user gets (0666 less the file-creation mask, applied by the system).
class SafeFileWriter {
public:
    struct Result {
        bool ok = false;
        /// Why the target could not be written, in the system's words
        /// ("Permission denied", "No space left on device"); empty when ok.
        std::string reason;
    };

    /// Calls `write` with a stream on the temporary file; ok when the target
    /// now holds exactly what was written.
    static Result Write(const std::string& path, const std::function<void(std::ostream&)>& write);
};

}  // namespace vantrel
