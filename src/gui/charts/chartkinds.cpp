#include "charts/chartkinds.h"

#include "common/commandids.h"

#include <QCoreApplication>

#include <array>

namespace vantrel {

namespace {

constexpr const char* kContext = "vantrel::ChartKinds";

const std::array<ChartKind, 4> kKinds = {{
    {GraphKind::Vertical, cmd::ID_VERTICAL_GRAPH,
     QT_TRANSLATE_NOOP("vantrel::ChartKinds", "Vertical Profile")},
    {GraphKind::Plane, cmd::ID_ICHNOGRAPHY_GRAPH, QT_TRANSLATE_NOOP("vantrel::ChartKinds", "Plane Profile")},
    {GraphKind::Circular, cmd::ID_ROUND_GRAPH, QT_TRANSLATE_NOOP("vantrel::ChartKinds", "Ring Graph")},
    {GraphKind::Section, cmd::ID_SECTION_GRAPH, QT_TRANSLATE_NOOP("vantrel::ChartKinds", "Pseudo-section")},
}};

}  // namespace

std::span<const ChartKind> chartKinds()
{
    return kKinds;
}

const ChartKind* chartKindOfCommand(int commandId)
{
    for (const ChartKind& k : kKinds)
        if (k.commandId == commandId)
            return &k;
    return nullptr;
}

const ChartKind* chartKindOf(GraphKind kind)
{
    for (const ChartKind& k : kKinds)
        if (k.kind == kind)
            return &k;
    return nullptr;
}

QString chartWindowTitle(const ChartKind& kind)
{
    return QCoreApplication::translate(kContext, kind.title);
}

}  // namespace vantrel
