#include "clipipeline.h"

#include "clioption.h"
#include "clioutputs.h"
#include "datafile/datafilereader.h"
#include "datafile/textcase.h"
#include "encodingdetector.h"
#include "import/fillin.h"
#include "import/surveyloader.h"
#include "mappingjson.h"
#include "messages.h"
#include "geo/sectioncontours.h"
#include "geo/sectionexport.h"
#include "graphjson.h"
#include "jsonlines.h"
#include "processing/operationreport.h"
#include "recipefile.h"
#include "recipereplay.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include "version.h"

namespace vantrel {

namespace {

/// Why a UTF-16 input made no sense to the reader, and what to do.
std::string Utf16Note(const std::vector<SurveyLoader::Input>& files)
{
    return FillIn(msg::kUtf16Text, {files.size() == 1 ? files[0].shownName : std::string("An input")});
}

/// A usage entry: the option and its arguments, then the help from column 40
/// (on the next line after a long option), each further help line under the first.
std::string UsageLine(const CliOption& option)
{
    std::string head = "  " + option.name;
    for (const CliOption::Argument& a : option.arguments)
        head += " " + a.name;
    std::string text;
    if (head.size() >= 40) {  // too long to share a line with its help
        text = head + "\n";
        head.clear();
    }
    head.resize(40, ' ');
    std::size_t from = 0;
    for (std::size_t end; (end = option.help.find('\n', from)) != std::string::npos; from = end + 1) {
        text += head + option.help.substr(from, end - from) + "\n";
        head.assign(40, ' ');
    }
    return text + head + option.help.substr(from) + "\n";
}

}  // namespace

CliPipeline::CliPipeline(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

std::string CliPipeline::Usage()
{
    std::string steps;
    std::string settings;
    for (const CliOption& option : CliOptions())
        (option.when == CliOption::When::Step ? steps : settings) += UsageLine(option);
    return "Usage: vantrel-cli INPUT... [STEP ...]\n"
           "       vantrel-cli --batch OUTDIR INPUT... [STEP ...]\n"
           "Loads the data file INPUT (- reads standard input), or several files as one survey,\n"
           "then runs the steps in the order given.\n"
           "--batch runs them on every INPUT, one per processor core, and writes each input's files into\n"
           "OUTDIR: {name} in a PATH or FILE stands for the input's base name (line7 for data/line7.dat),\n"
           "and a name without {name} gets NAME- in front.\n"
           "\nSteps:\n" +
        steps + "\nSettings (apply to the whole run, wherever they stand):\n" + settings +
        "\nDefaults: deviation factor 3, resistivity 20, depth coefficient 0.7, thresholds 0.3.\n"
        "\nOther options:\n"
        "  -h, --help                            print this help and exit\n"
        "  --version                             print the version and exit\n"
        "\nExit status: 0 success, 1 a load or step failed (in a batch: any input), 2 a wrong command "
        "line.\n";
}

void CliPipeline::SetPictureSize(int width, int height)
{
    m_pictureWidth = width;
    m_pictureHeight = height;
}

int CliPipeline::Run(const std::vector<std::string>& args)
{
    std::vector<std::string> inputs;
    std::vector<std::pair<const CliOption*, std::vector<std::string>>> plan;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            m_out << Usage();
            return 0;
        }
        if (a == "--version") {
            m_out << "vantrel-cli " << kVersion << "\n";
            return 0;
        }
        const auto& options = CliOptions();
        const auto option =
            std::find_if(options.begin(), options.end(), [&a](const CliOption& o) { return o.name == a; });
        if (option != options.end()) {
            std::vector<std::string> values;
            for (const CliOption::Argument& argument : option->arguments) {
                if (i + 1 >= args.size()) {
                    m_err << "vantrel-cli: " << a << " needs a value\n";
                    return 2;
                }
                values.push_back(args[++i]);
                const std::string wrong = argument.wrong ? argument.wrong(values.back()) : std::string();
                if (!wrong.empty()) {
                    m_err << "vantrel-cli: " << a << " " << wrong << "\n";
                    return 2;
                }
            }
            if (option->when == CliOption::When::Setting)
                option->run(*this, values);
            else
                plan.emplace_back(&*option, std::move(values));
            continue;
        }
        if (a.size() > 1 && a[0] == '-') {
            m_err << "vantrel-cli: unknown option " << a << "\n" << Usage();
            return 2;
        }
        if (a == "-" && std::find(inputs.begin(), inputs.end(), a) != inputs.end()) {
            m_err << "vantrel-cli: standard input (-) can be read once only\n";
            return 2;
        }
        inputs.push_back(a);
    }
    if (inputs.empty()) {
        m_err << Usage();
        return 2;
    }
    for (const auto& [option, values] : plan)
        if (option->prepare && !option->prepare(*this, values))
            return 1;
    if (!Load(inputs))
        return 1;
    for (const auto& [option, values] : plan)
        if (!option->run(*this, values))
            return 1;
    return 0;
}

