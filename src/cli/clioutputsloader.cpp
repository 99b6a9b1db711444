#include "clioutputs.h"

#include <dlfcn.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <mutex>

namespace vantrel {

namespace {

std::atomic<const CliOutputs*> g_outputs{nullptr};

std::string ProgramFolder()
{
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return {};
    return std::filesystem::path(std::string(path, static_cast<std::size_t>(n))).parent_path().string();
}

/// The places the module may be, in the order they are tried.
std::vector<std::string> Candidates()
{
    std::vector<std::string> paths;
    if (const char* named = std::getenv("VANTREL_CLI_OUTPUTS"); named && *named)
        return {named};
    const std::string folder = ProgramFolder();
    if (!folder.empty()) {
        paths.push_back(folder + "/" VANTREL_CLI_OUTPUTS_FILE);  // a build tree
        paths.push_back(folder + "/" VANTREL_CLI_OUTPUTS_FROM_BIN "/" VANTREL_CLI_OUTPUTS_FILE);  // installed
    }
    return paths;
}

}  // namespace

const CliOutputs* LoadCliOutputs(std::string* why)
{
    static std::mutex mutex;
    static std::string reason;
    std::lock_guard lock(mutex);
    if (const CliOutputs* loaded = g_outputs.load())
        return loaded;
    if (!reason.empty()) {
        *why = reason;
        return nullptr;
    }
    std::string tried;
    for (const std::string& path : Candidates()) {
        std::error_code error;
        if (!std::filesystem::exists(path, error)) {
            tried = path + " does not exist";
            continue;
        }
        void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            tried = dlerror();
            continue;
        }
        using Entry = const CliOutputs* (*)();
        const auto entry = reinterpret_cast<Entry>(dlsym(module, "vantrel_cli_outputs"));
        if (const CliOutputs* outputs = entry ? entry() : nullptr) {
            g_outputs = outputs;
            return outputs;  // stays loaded for the rest of the run
        }
        tried = path + " is not the output module of this program";
        dlclose(module);
    }
    reason = "grids, contours and pictures need " VANTREL_CLI_OUTPUTS_FILE ", which could not be loaded (" + tried +
        ")";
    *why = reason;
    return nullptr;
}

std::string WriteModulePicture(const Graph& graph, const PictureFile& file)
{
    std::string why;
    const CliOutputs* outputs = LoadCliOutputs(&why);
    if (!outputs)
        return why;
    if (!outputs->writePicture)
        return "this build of vantrel-cli draws no pictures";
    return outputs->writePicture(graph, file);
}

void EndModulePictures()
{
    if (const CliOutputs* outputs = g_outputs.load())
        outputs->endPictures();
}

}  // namespace vantrel
