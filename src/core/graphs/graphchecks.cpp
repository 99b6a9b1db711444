#include "graphchecks.h"

#include "datafile/columnrules.h"
#include "datafile/datatable.h"
#include "messages.h"

namespace vantrel {

std::string FirstDocumentTitle(GraphKind kind)
{
    switch (kind) {
    case GraphKind::Vertical: return "垂直剖面图";
    case GraphKind::Plane: return "平面剖面图";
    case GraphKind::Circular: return "环形图";
    case GraphKind::Section: return "Pseudo-section";
    case GraphKind::None: break;
    }
    return {};
}

std::string GraphCommandCheck(GraphKind kind, bool dataSelected, int currentFrequency,
                              std::size_t frequencyEntries)
{
    const bool entry = currentFrequency >= 0 && static_cast<std::size_t>(currentFrequency) < frequencyEntries;
    if (!dataSelected || (kind == GraphKind::Plane && !entry))
        return msg::kChooseData;
    return {};
}

PlaneColumn PlaneProfileColumn(const DataTable& processing, int firstFreqColumn, int selectedFrequency)
{
    PlaneColumn result;
    if (firstFreqColumn < 0) {
        result.message = msg::kNoDataAddress;
        return result;
    }
    // The selector lists the frequency columns in header order; counting them
    // rather than adding the index to the first one keeps the right column when
    // another column stands between two of them.
    int seen = 0;
    const std::size_t first = static_cast<std::size_t>(firstFreqColumn);
    for (std::size_t c = first; selectedFrequency >= 0 && c < processing.ColumnCount(); ++c) {
        if (!IsFrequencyTitle(processing.Title(c)))
            continue;
        if (seen++ == selectedFrequency) {
            result.column = c;
            return result;
        }
    }
    result.message = msg::kNoProcessingVariables;
    return result;
}

}  // namespace vantrel
