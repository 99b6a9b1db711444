#pragma once

namespace vantrel {

/// What a chart window shows; the numbers are the ones a chart view stores.
enum class GraphKind { None = 0, Vertical = 1, Plane = 2, Circular = 3, Section = 4 };

}  // namespace vantrel
