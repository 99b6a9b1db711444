#include "charts/sectionwork.h"

namespace vantrel {

SectionWork runSectionWork(const SectionWork::Order& order, const std::function<bool()>& keepGoing)
{
    SectionWork work;
    const geo::GridProgress progress = [&keepGoing](double) { return !keepGoing || keepGoing(); };
    work.grid = order.grid;
    if (!work.grid) {
        geo::GridResult made = geo::GridSection(*order.graph, order.method, order.blend, progress);
        if (made.cancelled) {
            work.cancelled = true;
            return work;
        }
        if (!made.Ok() && order.method != geo::GridMethod::MeasuredCells && !order.graph->Empty()) {
            // One station or one depth still has cells to show.
            work.gridProblem = made.message;
            made = geo::GridSection(*order.graph, geo::GridMethod::MeasuredCells, order.blend);
        }
        if (!made.Ok())
            return work;
        work.grid = std::make_shared<const geo::SectionGrid>(std::move(made.grid));
    }
    if (order.levels.empty())
        return work;
    geo::ContourResult contours = geo::ContourSection(*work.grid, order.levels, progress);
    work.cancelled = contours.cancelled;
    work.contourProblem = contours.message;
    work.lines = std::move(contours.lines);
    return work;
}

}  // namespace vantrel
