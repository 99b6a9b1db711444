#pragma once

#include "graphs/graphkind.h"

#include <QString>

#include <span>
#include <string_view>

namespace vantrel {

/// One kind of chart window of the desktop: the graph it shows, the command
/// that opens it, and the window's first title.
struct ChartKind {
    GraphKind kind;
    int commandId;
    const char* title;  ///< untranslated; see chartWindowTitle()

    /// The kind's name on the command line and in saved work ("vertical", ...).
    std::string_view name() const { return GraphKindName(kind); }
};

/// Every chart kind, in the order of the graph commands.
std::span<const ChartKind> chartKinds();
/// The row of the graph command `commandId`, nullptr for another command.
const ChartKind* chartKindOfCommand(int commandId);
/// The row of `kind`, nullptr for GraphKind::None.
const ChartKind* chartKindOf(GraphKind kind);
/// The first title of a new window of the kind, in the interface language.
QString chartWindowTitle(const ChartKind& kind);

}  // namespace vantrel
