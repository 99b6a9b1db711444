#include "safefilewriter.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vantrel {

namespace {

std::string ResolveTarget(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            std::string resolved(real);
            std::free(real);
            return resolved;
        }
    }
    return path;
}

std::string DirectoryOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

bool SafeFileWriter::Write(const std::string& path, const std::function<void(std::ostream&)>& write)
{
    if (path.empty())
        return false;
    const std::string target = ResolveTarget(path);
    if (!target.empty() && target.back() == '/')
        return false;

    mode_t mode = 0666;
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists) {
        if (!S_ISREG(st.st_mode))
            return false;
        // A read-only file stays read-only, for root too.
        if ((st.st_mode & S_IWUSR) == 0 || ::access(target.c_str(), W_OK) != 0)
            return false;
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }

    std::string dir = DirectoryOf(target);
    std::string base = target.substr(target.find_last_of('/') == std::string::npos ? 0 : target.find_last_of('/') + 1);
    std::string tmpl = (dir == "/" ? std::string() : dir) + "/." + base + ".vantrel-XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return false;
    ::close(fd);
    const std::string tmp(name.data());

    bool ok = false;
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (out) {
            write(out);
            out.flush();
            ok = static_cast<bool>(out);
        }
    }
    if (ok)
        ok = ::chmod(tmp.c_str(), mode) == 0;
    if (ok)
        ok = std::rename(tmp.c_str(), target.c_str()) == 0;
    if (!ok)
        std::remove(tmp.c_str());
    return ok;
}

}  // namespace vantrel
