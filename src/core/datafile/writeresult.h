#pragma once

#include <string>

namespace vantrel {

/// The outcome of a save: on failure `message` is the program's text for the user.
struct WriteResult {
    bool ok = false;
    std::string message;
    std::string path;  ///< the file written (or that would have been written)
};

}  // namespace vantrel
