#pragma once

#include <string>

namespace vantrel {

/// The outcome of a save: on failure `message` is the program's text for the user.
struct WriteResult {
    bool ok = false;
    std::string message;
    /// Why the file could not be written, in the system's words ("Permission
    /// denied"), for a line of its own after the message; empty when unknown.
    std::string reason;
    std::string path;  ///< the file written (or that would have been written)
};

}  // namespace vantrel