bool CliPipeline::Load(const std::vector<std::string>& inputs)
{
    m_survey.m_frame.BeginFileOpen();
    // Several files were not read from one path: --save-original names its own.
    if (inputs.size() == 1)
        m_survey.m_frame.SetDataPath(inputs[0], FrameState::AllFilter);
    SurveyLoader loader(m_survey);
    if (!m_mappingFile.empty()) {
        std::string json, reason;
        if (!SurveyLoader::ReadWhole({m_mappingFile, m_mappingFile}, &json, &reason))
            return Fail(m_mappingFile + msg::kFileOpenFailed + "\n" + m_mappingFile + ": " + reason);
        MappingFromJsonResult mapping = MappingFromJson(json);
        if (!mapping.ok)
            return Fail(m_mappingFile + ": " + mapping.message);
        loader.SetMapping(std::move(mapping.mapping));
    } else if (const auto imported = std::find_if(
                   m_recipeOrder.begin(), m_recipeOrder.end(),
                   [this](const std::string& path) { return !m_recipes.at(path).importMapping.empty(); });
               imported != m_recipeOrder.end()) {
        // A project of an imported file reads its inputs with the same mapping;
        // their encoding is their own (detected, or --encoding).
        MappingFromJsonResult mapping = MappingFromJson(m_recipes.at(*imported).importMapping);
        if (!mapping.ok)
            return Fail(*imported + ": " + mapping.message);
        loader.SetMapping(std::move(mapping.mapping));
    }
    EncodingProbe probe{m_encodingOverride};
    loader.SetProbe(std::ref(probe));
    std::vector<SurveyLoader::Input> files;
    for (const std::string& path : inputs)
        files.push_back({path, path == "-" ? "standard input" : path, path == "-"});
    const LoadResult loaded = loader.Load(files);
    const ReadResult& result = loaded.read;
    if (!result.Ok()) {
        std::string text = result.message;
        if (result.lineNumber > 0)
            text += " (line " + std::to_string(result.lineNumber) + ")";
        if (!result.reason.empty())
            text += "\n" + (inputs.size() == 1 ? files[0].shownName : std::string("vantrel-cli")) + ": " +
                result.reason;
        if (result.Partial())
            text += "\nOnly " + std::to_string(result.rowsLoaded) + " of the " +
                std::to_string(result.dataLines) + " data rows were read; no step was run.";
        if (probe.utf16)
            text += "\n" + Utf16Note(files);
        return Fail(text);
    }
    if (probe.utf16)
        m_err << Utf16Note(files) << "\n";
    std::string encoding = probe.encoding.empty() ? std::string("UTF-8") : probe.encoding;
    m_survey.m_frame.SetEncoding(encoding);
    m_decoder = std::make_unique<TextDecoder>(encoding);
    if (m_decoder->IsUtf8())
        m_decoder.reset();
    if (m_survey.m_tree.Frequencies().empty())
        m_err << msg::kNoFrequencyColumn << "\n";
    if (loaded.markedCells > 0)
        m_err << loaded.markedCells << " cells of the number columns hold no number; they are marked.\n";
    return true;
}

std::string CliPipeline::JsonCell(std::string_view bytes) const
{
    if (m_decoder)
        return JsonString(m_decoder->ToUtf8(bytes));
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    return JsonString(bytes);
}

bool CliPipeline::ReadRecipe(const std::string& path)
{
    if (m_recipes.count(path))
        return true;
    RecipeReadResult read = RecipeFile::Read(path);
    if (!read.ok)
        return Fail(read.message);
    m_recipes.emplace(path, std::move(read.recipe));
    m_recipeOrder.push_back(path);
    return true;
}

