#include "charts/chartkinds.h"

#include "charts/cdialog_pmpm.h"
#include "charts/circulargridpane.h"
#include "charts/sectionchart.h"
#include "common/commandids.h"

#include <QCoreApplication>

#include <array>

namespace vantrel {

namespace {

constexpr const char* kContext = "vantrel::ChartKinds";

template <typename Pane>
ChartPane* make()
{
    return new Pane;
}

// What each graph is made of: the profiles take the settings' thresholds too.
constexpr ChartSource kDepthAndSettings{false, true, true};
constexpr ChartSource kProcessingAndSettings{true, false, true};
constexpr ChartSource kProcessingAndDepth{true, true, false};
constexpr ChartSource kDepth{false, true, false};

const std::array<ChartKind, 4> kKinds = {{
    {GraphKind::Vertical, cmd::ID_VERTICAL_GRAPH,
     QT_TRANSLATE_NOOP("vantrel::ChartKinds", "Vertical Profile"), kDepthAndSettings, make<CDialog_PMPM>,
     QT_TRANSLATE_NOOP("vantrel::CVantrelView",
                       "The vertical profile stacks one band per frequency and draws at most %1; "
                       "this one has %2. %3")},
    {GraphKind::Plane, cmd::ID_ICHNOGRAPHY_GRAPH, QT_TRANSLATE_NOOP("vantrel::ChartKinds", "Plane Profile"),
     kProcessingAndSettings, make<CDialog_PMPM>,
     QT_TRANSLATE_NOOP("vantrel::CVantrelView",
                       "The plane profile stacks one band per file and draws at most %1; this one "
                       "has %2. Choose fewer files with Choose Data.")},
    {GraphKind::Circular, cmd::ID_ROUND_GRAPH, QT_TRANSLATE_NOOP("vantrel::ChartKinds", "Ring Graph"),
     kProcessingAndDepth, make<CircularGridPane>,
     QT_TRANSLATE_NOOP("vantrel::CVantrelView",
                       "The circular graph draws one chart per frequency and at most %1; this one "
                       "has %2. %3")},
    {GraphKind::Section, cmd::ID_SECTION_GRAPH, QT_TRANSLATE_NOOP("vantrel::ChartKinds", "Pseudo-section"),
     kDepth, make<SectionChart>},
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

const ChartKind* chartKindOf(const Graph& graph)
{
    return chartKindOf(KindOf(graph));
}

QString chartWindowTitle(const ChartKind& kind)
{
    return QCoreApplication::translate(kContext, kind.title);
}

}  // namespace vantrel
