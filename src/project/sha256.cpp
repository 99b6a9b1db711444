#include "sha256.h"

#include "platform.h"
#include "threads/workcontrol.h"

#include <nettle/sha2.h>

#include <filesystem>
#include <system_error>
#include <vector>

namespace vantrel {

namespace {

std::string Hex(sha256_ctx& context)
{
    std::uint8_t digest[SHA256_DIGEST_SIZE];
    sha256_digest(&context, sizeof digest, digest);
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(2 * sizeof digest);
    for (const std::uint8_t byte : digest) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 15];
    }
    return text;
}

}  // namespace

std::string Sha256::OfBytes(std::string_view bytes)
{
    sha256_ctx context;
    sha256_init(&context);
    sha256_update(&context, bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
    return Hex(context);
}

std::string Sha256::OfFile(const std::string& path, std::string* reason)
{
    platform::InputFile file;
    if (!file.Open(path)) {
        if (reason)
            *reason = platform::ErrorText(file.Error());
        return {};
    }
    sha256_ctx context;
    sha256_init(&context);
    std::vector<char> buffer(1 << 20);
    // Work that may be stopped (a big file on a thread of its own) says how
    // far it is and stops between reads.
    WorkControl* control = WorkControl::Current();
    std::error_code unknown;
    const std::uintmax_t total = control ? std::filesystem::file_size(path, unknown) : 0;
    std::uintmax_t done = 0;
    for (;;) {
        if (control) {
            control->StopPoint();
            if (!unknown)
                control->SetDone(static_cast<std::size_t>(done), static_cast<std::size_t>(total));
        }
        const std::ptrdiff_t n = file.Read(buffer.data(), buffer.size());
        if (n == 0)
            break;
        if (n < 0) {
            if (reason)
                *reason = platform::ErrorText(file.Error());
            return {};
        }
        sha256_update(&context, static_cast<std::size_t>(n),
                      reinterpret_cast<const std::uint8_t*>(buffer.data()));
        done += static_cast<std::uintmax_t>(n);
    }
    return Hex(context);
}

}  // namespace vantrel
