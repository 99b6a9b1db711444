#include "badpoints.h"

#include "clipspikes.h"
#include "datafile/outputtables.h"
#include "filegroups.h"
#include "messages.h"
#include "numbers.h"
#include "threads/twothreads.h"

#include <algorithm>
#include <cstdint>
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
        const double bound =
            v - m > 0 ? static_cast<double>(m + spread) - 0.0001 : static_cast<double>(m - spread) + 0.0001;
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

/// The cells the correction changes in one file group, its statistics taken
/// before any of its cells change.
void GroupCorrections(const OutputTables& tables, std::size_t count, const FileGroup& group, bool firstGroup,
                      std::vector<Correction>& changes)
{
    const DataTable& origin = tables.Origin();
    const auto first = static_cast<std::size_t>(tables.FirstFreqColumn());
    const float k = tables.Settings().m_fDeviationFactor;
    thread_local std::vector<ColumnStats> stats;
    thread_local std::vector<std::vector<float>> readings;  // the group's readings, column by column
    stats.resize(count);
    readings.resize(count);
    for (std::size_t j = 0; j < count; ++j) {
        readings[j].clear();
        for (std::size_t r = group.begin; r < group.end; ++r)
            readings[j].push_back(ReadingAt(origin, r, first + j));
        stats[j] = GroupColumnStats(readings[j], firstGroup);
    }
    changes.clear();
    for (std::size_t r = group.begin; r < group.end; ++r)
        for (std::size_t j = 0; j < count; ++j)
            if (auto text = Corrected(readings[j][r - group.begin], stats[j], k))
                changes.push_back({r, first + j, std::move(*text)});
}

/// What the search does to one file group, worked out without touching the
/// table: the texts of its first `n` readings after clipping, and the cells
/// the correction would then change (the first per row).
struct GroupSearch {
    FileGroup group;
    std::size_t n = 0;
    std::string texts;                // row by row, column by column
    std::vector<std::uint32_t> ends;  // end of each text in `texts`
    std::vector<char> changed;        // whether each text differs from its cell's
    std::vector<std::pair<int, int>> marks;
};

void SearchGroup(const OutputTables& tables, GroupSearch& work)
{
    const DataTable& origin = tables.Origin();
    const FileGroup& group = work.group;
    const auto first = static_cast<std::size_t>(tables.FirstFreqColumn());
    const auto count = static_cast<std::size_t>(tables.FreqColumns());
    const std::size_t n = std::min<std::size_t>(group.Size(), kMaxBuffer);
    work.n = n;
    thread_local std::vector<float> clipped;
    clipped.resize(n * count);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < count; ++j)
            clipped[j * n + i] = ReadingAt(origin, group.begin + i, first + j);
    if (n > 6)
        for (std::size_t j = 0; j < count; ++j)
            ClipSpikes(clipped.data() + j * n, static_cast<int>(n), 3.0f);
    work.texts.clear();
    work.ends.clear();
    work.changed.clear();
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < count; ++j) {
            const std::size_t at = work.texts.size();
            AppendFixed(clipped[j * n + i], 6, work.texts);
            work.ends.push_back(static_cast<std::uint32_t>(work.texts.size()));
            // Compared here, so the storing thread does not read the old text.
            work.changed.push_back(std::string_view(work.texts).substr(at) !=
                                   origin.Cell(group.begin + i, first + j));
        }

    // The readings as the correction will read them: the rewritten ones as
    // atof reads their new text, the rest (beyond 200 rows) from the table.
    const auto columns = static_cast<std::size_t>(std::min(tables.FreqColumns(), kMaxBuffer));
    const float k = tables.Settings().m_fDeviationFactor;
    thread_local std::vector<float> readings, means;
    const std::size_t rows = group.Size();
    readings.resize(rows * columns);
    means.assign(columns, 0.0f);
    for (std::size_t j = 0; j < columns; ++j) {
        float sum = 0.0f;
        for (std::size_t i = 0; i < rows; ++i) {
            const float v =
                i < n ? ReadBack(clipped[j * n + i]) : ReadingAt(origin, group.begin + i, first + j);
            readings[j * rows + i] = v;
            sum += v;
        }
        means[j] = sum / static_cast<float>(rows);
    }
    work.marks.clear();
    for (std::size_t i = 0; i < rows; ++i)
        for (std::size_t j = 0; j < columns; ++j)
            if (NeedsCorrection(readings[j * rows + i], means[j], k)) {
                work.marks.emplace_back(static_cast<int>(group.begin + i), static_cast<int>(first + j));
                break;
            }
}

}  // namespace

OperationReport SearchBadPoints(OutputTables& tables)
{
    OperationReport report;
    tables.ClearMarks();
    DataTable& origin = tables.Origin();
    // Each (column, group) is clipped on its own: the groups are worked out on
    // two threads while this one stores their texts in group order.
    if (tables.FirstFreqColumn() >= 0 && tables.FreqColumns() > 0) {
        const auto first = static_cast<std::size_t>(tables.FirstFreqColumn());
        const auto count = static_cast<std::size_t>(tables.FreqColumns());
        const std::vector<FileGroup> groups = FileGroups(origin);
        ProduceOnTwoThreadsInOrder<GroupSearch>(
            groups.size(),
            [&](std::size_t g, GroupSearch& work) {
                work.group = groups[g];
                SearchGroup(tables, work);
            },
            [&](std::size_t, const GroupSearch& work) {
                std::size_t at = 0, k = 0;
                for (std::size_t i = 0; i < work.n; ++i)
                    for (std::size_t j = 0; j < count; ++j, ++k) {
                        if (work.changed[k])
                            origin.ReplaceCell(work.group.begin + i, first + j,
                                               std::string_view(work.texts).substr(at, work.ends[k] - at));
                        at = work.ends[k];
                    }
                for (const auto& [row, column] : work.marks)
                    tables.MarkCell(row, column);
            });
    }
    tables.CompactText();
    if (!tables.Marks().empty())
        report.Say(msg::kMarkedRed);
    return report;
}

OperationReport CorrectBadPoints(OutputTables& tables)
{
    OperationReport report;
    tables.ClearMarks();
    if (tables.FreqColumns() > kMaxBuffer) {
        tables.LimitFreqColumns(kMaxBuffer);
        report.Say(FormatWithCount(msg::kMaxFrequencies, kMaxBuffer));
    }
    DataTable& origin = tables.Origin();
    if (tables.FirstFreqColumn() >= 0 && tables.FreqColumns() > 0) {
        const auto count = static_cast<std::size_t>(tables.FreqColumns());
        const std::vector<FileGroup> groups = FileGroups(origin);
        // Groups are corrected on their own: worked out on two threads, stored
        // in group order on this one.
        ProduceOnTwoThreadsInOrder<std::vector<Correction>>(
            groups.size(),
            [&](std::size_t g, std::vector<Correction>& changes) {
                GroupCorrections(tables, count, groups[g], g == 0, changes);
            },
            [&](std::size_t, const std::vector<Correction>& changes) {
                for (const auto& change : changes)
                    origin.SetCell(change.row, change.column, change.text);
            });
    }
    tables.CompactText();
    return report;
}

}  // namespace vantrel
