#pragma once

#include <string>
#include <vector>

namespace vantrel {

/// What a processing operation tells its caller. The desktop shows every
/// message in a box, the command line prints it. `stopped` is set when the
/// operation ended at a message without doing its work.
struct OperationReport {
    std::vector<std::string> messages;
    bool stopped = false;

    void Say(std::string text) { messages.push_back(std::move(text)); }
};

}  // namespace vantrel
