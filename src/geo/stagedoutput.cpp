#include "stagedoutput.h"

#include "platform.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace vantrel::geo {

StagedOutput::StagedOutput(const std::string& target, const std::string& extension)
    : m_target(platform::FollowLink(target))
{
    const fs::path path(m_target);
    fs::path folder = path.parent_path();
    if (folder.empty())
        folder = ".";
    const platform::PathInfo folderInfo = platform::Inspect(folder.string());
    if (!folderInfo.exists) {
        m_refusal = "the folder " + folder.string() + " does not exist";
        return;
    }
    if (!folderInfo.directory) {
        m_refusal = folder.string() + " is not a folder";
        return;
    }
    const platform::PathInfo targetInfo = platform::Inspect(m_target);
    if (targetInfo.exists && targetInfo.directory) {
        m_refusal = "it is a folder";
        return;
    }
    if (targetInfo.exists && !platform::MayReplace(m_target, targetInfo)) {
        m_refusal = platform::ErrorText(EACCES);
        return;
    }
    m_targetStem = m_target.substr(0, m_target.size() - extension.size());
    // A short name of its own: the target's name with a suffix would pass the
    // system's limit for a target name near it.
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_temporaryStem = (folder / (".vantrel-" + platform::RandomLetters(8))).string();
        if (Written().empty())
            break;
    }
    m_temporary = m_temporaryStem + extension;
}

StagedOutput::~StagedOutput()
{
    if (m_committed || m_temporaryStem.empty())
        return;
    std::error_code ignored;
    for (const std::string& file : Written())
        fs::remove_all(file, ignored);
}

std::vector<std::string> StagedOutput::Written() const
{
    std::vector<std::string> files;
    if (m_temporaryStem.empty())
        return files;
    const fs::path stem(m_temporaryStem);
    const std::string prefix = stem.filename().string() + ".";
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(stem.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (name.compare(0, prefix.size(), prefix) == 0)
            files.push_back(entry.path().string());
    }
    return files;
}

bool StagedOutput::Commit(std::string* reason)
{
    const platform::PathInfo before = platform::Inspect(m_target);
    for (const std::string& file : Written()) {
        const std::string to = m_targetStem + file.substr(m_temporaryStem.size());
        std::error_code error;
        fs::rename(file, to, error);
        if (error) {
            *reason = error.message();
            return false;
        }
    }
    m_committed = true;
    if (before.exists) {
        std::error_code ignored;
        fs::permissions(m_target, static_cast<fs::perms>(before.permissions), fs::perm_options::replace,
                        ignored);
    }
    return true;
}

std::string StagedOutput::Explained(std::string text) const
{
    for (std::size_t at; !m_temporaryStem.empty() && (at = text.find(m_temporaryStem)) != std::string::npos;)
        text.replace(at, m_temporaryStem.size(), m_targetStem);
    return text;
}

}  // namespace vantrel::geo
