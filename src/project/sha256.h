#pragma once

#include <string>
#include <string_view>

namespace vantrel {

/// SHA-256 digests as 64 lower-case hexadecimal digits, computed by nettle.
struct Sha256 {
    static std::string OfBytes(std::string_view bytes);
    /// The digest of a file's bytes read to the end; empty, with the system's
    /// reason in `reason`, when it cannot be read. Under a WorkControl it
    /// counts the bytes read and throws WorkStopped between reads once asked to.
    static std::string OfFile(const std::string& path, std::string* reason);
};

}  // namespace vantrel
