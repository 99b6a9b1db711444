#include "numbers.h"

#include <charconv>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace vantrel {

namespace {

locale_t CLocale()
{
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

double StrtodC(std::string_view text)
{
    // strtod needs a terminated string; numbers are short, so a bounded copy will do.
    std::string copy(text.substr(0, 4096));
    return strtod_l(copy.c_str(), nullptr, CLocale());
}

}  // namespace

bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

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
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                     std::chars_format::general);
    if (ec == std::errc::invalid_argument)
        return 0.0;
    if (ec == std::errc::result_out_of_range)
        return StrtodC(rest);
    (void)ptr;
    return negative ? -value : value;
}

int CAtoi(std::string_view text)
{
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

std::string FormatFixed(double value, int precision)
{
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    char buf[400];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, precision);
    if (ec != std::errc())
        return {};
    return std::string(buf, ptr);
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
