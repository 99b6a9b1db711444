#include "contourlevels.h"

#include "numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace vantrel {

namespace {

bool AllDigits(const std::string& text)
{
    return !text.empty() &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

/// A whole cell read as one finite number in the C locale, or false.
bool ReadNumber(const std::string& text, double* value)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool digits = false;
    bool point = false;
    bool exponent = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point && !exponent) {
            point = true;
        } else if ((c == 'e' || c == 'E') && digits && !exponent) {
            exponent = true;
            digits = false;
            if (i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-'))
                ++i;
        } else {
            return false;
        }
    }
    if (!digits)
        return false;
    *value = CAtof(text);
    return std::isfinite(*value);
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

constexpr int kAutomaticLevels = 10;

std::vector<double> NiceLinearLevels(double lower, double upper)
{
    const double rough = (upper - lower) / kAutomaticLevels;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (const double m : {1.0, 2.0, 2.5, 5.0}) {
        if (m * power >= rough) {
            step = m * power;
            break;
        }
    }
    std::vector<double> levels;
    for (double k = std::floor(lower / step) + 1; k * step < upper; ++k) {
        // Multiples of the step as written, not as accumulated: 0.1 * 3 is 0.3.
        const double level = std::round(k * step / power * 1e6) / 1e6 * power;
        if (level > lower && level < upper)
            levels.push_back(level);
    }
    return levels;
}

std::vector<double> NiceLogLevels(double lower, double upper)
{
    static const std::array<std::vector<double>, 4> series = {{
        {1.0},
        {1.0, 3.0},
        {1.0, 2.0, 5.0},
        {1.0, 1.5, 2.0, 3.0, 5.0, 7.0},
    }};
    std::vector<double> best;
    for (const auto& mantissas : series) {
        std::vector<double> levels;
        for (double decade = std::floor(std::log10(lower)); decade <= std::ceil(std::log10(upper));
             ++decade) {
            const double power = std::pow(10.0, decade);
            for (const double m : mantissas) {
                const double level = m * power;
                if (level > lower && level < upper)
                    levels.push_back(level);
            }
        }
        if (static_cast<int>(levels.size()) > kAutomaticLevels)
            break;
        best = std::move(levels);
    }
    return best;
}

}  // namespace

ContourChoiceParse ParseContourChoice(const std::string& text)
{
    ContourChoiceParse parse;
    const std::string t = Trimmed(text);
    if (t == "off") {
        parse.choice.mode = ContourChoice::Mode::Off;
        return parse;
    }
    if (t == "auto") {
        parse.choice.mode = ContourChoice::Mode::Automatic;
        return parse;
    }
    if (AllDigits(t)) {
        const int count = t.size() > 3 ? kMaxContourLevels + 1 : CAtoi(t);
        if (count < 1 || count > kMaxContourLevels) {
            parse.message = "the number of contour levels must be from 1 to " + FormatInt(kMaxContourLevels) +
                ", not " + t;
            return parse;
        }
        parse.choice.mode = ContourChoice::Mode::Count;
        parse.choice.count = count;
        return parse;
    }
    std::stringstream in(t);
    std::vector<double> levels;
    for (std::string part; std::getline(in, part, ',');) {
        part = Trimmed(part);
        if (part.empty() && in.eof())
            break;
        double level = 0;
        if (!ReadNumber(part, &level)) {
            parse.message = "a contour level must be a number, not '" + part + "'";
            return parse;
        }
        levels.push_back(level);
    }
    if (levels.empty()) {
        parse.message = "contours take auto, off, a number of levels or levels L1,L2,..., not '" + t + "'";
        return parse;
    }
    if (levels.size() > static_cast<std::size_t>(kMaxContourLevels)) {
        parse.message = "at most " + FormatInt(kMaxContourLevels) + " contour levels can be given";
        return parse;
    }
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    parse.choice.mode = ContourChoice::Mode::Given;
    parse.choice.levels = std::move(levels);
    return parse;
}

std::string ContourChoiceText(const ContourChoice& choice)
{
    switch (choice.mode) {
    case ContourChoice::Mode::Off: return "off";
    case ContourChoice::Mode::Automatic: return "auto";
    case ContourChoice::Mode::Count: return FormatInt(choice.count);
    case ContourChoice::Mode::Given: break;
    }
    std::string text;
    for (const double level : choice.levels) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.10g", level);
        std::string number = buffer;
        // A lone whole number would read back as a count.
        if (choice.levels.size() == 1 && number.find_first_of(".eE") == std::string::npos)
            number += ".0";
        text += (text.empty() ? "" : ",") + number;
    }
    return text;
}

std::vector<double> ContourLevels(const ContourChoice& choice, double lower, double upper, bool logarithmic)
{
    if (choice.mode == ContourChoice::Mode::Off)
        return {};
    if (choice.mode == ContourChoice::Mode::Given)
        return choice.levels;
    if (!std::isfinite(lower) || !std::isfinite(upper) || !(upper > lower))
        return {};
    const bool log = logarithmic && lower > 0;
    if (choice.mode == ContourChoice::Mode::Count) {
        std::vector<double> levels;
        const double a = log ? std::log(lower) : lower;
        const double b = log ? std::log(upper) : upper;
        for (int k = 1; k <= choice.count; ++k) {
            const double t = a + (b - a) * k / (choice.count + 1);
            levels.push_back(log ? std::exp(t) : t);
        }
        return levels;
    }
    if (log) {
        std::vector<double> levels = NiceLogLevels(lower, upper);
        if (levels.size() >= 3)
            return levels;
    }
    return NiceLinearLevels(lower, upper);
}

}  // namespace vantrel
