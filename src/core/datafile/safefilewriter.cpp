#include "safefilewriter.h"

#include "platform.h"

#include <cerrno>
#include <streambuf>
#include <vector>

namespace vantrel {

namespace {

std::string DirectoryOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

/// A stream buffer that writes to a new file in large pieces.
class NewFileBuffer : public std::streambuf {
public:
    explicit NewFileBuffer(platform::NewFile& file) : m_file(file), m_buffer(std::size_t{1} << 20)
    {
        setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    }

protected:
    int_type overflow(int_type c) override
    {
        if (!Drain())
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        if (n > epptr() - pptr()) {
            if (!Drain())
                return 0;
            if (n >= static_cast<std::streamsize>(m_buffer.size()))
                return m_file.Write(s, static_cast<std::size_t>(n)) ? n : 0;
        }
        traits_type::copy(pptr(), s, static_cast<std::size_t>(n));
        pbump(static_cast<int>(n));
        return n;
    }
    int sync() override { return Drain() ? 0 : -1; }

private:
    bool Drain()
    {
        const auto size = static_cast<std::size_t>(pptr() - pbase());
        setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
        return size == 0 || m_file.Write(m_buffer.data(), size);
    }

    platform::NewFile& m_file;
    std::vector<char> m_buffer;
};

SafeFileWriter::Result Failed(int error)
{
    return {false, platform::ErrorText(error)};
}

}  // namespace

SafeFileWriter::Result SafeFileWriter::Write(const std::string& path,
                                             const std::function<void(std::ostream&)>& write)
{
    if (path.empty())
        return Failed(ENOENT);
    const std::string target = platform::FollowLink(path);
    if (target.back() == '/')
        return Failed(EISDIR);

    const platform::PathInfo existing = platform::Inspect(target);
    if (existing.exists) {
        if (existing.directory)
            return Failed(EISDIR);
        if (!existing.regular)
            return {false, "Not a regular file"};
        if (!platform::MayReplace(target, existing))
            return Failed(EACCES);
    }

    const std::string dir = DirectoryOf(target);
    platform::NewFile file;
    // The temporary file has a short name of its own in the target's folder,
    // so a target name near the length limit can still be saved. A new target
    // is created as any new file would be; a replaced one is written privately
    // and gets the old file's permissions before the rename.
    if (!file.Create((dir == "/" ? std::string() : dir) + "/.vantrel-", existing.exists ? 0600 : 0666))
        return Failed(file.Error());
    {
        NewFileBuffer buffer(file);
        std::ostream out(&buffer);
        write(out);
        out.flush();
        if (!out && file.Error() == 0)
            return Failed(EIO);
    }
    if (file.Error() != 0)
        return Failed(file.Error());
    if (existing.exists && !file.SetPermissions(existing.permissions))
        return Failed(file.Error());
    if (!file.CloseAndRename(target))
        return Failed(file.Error());
    return {true, {}};
}

}  // namespace vantrel
