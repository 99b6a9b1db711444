#pragma once

#include "clioutputs.h"
#include "geo/sectionexport.h"
#include "geo/sectiongrid.h"
#include "graphs/buildgraph.h"
#include "recipe.h"
#include "survey.h"
#include "textdecoder.h"

#include <functional>
#include <memory>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace vantrel {

struct CliOutputs;
struct OperationReport;

/// Where --graph draws, and how large: 0 x 0 asks for the graph's own size.
struct PictureFile {
    std::string path;
    int width = 0;
    int height = 0;
    /// How a section is gridded and contoured, as --grid-method and --contours say.
    geo::GridMethod gridMethod = geo::GridMethod::InverseDistance;
    ContourChoice contours;
};

/// Draws a graph into a picture file; the error text, empty when written.
using GraphPictureWriter = std::function<std::string(const Graph& graph, const PictureFile& file)>;

/// The batch pipeline: loads one data file ("-": standard input), or several
/// as one survey, in the standard layout or imported with a mapping
/// (--import), then runs the steps of the command line in the order given. The options are the
/// rows of CliOptions(); what they call is here.
///
/// Exit status: 0 when all went well; 1 when the load or a step failed (its
/// message is printed and no later step runs); 2 for a wrong command line.
class CliPipeline {
public:
    CliPipeline(std::ostream& out, std::ostream& err);

    int Run(const std::vector<std::string>& args);
    static std::string Usage();

    Survey& GetSurvey() { return m_survey; }
    const OutputTables& Tables() const { return m_survey.m_tables; }

    /// What --graph draws with instead of the output module.
    void SetPictureWriter(GraphPictureWriter writer) { m_pictureWriter = std::move(writer); }
    void SetPictureSize(int width, int height);
    /// The encoding the cells are decoded from for the JSON output, instead
    /// of the one detected from the first file's first megabyte.
    void SetEncoding(std::string name) { m_encodingOverride = std::move(name); }
    /// The mapping file the inputs are imported with, read when they load.
    void SetMappingFile(std::string path) { m_mappingFile = std::move(path); }
    GraphOptions& GetGraphOptions() { return m_graphOptions; }

    /// Reads a recipe or project file before the load; false (message
    /// printed) when it cannot be read or is wrong anywhere.
    bool ReadRecipe(const std::string& path);
    /// Runs what ReadRecipe read: its settings, overridden by those the
    /// command line gives, then its steps; all or nothing.
    bool ApplyRecipe(const std::string& path);
    /// A setting given on the command line, which a recipe does not override.
    void NoteSetting(float ProcessingSettings::*field) { m_givenSettings.push_back(field); }

    /// Prints the report's messages; false when the operation stopped at one.
    bool Report(const OperationReport& report);
    /// Prints the message; always false.
    bool Fail(const std::string& message);

    /// Prints a table (origin, processing, depth) or the marks as JSON Lines.
    bool Dump(const std::string& table);
    /// Makes the column with this title the frequency selector's entry.
    bool ChooseFrequency(const std::string& title);
    /// Prints the graph as one line of JSON, or fails at the graph's check.
    bool GraphData(GraphKind kind);
    /// Draws the graph into a picture file, or fails at the graph's check or
    /// when it would draw nothing.
    bool GraphPicture(GraphKind kind, const std::string& path);

    /// How --export-grid, --export-contours and the JSON's contours lay the
    /// section on a grid (default inverse distance).
    void SetGridMethod(geo::GridMethod method) { m_gridMethod = method; }
    /// The format --export-grid writes whatever the extension (.grd is
    /// Surfer 6 text unless this says Surfer 6 binary or Surfer 7).
    void SetGridFormat(const geo::GridFormatInfo* format) { m_gridFormat = format; }
    /// Writes the section's grid, the format by the path's extension.
    bool ExportGrid(const std::string& path);
    /// Writes the section's contour lines (automatic levels unless --contours
    /// gives them), the format by the path's extension.
    bool ExportContours(const std::string& path);

private:
    bool Load(const std::vector<std::string>& inputs);
    /// A cell's bytes as the JSON output gives them, decoded to UTF-8.
    std::string JsonCell(std::string_view bytes) const;
    /// The graph after the command's and the graph's checks; nothing (message
    /// printed) when a check fails.
    std::optional<Graph> Built(GraphKind kind);
    /// The section built and gridded; nothing (message printed) when it
    /// cannot be, `what` naming the step in the message.
    std::optional<geo::SectionGrid> Gridded(const std::string& what, SectionGraph* section);
    /// The output module, once Gridded() has loaded it.
    static const CliOutputs* Outputs();
    /// The contour levels of the run's choice over a section's readings.
    std::vector<double> Levels(const SectionGraph& section, const ContourChoice& choice) const;

    /// The last section gridded: --export-grid and --export-contours of the
    /// same section grid it once.
    struct LastGrid {
        SectionGraph section;
        geo::GridMethod method;
        geo::SectionGrid grid;
    };

    std::ostream& m_out;
    std::ostream& m_err;
    Survey m_survey;
    std::optional<LastGrid> m_lastGrid;
    GraphOptions m_graphOptions;
    geo::GridMethod m_gridMethod = geo::GridMethod::InverseDistance;
    const geo::GridFormatInfo* m_gridFormat = nullptr;
    GraphPictureWriter m_pictureWriter = WriteModulePicture;
    std::map<std::string, Recipe> m_recipes;
    std::vector<std::string> m_recipeOrder;  // the recipes' paths in the order given
    std::vector<float ProcessingSettings::*> m_givenSettings;
    int m_pictureWidth = 0;
    int m_pictureHeight = 0;
    std::string m_encodingOverride;
    std::string m_mappingFile;
    std::unique_ptr<TextDecoder> m_decoder;  ///< none: the cells are UTF-8
};

}  // namespace vantrel
