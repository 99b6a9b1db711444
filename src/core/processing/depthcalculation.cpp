#include "depthcalculation.h"

#include "datafile/columnrules.h"
#include "datafile/outputtables.h"
#include "filegroups.h"
#include "messages.h"
#include "numbers.h"

#include <climits>
#include <cmath>

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

    std::size_t frequencyColumns = 0;
    for (const auto& title : header)
        if (Contains(title, "HZ") || (Contains(title, "-") && !Contains(title, "ID")))
            ++frequencyColumns;
    depth.ReserveRows(processing.RowCount() * frequencyColumns);

    // The depth table shares the processing table's text store, so copied
    // cells are references to the same texts.
    const bool shared = depth.SharesStoreWith(processing);
    const auto copyOf = [&](std::size_t r, std::size_t col) {
        return shared ? processing.RefAt(r, col) : depth.StoreText(processing.Cell(r, col));
    };
    std::vector<DataTable::CellRef> refs(depthColumns);
    std::vector<DataTable::CellRef> copied;  // the copied cells of the group's rows
    for (const FileGroup& group : FileGroups(processing)) {
        copied.clear();
        for (std::size_t r = group.begin; r < group.end; ++r)
            for (std::size_t col = 0; col < heightColumn; ++col)
                copied.push_back(copyOf(r, col));
        for (std::size_t e = 0; e < header.size(); ++e) {
            const std::string& title = header[e];
            DataTable::CellRef height;
            if (Contains(title, "HZ"))
                height = depth.StoreText(
                    FormatInt(DepthHeight(static_cast<float>(FrequencyFromTitle(title)), rho, c)));
            else if (Contains(title, "-") && !Contains(title, "ID"))
                height = depth.StoreText(title);
            else
                continue;
            for (std::size_t r = group.begin; r < group.end; ++r) {
                const std::size_t k = (r - group.begin) * heightColumn;
                for (std::size_t col = 0; col < heightColumn; ++col)
                    refs[col] = copied[k + col];
                refs[heightColumn] = height;
                refs[heightColumn + 1] = copyOf(r, e);
                depth.AppendRowRefs(refs);
            }
        }
    }
    tables.SetActiveTab(OutputTables::DepthTab);
    return report;
}

}  // namespace vantrel