bool CliPipeline::ApplyRecipe(const std::string& path)
{
    if (!ReadRecipe(path))
        return false;
    Recipe recipe = m_recipes.at(path);
    recipe.rows.clear();  // the ticked rows belong to the project's own data file
    if (recipe.settings)
        for (const auto field : m_givenSettings)
            (*recipe.settings).*field = m_survey.m_tables.Settings().*field;
    return Report(RecipeReplay::Run(recipe, m_survey, path));
}

bool CliPipeline::Fail(const std::string& message)
{
    m_err << message << "\n";
    return false;
}

bool CliPipeline::Report(const OperationReport& report)
{
    for (const auto& text : report.messages)
        m_err << text << "\n";
    return !(report.stopped && !report.messages.empty());
}

bool CliPipeline::Dump(const std::string& which)
{
    if (which == "marks") {
        for (const auto& [row, column] : m_survey.m_tables.Marks())
            m_out << "[" << row << "," << column << "]\n";
        return true;
    }
    const DataTable& table = which == "origin" ? m_survey.m_tables.Origin()
        : which == "processing"                ? m_survey.m_tables.Processing()
                                               : m_survey.m_tables.Depth();
    const auto line = [&](const auto& cellAt) {
        std::string text = "[";
        for (std::size_t c = 0; c < table.Titles().size(); ++c)
            text += (c ? "," : "") + JsonCell(cellAt(c));
        m_out << text << "]\n";
    };
    line([&](std::size_t c) { return std::string_view(table.Titles()[c]); });
    for (std::size_t r = 0; r < table.RowCount(); ++r)
        line([&](std::size_t c) { return table.Cell(r, c); });
    m_out.flush();
    return true;
}

bool CliPipeline::ChooseFrequency(const std::string& title)
{
    const std::string wanted = ToUpperAscii(title);
    const auto& entries = m_survey.m_tree.Frequencies();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == wanted) {
            m_survey.m_tree.SetCurrentFrequency(static_cast<int>(i));
            return true;
        }
    }
    std::string known;
    for (const auto& e : entries)
        known += (known.empty() ? "" : ", ") + e;
    return Fail("No frequency column is titled " + title +
                (known.empty() ? "" : " (there are " + known + ")"));
}

std::optional<Graph> CliPipeline::Built(GraphKind kind)
{
    BuiltGraph built = BuildGraph(kind, m_survey, m_graphOptions);
    if (!built.Ok()) {
        Fail(built.message);
        return std::nullopt;
    }
    return std::move(built.graph);
}

bool CliPipeline::GraphData(GraphKind kind)
{
    const std::optional<Graph> graph = Built(kind);
    if (!graph)
        return false;
    std::string json = std::visit([](const auto& g) { return GraphJson(g); }, *graph);
    const auto* section = std::get_if<SectionGraph>(&*graph);
    if (section && m_graphOptions.contours.mode != ContourChoice::Mode::Off && !section->Empty()) {
        SectionGraph built;
        const std::optional<geo::SectionGrid> grid = Gridded("--graph-data section", &built);
        if (!grid)
            return false;
        const std::vector<double> levels = Levels(built, m_graphOptions.contours);
        const geo::ContourResult contours = Outputs()->contourSection(*grid, levels);
        if (!contours.Ok())
            return Fail(contours.message);
        json.pop_back();
        json += ",\"levels\":[";
        for (std::size_t i = 0; i < levels.size(); ++i)
            json += (i > 0 ? "," : "") + JsonNumber(static_cast<float>(levels[i]));
        json += "],\"contours\":[";
        for (std::size_t i = 0; i < contours.lines.size(); ++i) {
            const geo::ContourLine& line = contours.lines[i];
            json += std::string(i > 0 ? "," : "") +
                "{\"level\":" + JsonNumber(static_cast<float>(line.level)) + ",\"points\":[";
            for (std::size_t k = 0; k < line.points.size(); ++k)
                json += std::string(k > 0 ? "," : "") + '[' +
                    JsonNumber(static_cast<float>(line.points[k].x)) + ',' +
                    JsonNumber(static_cast<float>(line.points[k].depth)) + ']';
            json += "]}";
        }
        json += "]}";
    }
    m_out << json << "\n";
    m_out.flush();
    return true;
}

