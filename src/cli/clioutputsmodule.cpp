// The command line's output module: gridding, contouring and grid exports
// through GDAL, and pictures through the desktop's charts (when built).
#include "clioutputs.h"

#ifdef VANTREL_CLI_PICTURES
#include "graphpicturewriter.h"
#endif

namespace {

using namespace vantrel;

geo::GridResult Grid(const SectionGraph& graph, geo::GridMethod method)
{
    return geo::GridSection(graph, method);
}

geo::ContourResult Contour(const geo::SectionGrid& grid, const std::vector<double>& levels)
{
    return geo::ContourSection(grid, levels);
}

#ifndef VANTREL_CLI_PICTURES
void NoPictures() {}
#endif

}  // namespace

extern "C" __attribute__((visibility("default"))) const vantrel::CliOutputs* vantrel_cli_outputs()
{
    static const CliOutputs outputs{
        Grid,
        Contour,
        geo::ExportSectionGrid,
        geo::ExportSectionContours,
#ifdef VANTREL_CLI_PICTURES
        WriteGraphPicture,
        EndGraphPictures,
#else
        nullptr, NoPictures,
#endif
    };
    return &outputs;
}
