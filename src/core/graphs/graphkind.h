#pragma once

#include <string_view>

namespace vantrel {

/// What a chart window shows; the numbers are the ones a chart view stores.
enum class GraphKind { None = 0, Vertical = 1, Plane = 2, Circular = 3, Section = 4 };

/// The kinds that draw something, in the order the graph commands list them.
inline constexpr GraphKind kGraphKinds[] = {GraphKind::Vertical, GraphKind::Plane, GraphKind::Circular,
                                            GraphKind::Section};

/// The kind's name on the command line and in saved work: "vertical",
/// "plane", "circular", "section"; empty for None.
std::string_view GraphKindName(GraphKind kind);
/// The kind of such a name (exact, lower case); None for any other text.
GraphKind GraphKindNamed(std::string_view name);

}  // namespace vantrel
