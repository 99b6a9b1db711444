#pragma once

#include "geo/sectioncontours.h"
#include "geo/sectionexport.h"
#include "geo/sectiongrid.h"
#include "graphs/buildgraph.h"

#include <string>
#include <vector>

namespace vantrel {

struct PictureFile;

/// What the command line does through GDAL and the drawing library. They
/// live in a module of their own, loaded the first time an option needs
/// them: loading GDAL and everything it links takes longer than reading and
/// saving a large file, and most runs never grid.
struct CliOutputs {
    geo::GridResult (*gridSection)(const SectionGraph& graph, geo::GridMethod method);
    geo::ContourResult (*contourSection)(const geo::SectionGrid& grid, const std::vector<double>& levels);
    geo::ExportResult (*exportGrid)(const geo::SectionGrid& grid, const std::string& path,
                                    const geo::GridFormatInfo* format);
    geo::ExportResult (*exportContours)(const geo::SectionGrid& grid, const std::vector<double>& levels,
                                        const std::string& path);
    /// Null in a build without the desktop's charts.
    std::string (*writePicture)(const Graph& graph, const PictureFile& file);
    void (*endPictures)();
};

/// The module's outputs, loaded on the first call (from any thread): the
/// module $VANTREL_CLI_OUTPUTS names when it is set, else the one beside the
/// program (a build tree), else the installed one. Null, with the reason in `why`, when it cannot be loaded.
const CliOutputs* LoadCliOutputs(std::string* why);

/// Draws a picture through the module: its error text, empty when written.
std::string WriteModulePicture(const Graph& graph, const PictureFile& file);

/// Ends what the module's pictures needed, if it was loaded; call before
/// the program returns.
void EndModulePictures();

}  // namespace vantrel

/// The module's one entry point.
extern "C" const vantrel::CliOutputs* vantrel_cli_outputs();
