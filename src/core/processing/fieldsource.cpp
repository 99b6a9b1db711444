#include "fieldsource.h"

#include "clipspikes.h"
#include "datafile/outputtables.h"
#include "filegroups.h"
#include "messages.h"
#include "numbers.h"

namespace vantrel {

namespace {
constexpr std::size_t kMaxRows = 200;
}

OperationReport ProcessFieldSource(OutputTables& tables)
{
    OperationReport report;
    DataTable& table = tables.m_processing;
    float largest = 0.0f;
    tables.m_nFieldGroups = 0;
    const int columns = tables.m_nFirstFreqColumn >= 0 ? tables.m_nFreqColumns : 0;
    const auto first = static_cast<std::size_t>(std::max(tables.m_nFirstFreqColumn, 0));
    std::vector<std::vector<float>> matrix(static_cast<std::size_t>(std::max(columns, 0)));

    for (FileGroup group : FileGroups(table)) {
        ++tables.m_nFieldGroups;
        if (group.Size() > kMaxRows) {
            std::string text(msg::kFieldSourceCapacity);
            text.replace(text.find("%d"), 2, FormatInt(static_cast<int>(kMaxRows)));
            report.Say(std::move(text));
            group.begin = group.end - kMaxRows;
        }
        const auto n = static_cast<int>(group.Size());
        const std::size_t rows = group.Size();
        // Read and write row by row (the cells of a row lie together); clip
        // and scale column by column.
        for (auto& values : matrix)
            values.resize(rows);
        for (std::size_t i = 0; i < rows; ++i)
            for (std::size_t j = 0; j < matrix.size(); ++j)
                matrix[j][i] = ReadingAt(table, group.begin + i, first + j);
        for (auto& values : matrix) {
            if (n > 6)
                ClipSpikes(values.data(), n, 3.0f);
            for (float v : values)
                if (v > largest)
                    largest = v;
        }
        const float target = largest >= 1.0f ? largest : largest + 1.0f;
        for (auto& values : matrix)
            ScaleToMax(n, values.data(), target);
        for (std::size_t i = 0; i < rows; ++i)
            for (std::size_t j = 0; j < matrix.size(); ++j)
                table.SetCell(group.begin + i, first + j, FormatFixed(matrix[j][i], 4));
    }
    tables.CompactText();
    return report;
}

}  // namespace vantrel
