#include "badpoints.h"

#include "clipspikes.h"
#include "datafile/outputtables.h"
#include "filegroups.h"
#include "messages.h"
#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vantrel {

namespace {

constexpr int kMaxBuffer = 200;

std::string FormatWithCount(const char* text, int count)
{
    std::string s(text);
    const auto at = s.find("%d");
    if (at != std::string::npos)
        s.replace(at, 2, FormatInt(count));
    return s;
}

/// The statistics the correction takes from one group's column.
struct ColumnStats {
    float mean = 0.0f;
    float lowest = 0.0f;
};

ColumnStats GroupColumnStats(const std::vector<float>& readings, bool firstGroup)
{
    ColumnStats stats;
    stats.lowest = firstGroup ? 9000.0f : 900000.0f;
    float sum = 0.0f;
    for (const float v : readings) {
        sum += v;
        if (v > 0.00001f && v < stats.lowest)
            stats.lowest = v;
    }
    stats.mean = sum / static_cast<float>(readings.size());
    return stats;
}

/// Whether the correction changes reading `v` of a column with mean `m`.
bool NeedsCorrection(float v, float m, float k)
{
    return std::fabs(v - m) > m * k || std::fabs(v) < 0.0001f;
}

/// The reading the correction will take from the text "%f" makes of `x`:
/// "%f" is N / 10^6 with N = x * 10^6 rounded, which atof turns into the
/// double nearest to N / 10^6.
float ReadBack(float x)
{
    if (std::fabs(x) < 9e9f)
        return static_cast<float>(std::nearbyint(static_cast<double>(x) * 1e6) / 1e6);
    return static_cast<float>(CAtof(FormatFixed(x, 6)));
}

/// The text the correction writes for reading `v`, or nothing when it keeps it.
std::optional<std::string> Corrected(float v, const ColumnStats& stats, float k)
{
    const float m = stats.mean;
    const float spread = m * k;
    if (std::fabs(v - m) > spread) {
        const double bound = v - m > 0 ? static_cast<double>(m + spread) - 0.0001
                                       : static_cast<double>(m - spread) + 0.0001;
        return FormatFixed(bound, 4);
    }
    if (std::fabs(v) < 0.0001f)
        return FormatFixed(stats.lowest, 4);
    return std::nullopt;
}

struct Correction {
    std::size_t row;
    std::size_t column;
    std::string text;
};

/// Hands `done(changes)` the cells the correction changes, one file group at a
/// time; a group's statistics are taken before any of its cells change.
template <typename Done>
void ForEachGroupCorrection(const OutputTables& tables, int frequencyColumns, Done done)
{
    const DataTable& origin = tables.m_origin;
    if (tables.m_nFirstFreqColumn < 0 || frequencyColumns <= 0)
        return;
    const auto first = static_cast<std::size_t>(tables.m_nFirstFreqColumn);
    const auto count = static_cast<std::size_t>(frequencyColumns);
    const float k = tables.m_settings.m_fDeviationFactor;
    std::vector<ColumnStats> stats(count);
    std::vector<std::vector<float>> readings(count);  // the group's readings, column by column
    std::vector<Correction> changes;
    bool firstGroup = true;
    for (const FileGroup& group : FileGroups(origin)) {
        for (std::size_t j = 0; j < count; ++j) {
            readings[j].clear();
            for (std::size_t r = group.begin; r < group.end; ++r)
                readings[j].push_back(ReadingAt(origin, r, first + j));
            stats[j] = GroupColumnStats(readings[j], firstGroup);
        }
        firstGroup = false;
        changes.clear();
        for (std::size_t r = group.begin; r < group.end; ++r)
            for (std::size_t j = 0; j < count; ++j)
                if (auto text = Corrected(readings[j][r - group.begin], stats[j], k))
                    changes.push_back({r, first + j, std::move(*text)});
        done(changes);
    }
}

/// Marks, in each row of a group the search has just rewritten, the first
/// frequency cell the correction would change. `clipped` holds the group's
/// first `n` readings column by column as the search wrote them.
void MarkGroup(OutputTables& tables, const FileGroup& group, const std::vector<float>& clipped, std::size_t n)
{
    const DataTable& origin = tables.m_origin;
    const auto first = static_cast<std::size_t>(tables.m_nFirstFreqColumn);
    const auto columns = static_cast<std::size_t>(std::min(tables.m_nFreqColumns, kMaxBuffer));
    const float k = tables.m_settings.m_fDeviationFactor;
    thread_local std::vector<float> readings, means;
    const std::size_t rows = group.Size();
    readings.resize(rows * columns);
    means.assign(columns, 0.0f);
    for (std::size_t j = 0; j < columns; ++j) {
        float sum = 0.0f;
        for (std::size_t i = 0; i < rows; ++i) {
            const float v = i < n ? ReadBack(clipped[j * n + i]) : ReadingAt(origin, group.begin + i, first + j);
            readings[j * rows + i] = v;
            sum += v;
        }
        means[j] = sum / static_cast<float>(rows);
    }
    for (std::size_t i = 0; i < rows; ++i)
        for (std::size_t j = 0; j < columns; ++j)
            if (NeedsCorrection(readings[j * rows + i], means[j], k)) {
                tables.m_marks.emplace(static_cast<int>(group.begin + i), static_cast<int>(first + j));
                break;
            }
}

}  // namespace

OperationReport SearchBadPoints(OutputTables& tables)
{
    OperationReport report;
    tables.ClearMarks();
    DataTable& origin = tables.m_origin;
    // Each (column, group) is clipped on its own, so the groups are walked
    // row by row, which keeps the reads close together.
    if (tables.m_nFirstFreqColumn >= 0 && tables.m_nFreqColumns > 0) {
        const auto first = static_cast<std::size_t>(tables.m_nFirstFreqColumn);
        const auto count = static_cast<std::size_t>(tables.m_nFreqColumns);
        std::vector<float> buffer;
        for (const FileGroup& group : FileGroups(origin)) {
            const std::size_t n = std::min<std::size_t>(group.Size(), kMaxBuffer);
            buffer.resize(n * count);
            for (std::size_t i = 0; i < n; ++i)
                for (std::size_t j = 0; j < count; ++j)
                    buffer[j * n + i] = ReadingAt(origin, group.begin + i, first + j);
            if (n > 6)
                for (std::size_t j = 0; j < count; ++j)
                    ClipSpikes(buffer.data() + j * n, static_cast<int>(n), 3.0f);
            for (std::size_t i = 0; i < n; ++i)
                for (std::size_t j = 0; j < count; ++j)
                    origin.SetCell(group.begin + i, first + j, FormatFixed(buffer[j * n + i], 6));
            MarkGroup(tables, group, buffer, n);
        }
    }
    tables.CompactText();
    if (!tables.m_marks.empty())
        report.Say(msg::kMarkedRed);
    return report;
}

OperationReport CorrectBadPoints(OutputTables& tables)
{
    OperationReport report;
    tables.ClearMarks();
    if (tables.m_nFreqColumns > kMaxBuffer) {
        tables.m_nFreqColumns = kMaxBuffer;
        report.Say(FormatWithCount(msg::kMaxFrequencies, kMaxBuffer));
    }
    DataTable& origin = tables.m_origin;
    ForEachGroupCorrection(tables, tables.m_nFreqColumns, [&](const std::vector<Correction>& changes) {
        for (const auto& change : changes)
            origin.SetCell(change.row, change.column, change.text);
    });
    tables.CompactText();
    return report;
}

}  // namespace vantrel