bool CliPipeline::GraphPicture(GraphKind kind, const std::string& path)
{
    const std::optional<Graph> graph = Built(kind);
    if (!graph)
        return false;
    if (DrawsNothing(*graph))
        return Fail(
            kind == GraphKind::Circular
                ? "nothing was drawn: the circular graph needs at least 4 chosen rows and the depth data"
                : "nothing was drawn: the section needs the depth data (--depth) of the first file");
    if (const std::string tooLarge = TooLargeToDraw(*graph); !tooLarge.empty())
        return Fail(tooLarge);
    const std::string error = m_pictureWriter(
        *graph, {path, m_pictureWidth, m_pictureHeight, m_gridMethod, m_graphOptions.contours});
    return error.empty() || Fail(error);
}

namespace {

bool SameSection(const SectionGraph& a, const SectionGraph& b)
{
    return a.file == b.file && a.title == b.title && a.valueTitle == b.valueTitle && a.x == b.x &&
        a.heights == b.heights && a.depths == b.depths && a.values == b.values;
}

}  // namespace

std::optional<geo::SectionGrid> CliPipeline::Gridded(const std::string& what, SectionGraph* section)
{
    std::optional<Graph> graph = Built(GraphKind::Section);
    if (!graph)
        return std::nullopt;
    *section = std::get<SectionGraph>(std::move(*graph));
    if (section->Empty()) {
        const std::vector<int> files = SectionFiles(m_survey.m_tables.Depth());
        Fail(what + " has nothing to write: " +
             (files.empty()
                  ? std::string("the depth table holds no file yet (calculate it with --depth first)")
                  : "file " + std::to_string(section->file) + " has no readings in the depth table"));
        return std::nullopt;
    }
    if (m_lastGrid && m_lastGrid->method == m_gridMethod && SameSection(m_lastGrid->section, *section))
        return m_lastGrid->grid;
    std::string why;
    const CliOutputs* outputs = LoadCliOutputs(&why);
    if (!outputs) {
        Fail(why);
        return std::nullopt;
    }
    geo::GridResult gridded = outputs->gridSection(*section, m_gridMethod);
    if (!gridded.Ok()) {
        Fail(gridded.message);
        return std::nullopt;
    }
    m_lastGrid = LastGrid{*section, m_gridMethod, gridded.grid};
    return std::move(gridded.grid);
}

const CliOutputs* CliPipeline::Outputs()
{
    std::string why;
    return LoadCliOutputs(&why);  // loaded by Gridded() before any caller gets here
}

std::vector<double> CliPipeline::Levels(const SectionGraph& section, const ContourChoice& choice) const
{
    // The levels follow the colour bar of the section picture as it is drawn
    // by default (the readings' range, logarithmic when every reading is
    // above 0), so exported lines are those of the picture. All readings
    // equal give no level.
    bool any = false, varied = false;
    float first = 0;
    for (const float v : section.values) {
        if (!std::isfinite(v))
            continue;
        varied = varied || (any && v != first);
        first = any ? first : v;
        any = true;
    }
    if (!varied)
        return {};
    const SectionColourScale scale = ChooseSectionColourScale(section, true, false);
    return ContourLevels(choice, scale.lower, scale.upper, scale.logarithmic);
}

bool CliPipeline::ExportGrid(const std::string& path)
{
    SectionGraph section;
    const std::optional<geo::SectionGrid> grid = Gridded("--export-grid", &section);
    if (!grid)
        return false;
    const geo::ExportResult written = Outputs()->exportGrid(*grid, path, m_gridFormat);
    return written.ok || Fail(written.message);
}

bool CliPipeline::ExportContours(const std::string& path)
{
    SectionGraph section;
    const std::optional<geo::SectionGrid> grid = Gridded("--export-contours", &section);
    if (!grid)
        return false;
    ContourChoice choice = m_graphOptions.contours;
    if (choice.mode == ContourChoice::Mode::Off)
        choice.mode = ContourChoice::Mode::Automatic;
    const geo::ExportResult written = Outputs()->exportContours(*grid, Levels(section, choice), path);
    return written.ok || Fail(written.message);
}

}  // namespace vantrel
