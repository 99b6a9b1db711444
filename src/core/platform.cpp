// The parts of the platform layer that are the same on every system; the
// rest is platformposix.cpp or platformportable.cpp, as CMake chooses.

#include "platform.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <new>
#include <random>
#include <system_error>

namespace vantrel::platform {

std::string RandomLetters(std::size_t count)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 generator(
        std::random_device{}() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string letters(count, 'x');
    for (char& c : letters)
        c = kLetters[pick(generator)];
    return letters;
}

std::string ErrorText(int error)
{
    return std::generic_category().message(error);
}

InputFile::~InputFile()
{
    Close();
}

NewFile::~NewFile()
{
    Discard();
}

bool NewFile::Create(const std::string& prefix, unsigned permissions)
{
    Discard();
    m_error = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string path = prefix + RandomLetters(6);
        if (OpenExclusive(path, permissions)) {
            m_path = path;
            return true;
        }
        if (errno != EEXIST)
            return Fail(errno);
    }
    return Fail(EEXIST);
}

bool NewFile::Fail(int error)
{
    if (m_error == 0)
        m_error = error ? error : EIO;
    return false;
}

bool NewFile::CloseAndRename(const std::string& target)
{
    if (!Close()) {
        Discard();
        return false;
    }
    errno = 0;
    if (std::rename(m_path.c_str(), target.c_str()) != 0) {
        Fail(errno);
        Discard();
        return false;
    }
    m_path.clear();
    return true;
}

void* AllocateHuge(std::size_t bytes)
{
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    return ::operator new (rounded, std::align_val_t{kHugePage});
}

void FreeHuge(void* block) noexcept
{
    ::operator delete (block, std::align_val_t{kHugePage});
}

}  // namespace vantrel::platform
