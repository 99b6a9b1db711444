#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace vantrel {

class BackgroundWork;

/// The SHA-256 of the data file the open survey was read from, worked out on
/// a thread of its own as soon as the file is read. A project then names the
/// bytes its tables came from, even when the file changes on disk later, and
/// saving it (or its recovery copy, every two minutes) does not read a big
/// file again on the interface thread.
class DataDigest {
public:
    DataDigest();
    ~DataDigest();
    DataDigest(const DataDigest&) = delete;
    DataDigest& operator=(const DataDigest&) = delete;

    /// Starts working out the digest of the file at `path` as it is now; the
    /// work for an earlier file is dropped.
    void start(const std::string& path);
    /// `digest` was worked out by the caller from the bytes at `path` as they are now.
    void know(const std::string& path, std::string digest);
    void clear();
    /// The digest of `path`: the one worked out since it was read (waited for
    /// while still at work), or, for another file or one that changed while
    /// it was worked out, its bytes read now. Empty, with the system's reason
    /// in `reason`, when it cannot be read.
    std::string of(const std::string& path, std::string* reason);

private:
    /// What tells a changed file: its size and the time it was last written.
    struct Stamp {
        std::uintmax_t size = 0;
        std::int64_t written = 0;
        bool operator==(const Stamp&) const = default;
    };
    static std::optional<Stamp> stampOf(const std::string& path);
    struct Result {
        std::string digest;
        std::string reason;
        std::optional<Stamp> after;  ///< the file's once its bytes were read
    };
    void finishWork();

    std::string m_path;
    std::optional<Stamp> m_stamp;  ///< the file's when the digest was started
    std::string m_digest;          ///< empty until worked out
    std::shared_ptr<Result> m_result;
    std::unique_ptr<BackgroundWork> m_work;
};

}  // namespace vantrel
