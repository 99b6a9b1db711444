#pragma once

#include "graphkind.h"

#include <cstddef>
#include <string>

namespace vantrel {

class DataTable;

/// The title a new chart window of this kind starts with, before its graph
/// sets its own.
std::string FirstDocumentTitle(GraphKind kind);

/// The message a graph command stops at, empty when it may open its window:
/// every graph needs chosen data, the plane profile also a current entry of
/// the frequency selector (0 <= `currentFrequency` < `frequencyEntries`).
std::string GraphCommandCheck(GraphKind kind, bool dataSelected, int currentFrequency,
                              std::size_t frequencyEntries);

/// The plane profile's column: the `selectedFrequency`-th frequency column
/// counted from `firstFreqColumn`, or the message the graph stops at.
struct PlaneColumn {
    std::size_t column = 0;
    std::string message;
    bool Ok() const { return message.empty(); }
};
PlaneColumn PlaneProfileColumn(const DataTable& processing, int firstFreqColumn, int selectedFrequency);

}  // namespace vantrel
