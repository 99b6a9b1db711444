#include "sha256.h"

#include "platform.h"

#include <nettle/sha2.h>

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
    for (;;) {
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
    }
    return Hex(context);
}

}  // namespace vantrel
