#include "graphkind.h"

namespace vantrel {

std::string_view GraphKindName(GraphKind kind)
{
    switch (kind) {
    case GraphKind::Vertical: return "vertical";
    case GraphKind::Plane: return "plane";
    case GraphKind::Circular: return "circular";
    case GraphKind::Section: return "section";
    case GraphKind::None: break;
    }
    return {};
}

GraphKind GraphKindNamed(std::string_view name)
{
    for (GraphKind kind : kGraphKinds)
        if (name == GraphKindName(kind))
            return kind;
    return GraphKind::None;
}

}  // namespace vantrel
