#include "numbers.h"

#include "platform.h"

#include <charconv>
#include <cstdint>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace vantrel {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

double StrtodC(std::string_view text)
{
    // strtod needs a terminated string; numbers are short, so a bounded copy will do.
    return platform::StrtodC(std::string(text.substr(0, 4096)).c_str());
}

/// The exact fast path for plain decimals: up to 15 significant digits and a
/// power of ten up to 22, where one correctly rounded multiplication or
/// division gives the same double as strtod. Returns false to defer.
bool FastDecimal(std::string_view digits, double* value)
{
    static constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::uint64_t mantissa = 0;
    int significant = 0, scale = 0;
    std::size_t i = 0;
    const std::size_t n = digits.size();
    bool any = false;
    for (; i < n && IsDigit(digits[i]); ++i) {
        any = true;
        if (mantissa == 0 && digits[i] == '0')
            continue;
        if (++significant > 15)
            return false;
        mantissa = mantissa * 10 + static_cast<unsigned>(digits[i] - '0');
    }
    if (i < n && digits[i] == '.') {
        for (++i; i < n && IsDigit(digits[i]); ++i) {
            any = true;
            if (mantissa == 0 && digits[i] == '0') {
                --scale;
                continue;
            }
            if (++significant > 15)
                return false;
            mantissa = mantissa * 10 + static_cast<unsigned>(digits[i] - '0');
            --scale;
        }
    }
    if (!any)
        return false;
    if (i < n && (digits[i] == 'e' || digits[i] == 'E'))
        return false;  // exponents are rare: leave them to from_chars
    if (scale < -22)
        return false;
    *value = scale == 0 ? static_cast<double>(mantissa) : static_cast<double>(mantissa) / kPow10[-scale];
    return true;
}

}  // namespace

double CAtof(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    std::string_view rest = text.substr(i);
    bool negative = false;
    std::string_view digits = rest;
    if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) {
        negative = digits[0] == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty())
        return 0.0;
    // The common case (plain decimal) goes through from_chars; anything that
    // strtod reads differently (hexadecimal, INF, NAN) goes to strtod itself.
    const char c0 = digits[0];
    const bool hex = digits.size() > 1 && c0 == '0' && (digits[1] == 'x' || digits[1] == 'X');
    if (hex || !(IsDigit(c0) || c0 == '.'))
        return StrtodC(rest);
    double value = 0.0;
    if (FastDecimal(digits, &value))
        return negative ? -value : value;
    auto [ptr, ec] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::general);
    if (ec == std::errc::invalid_argument)
        return 0.0;
    if (ec == std::errc::result_out_of_range)
        return StrtodC(rest);
    (void)ptr;
    return negative ? -value : value;
}

int CAtoi(std::string_view text)
{
    // The common case: a few digits and nothing else.
    if (!text.empty() && text.size() <= 9) {
        int value = 0;
        std::size_t k = 0;
        for (; k < text.size() && IsDigit(text[k]); ++k)
            value = value * 10 + (text[k] - '0');
        if (k == text.size())
            return value;
    }
    size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            value = static_cast<long long>(INT_MAX) + 1;
            // Keep consuming digits; the value is already saturated.
        }
    }
    if (negative)
        return value > INT_MAX ? INT_MIN : static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

namespace {

#ifdef __SIZEOF_INT128__
__extension__ typedef unsigned __int128 Uint128;
#endif

bool WriteFixed(std::uint64_t n, int precision, bool negative, std::string* out);

/// Appends printf("%.*f") for finite values whose scaled magnitude fits 64
/// bits and precision <= 9: exact, from the binary value, ties to even as
/// printf does. Appends nothing when it returns false.
bool FastFixed(double value, int precision, std::string* out)
{
    static constexpr std::uint64_t kPow10[] = {1,      10,      100,      1000,      10000,
                                               100000, 1000000, 10000000, 100000000, 1000000000};
    if (precision < 0 || precision > 9)
        return false;
    const double magnitude = std::fabs(value);
    if (!(magnitude * static_cast<double>(kPow10[precision]) < 1e19))
        return false;  // the scaled value would not fit 64 bits
    std::uint64_t n = 0;
    if (precision <= 6 && static_cast<double>(static_cast<float>(magnitude)) == magnitude) {
        // A float times 10^p (p <= 6) needs at most 24 + 20 bits: the double
        // product is exact, and rounding it to an integer (ties to even) is
        // what printf does with the exact binary value.
        n = static_cast<std::uint64_t>(std::nearbyint(magnitude * static_cast<double>(kPow10[precision])));
        return WriteFixed(n, precision, std::signbit(value), out);
    }
#ifdef __SIZEOF_INT128__
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent);  // magnitude = fraction * 2^exponent
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int shift = 53 - exponent;  // magnitude = mantissa / 2^shift
    const Uint128 scaled = static_cast<Uint128>(mantissa) * kPow10[precision];
    Uint128 q;
    if (shift <= 0) {
        q = scaled << -shift;
    } else if (shift >= 127) {
        q = 0;  // below 2^-74 * 10^9: rounds to zero
    } else {
        q = scaled >> shift;
        const Uint128 rem = scaled & ((static_cast<Uint128>(1) << shift) - 1);
        const Uint128 half = static_cast<Uint128>(1) << (shift - 1);
        if (rem > half || (rem == half && (q & 1)))
            ++q;
    }
    n = static_cast<std::uint64_t>(q);
    return WriteFixed(n, precision, std::signbit(value), out);
#else
    return false;  // std::to_chars does the rest
#endif
}

bool WriteFixed(std::uint64_t n, int precision, bool negative, std::string* out)
{
    static constexpr std::uint32_t kPow10[] = {1,      10,      100,      1000,      10000,
                                               100000, 1000000, 10000000, 100000000, 1000000000};
    static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                     "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                     "8081828384858687888990919293949596979899";
    char buf[48];
    char* const end = buf + sizeof buf;
    char* p = end;
    const auto pair = [&p](unsigned twoDigits) {
        p -= 2;
        std::memcpy(p, kPairs + 2 * twoDigits, 2);
    };
    auto fractionPart = static_cast<std::uint32_t>(n % kPow10[precision]);
    std::uint64_t whole = n / kPow10[precision];
    int written = 0;
    for (; written + 2 <= precision; written += 2, fractionPart /= 100)
        pair(fractionPart % 100);
    if (written < precision)
        *--p = static_cast<char>('0' + fractionPart);
    if (precision > 0)
        *--p = '.';
    for (; whole >= 100; whole /= 100)
        pair(static_cast<unsigned>(whole % 100));
    if (whole >= 10)
        pair(static_cast<unsigned>(whole));
    else
        *--p = static_cast<char>('0' + whole);
    if (negative)
        *--p = '-';
    out->append(p, end);
    return true;
}

}  // namespace

void AppendFixed(double value, int precision, std::string& out)
{
    if (std::isnan(value)) {
        out += std::signbit(value) ? "-nan" : "nan";
        return;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-inf" : "inf";
        return;
    }
    if (FastFixed(value, precision, &out))
        return;
    char buf[400];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, precision);
    if (ec == std::errc())
        out.append(buf, ptr);
}

std::string FormatFixed(double value, int precision)
{
    std::string text;
    AppendFixed(value, precision, text);
    return text;
}

std::string FormatInt(int value)
{
    char buf[16];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value);
    (void)ec;
    return std::string(buf, ptr);
}

std::string FormatInt2(int value)
{
    std::string s = FormatInt(value);
    if (s.size() < 2)
        s.insert(0, 2 - s.size(), ' ');
    return s;
}

}  // namespace vantrel
