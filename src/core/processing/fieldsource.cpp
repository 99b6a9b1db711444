#include "fieldsource.h"

#include "clipspikes.h"
#include "datafile/outputtables.h"
#include "filegroups.h"
#include "messages.h"
#include "numbers.h"
#include "threads/twothreads.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

namespace {
constexpr std::size_t kMaxRows = 200;
}

namespace {

/// One file group on its way through the processing: its readings column by
/// column, then their texts.
struct GroupWork {
    FileGroup group;
    std::vector<std::vector<float>> matrix;
    float largest = 0.0f;
    float target = 0.0f;
    std::string texts;                // row by row, column by column
    std::vector<std::uint32_t> ends;  // end of each text in `texts`
    std::vector<char> changed;        // whether each text differs from its cell's
};

void ReadAndClip(const DataTable& table, std::size_t first, std::size_t columns, GroupWork& work)
{
    const std::size_t rows = work.group.Size();
    work.matrix.resize(columns);
    for (auto& values : work.matrix)
        values.resize(rows);
    // Read row by row (the cells of a row lie together); clip column by column.
    for (std::size_t i = 0; i < rows; ++i)
        for (std::size_t j = 0; j < columns; ++j)
            work.matrix[j][i] = ReadingAt(table, work.group.begin + i, first + j);
    work.largest = 0.0f;
    for (auto& values : work.matrix) {
        if (rows > 6)
            ClipSpikes(values.data(), static_cast<int>(rows), 3.0f);
        for (float v : values)
            if (v > work.largest)
                work.largest = v;
    }
}

void ScaleAndPrint(const DataTable& table, std::size_t first, GroupWork& work)
{
    const std::size_t rows = work.group.Size();
    for (auto& values : work.matrix)
        ScaleToMax(static_cast<int>(rows), values.data(), work.target);
    work.texts.clear();
    work.ends.clear();
    work.changed.clear();
    for (std::size_t i = 0; i < rows; ++i)
        for (std::size_t j = 0; j < work.matrix.size(); ++j) {
            const std::size_t at = work.texts.size();
            AppendFixed(work.matrix[j][i], 4, work.texts);
            work.ends.push_back(static_cast<std::uint32_t>(work.texts.size()));
            // Compared here, on the producing thread, so the thread that stores
            // the texts does not read the old ones again.
            work.changed.push_back(std::string_view(work.texts).substr(at) !=
                                   table.Cell(work.group.begin + i, first + j));
        }
}

}  // namespace

OperationReport ProcessFieldSource(OutputTables& tables)
{
    OperationReport report;
    DataTable& table = tables.Processing();
    float largest = 0.0f;  // the largest clipped reading so far in the run
    tables.SetFieldGroups(0);
    const int columns = tables.FirstFreqColumn() >= 0 ? std::max(tables.FreqColumns(), 0) : 0;
    const auto first = static_cast<std::size_t>(std::max(tables.FirstFreqColumn(), 0));
    const auto count = static_cast<std::size_t>(columns);

    // Groups are clipped on their own, so they are read and clipped on two
    // threads; this one carries the running largest reading from group to
    // group in order, rescales the group and stores its texts.
    std::vector<FileGroup> groups = FileGroups(table);
    for (FileGroup& group : groups) {
        tables.SetFieldGroups(tables.FieldGroups() + 1);
        if (group.Size() > kMaxRows) {
            std::string text(msg::kFieldSourceCapacity);
            text.replace(text.find("%d"), 2, FormatInt(static_cast<int>(kMaxRows)));
            report.Say(std::move(text));
            group.begin = group.end - kMaxRows;
        }
    }
    // Pass one reads and clips every group on two threads. The target of a
    // group is the largest clipped reading of the run up to it, known once the
    // groups before it are clipped; pass two rescales and prints the groups on
    // two threads while this one stores their texts in order.
    std::vector<GroupWork> works(groups.size());
    ForEachOnTwoThreads(groups.size(), [&](std::size_t g) {
        works[g].group = groups[g];
        ReadAndClip(table, first, count, works[g]);
    });
    for (GroupWork& work : works) {
        largest = std::max(largest, work.largest);
        work.target = largest >= 1.0f ? largest : largest + 1.0f;
    }
    struct Slot {
        GroupWork* work = nullptr;
    };
    ProduceOnTwoThreadsInOrder<Slot>(
        works.size(),
        [&](std::size_t g, Slot& slot) {
            slot.work = &works[g];
            ScaleAndPrint(table, first, *slot.work);
        },
        [&](std::size_t, Slot& slot) {
            GroupWork& work = *slot.work;
            std::size_t at = 0, k = 0;
            for (std::size_t i = 0; i < work.group.Size(); ++i)
                for (std::size_t j = 0; j < count; ++j, ++k) {
                    if (work.changed[k])
                        table.ReplaceCell(work.group.begin + i, first + j,
                                          std::string_view(work.texts).substr(at, work.ends[k] - at));
                    at = work.ends[k];
                }
            work = GroupWork{};  // its readings and texts are stored: give the memory back
        });
    tables.CompactText();
    return report;
}

}  // namespace vantrel
