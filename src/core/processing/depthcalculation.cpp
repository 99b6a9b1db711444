#include "depthcalculation.h"

#include "datafile/columnrules.h"
#include "datafile/outputtables.h"
#include "filegroups.h"
#include "messages.h"
#include "numbers.h"
#include "threads/twothreads.h"

#include <climits>
#include <cmath>
#include <span>
#include <vector>

namespace vantrel {

int DepthHeight(float frequency, float resistivity, float coefficient)
{
    const float q = resistivity / frequency;
    const float s = std::sqrt(q);
    const double h = 0.0 - static_cast<double>(coefficient) * (static_cast<double>(s) * 503.5);
    if (!std::isfinite(h) || h <= static_cast<double>(INT_MIN) - 1.0 ||
        h >= static_cast<double>(INT_MAX) + 1.0)
        return INT_MIN;
    return static_cast<int>(h);
}

bool DepthNeedsConfirmation(const OutputTables& tables)
{
    return tables.Depth().RowCount() > 0;
}

OperationReport CalculateDepth(OutputTables& tables)
{
    OperationReport report;
    if (!tables.HasHeader()) {
        report.stopped = true;
        return report;
    }
    const DataTable& processing = tables.Processing();
    if (processing.RowCount() == 0) {
        report.Say(msg::kSelectHighValue);
        report.stopped = true;
        return report;
    }
    DataTable& depth = tables.Depth();
    depth.ClearRows();
    const auto& header = tables.Header();
    const std::size_t depthColumns = depth.ColumnCount();
    if (depthColumns < 2)
        return report;
    const std::size_t heightColumn = depthColumns - 2;  // the columns before it are copied
    const float rho = tables.Settings().m_fResistivity;
    const float c = tables.Settings().m_fDepthCoefficient;

    // One band of rows per frequency column, each with its height text.
    struct Band {
        std::size_t column;
        DataTable::CellRef height;
    };
    std::vector<Band> bands;
    for (std::size_t e = 0; e < header.size(); ++e) {
        const std::string& title = header[e];
        if (!IsFrequencyTitle(title))
            continue;
        // A hertz title gives the depth of its frequency; a dash title is the depth itself.
        const std::string height = IsHertzTitle(title)
            ? FormatInt(DepthHeight(static_cast<float>(FrequencyFromTitle(title)), rho, c))
            : title;
        bands.push_back({e, depth.StoreText(height)});
    }
    const std::vector<FileGroup> groups = FileGroups(processing);

    // Rows go out group by group, band by band, row by row.
    if (!depth.SharesStoreWith(processing)) {
        std::vector<DataTable::CellRef> refs(depthColumns);
        depth.ReserveRows(processing.RowCount() * bands.size());
        for (const FileGroup& group : groups)
            for (const Band& band : bands)
                for (std::size_t r = group.begin; r < group.end; ++r) {
                    for (std::size_t col = 0; col < heightColumn; ++col)
                        refs[col] = depth.StoreText(processing.Cell(r, col));
                    refs[heightColumn] = band.height;
                    refs[heightColumn + 1] = depth.StoreText(processing.Cell(r, band.column));
                    depth.AppendRowRefs(refs);
                }
        tables.SetActiveTab(OutputTables::DepthTab);
        return report;
    }
    // The depth table shares the processing table's text store, so its cells
    // are references to the same texts, and the groups fill their own rows of
    // the table on two threads.
    std::vector<std::size_t> firstRow(groups.size() + 1, 0);
    for (std::size_t g = 0; g < groups.size(); ++g)
        firstRow[g + 1] = firstRow[g] + groups[g].Size() * bands.size();
    const std::span<DataTable::CellRef> rows = depth.AppendRowsToFill(firstRow.back());
    ForEachOnTwoThreads(groups.size(), [&](std::size_t g) {
        DataTable::CellRef* out = rows.data() + firstRow[g] * depthColumns;
        const FileGroup& group = groups[g];
        for (const Band& band : bands)
            for (std::size_t r = group.begin; r < group.end; ++r) {
                for (std::size_t col = 0; col < heightColumn; ++col)
                    *out++ = processing.RefAt(r, col);
                *out++ = band.height;
                *out++ = processing.RefAt(r, band.column);
            }
    });
    tables.SetActiveTab(OutputTables::DepthTab);
    return report;
}

}  // namespace vantrel
