#include "commands/datadigest.h"

#include "common/backgroundwork.h"
#include "sha256.h"

#include <filesystem>
#include <system_error>

namespace vantrel {

DataDigest::DataDigest() = default;

DataDigest::~DataDigest() = default;

namespace {

/// One name for a file however it was given (relative to the working folder or not).
std::string Absolute(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

}  // namespace

std::optional<DataDigest::Stamp> DataDigest::stampOf(const std::string& path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return std::nullopt;
    const auto written = std::filesystem::last_write_time(path, error);
    if (error)
        return std::nullopt;
    return Stamp{size, static_cast<std::int64_t>(written.time_since_epoch().count())};
}

void DataDigest::start(const std::string& path)
{
    clear();
    m_path = Absolute(path);
    m_stamp = stampOf(path);
    auto result = std::make_shared<Result>();
    m_result = result;
    m_work = std::make_unique<BackgroundWork>([path, result] {
        result->digest = Sha256::OfFile(path, &result->reason);
        result->after = stampOf(path);
    });
}

void DataDigest::know(const std::string& path, std::string digest)
{
    clear();
    m_path = Absolute(path);
    m_stamp = stampOf(path);
    m_digest = std::move(digest);
}

void DataDigest::clear()
{
    m_work.reset();  // asks the work to stop and waits for it
    m_result.reset();
    m_path.clear();
    m_stamp.reset();
    m_digest.clear();
}

void DataDigest::finishWork()
{
    if (!m_work)
        return;
    m_work->wait();
    // A file that changed while it was read has no digest of what was loaded.
    if (!m_work->cancelled() && m_stamp && m_result->after == m_stamp)
        m_digest = m_result->digest;
    m_work.reset();
    m_result.reset();
}

std::string DataDigest::of(const std::string& path, std::string* reason)
{
    finishWork();
    if (Absolute(path) == m_path && !m_digest.empty())
        return m_digest;
    return Sha256::OfFile(path, reason);
}

}  // namespace vantrel
