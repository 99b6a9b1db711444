#pragma once

#include "geo/sectioncontours.h"
#include "geo/sectiongrid.h"
#include "graphs/sectiongraph.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vantrel {

/// What the section chart has worked out for its picture: the grid its
/// colour map shows and the contour lines over it. Made by
/// runSectionWork(), on the interface thread for a small section and on a
/// worker for a large one.
struct SectionWork {
    struct Order {
        std::shared_ptr<const SectionGraph> graph;
        geo::GridMethod method = geo::GridMethod::InverseDistance;
        bool blend = false;  ///< measured cells blended between depths
        /// The grid drawn already, when only the contour levels changed.
        std::shared_ptr<const geo::SectionGrid> grid;
        std::vector<double> levels;
    };

    std::shared_ptr<const geo::SectionGrid> grid;
    /// Why the method asked for could not grid the section, which is then
    /// drawn as measured cells; empty when it could.
    std::string gridProblem;
    std::vector<geo::ContourLine> lines;
    std::string contourProblem;  ///< why contouring failed
    bool cancelled = false;
};

/// Grids the order's section (unless it brings its grid) and contours it at
/// the order's levels. `keepGoing` is asked now and then; false stops it,
/// and the result is marked cancelled.
SectionWork runSectionWork(const SectionWork::Order& order, const std::function<bool()>& keepGoing);

}  // namespace vantrel
