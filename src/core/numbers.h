#pragma once

#include <string>
#include <string_view>

/// Number conversions of the tables. They behave like the C library's atof,
/// atoi and printf in the "C" locale, whatever locale the process runs in:
/// the decimal separator is always a point.
namespace vantrel {

/// atof semantics: leading white space is skipped, the longest prefix that
/// forms a number is converted ("20m" gives 20), no number gives 0. Accepts
/// exponents, hexadecimal, "INF" and "NAN" as strtod does. Out-of-range values
/// give +-HUGE_VAL or 0 as strtod does.
double CAtof(std::string_view text);

/// atoi semantics: leading white space, an optional sign, decimal digits up to
/// the first non-digit; 0 when there are none. Values beyond the int range
/// saturate at INT_MIN / INT_MAX instead of being undefined.
int CAtoi(std::string_view text);

/// printf("%0.Nf", value) in the C locale ("%f" is precision 6).
std::string FormatFixed(double value, int precision);
/// FormatFixed appended to `out`, without a string of its own.
void AppendFixed(double value, int precision, std::string& out);
/// printf("%d", value).
std::string FormatInt(int value);
/// printf("%2d", value): right-aligned in at least two characters.
std::string FormatInt2(int value);

inline bool IsCSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace vantrel
