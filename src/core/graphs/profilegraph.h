#pragma once

#include "graphkind.h"
#include "profilecurve.h"
#include "stackaxes.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vantrel {

class DataTable;

/// What a profile chart shows: the title, one band per curve slot stacked
/// up the plot, and the curves, curve i drawn in band i.
struct ProfileGraph {
    GraphKind kind = GraphKind::None;
    std::string title;
    int bands = 0;
    std::vector<AxisBand> axes;
    std::vector<ProfileCurve> curves;
};

/// The vertical profile of the first file of the Depth table: one curve per
/// run of equal heights (within 0.01) of that file's rows, heights from the
/// "Height(H)" column and readings from the "Value(V)" column, x the increment
/// (column 1). Rows of other files are skipped. `frequencyColumns` sizes the
/// chart; it grows to the number of curves when there are more, so no curve
/// is left without a band. An empty Depth table gives the title of file 0 and
/// no curve.
ProfileGraph VerticalProfile(const DataTable& depth, int frequencyColumns, float threshold);

/// The plane profile of one column of the Processing table: one curve per
/// file group with the increments and that column's readings, every curve at
/// height 0, one band per file group the table holds now.
ProfileGraph PlaneProfile(const DataTable& processing, std::size_t column, float threshold);

}  // namespace vantrel
