#include "clipipeline.h"

#include "clioption.h"
#include "datafile/datafilereader.h"
#include "datafile/textcase.h"
#include "graphjson.h"
#include "jsonlines.h"
#include "processing/operationreport.h"

namespace vantrel {

namespace {

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
    return "Usage: vantrel-cli INPUT [STEP ...]\n"
           "Loads the data file INPUT (- reads standard input), then runs the steps in the order given.\n"
           "\nSteps:\n" +
        steps + "\nSettings (apply to the whole run, wherever they stand):\n" + settings +
        "\nDefaults: deviation factor 3, resistivity 20, depth coefficient 0.7, thresholds 0.3.\n"
        "Exit status: 0 success, 1 a load or step failed, 2 a wrong command line.\n";
}

void CliPipeline::SetPictureSize(int width, int height)
{
    m_pictureWidth = width;
    m_pictureHeight = height;
}

int CliPipeline::Run(const std::vector<std::string>& args)
{
    std::string input;
    std::vector<std::pair<const CliOption*, std::vector<std::string>>> plan;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            m_out << Usage();
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
        if (!input.empty()) {
            m_err << "vantrel-cli: one input file only (" << input << ", " << a << ")\n";
            return 2;
        }
        input = a;
    }
    if (input.empty()) {
        m_err << Usage();
        return 2;
    }
    if (!Load(input))
        return 1;
    for (const auto& [option, values] : plan)
        if (!option->run(*this, values))
            return 1;
    return 0;
}

bool CliPipeline::Load(const std::string& path)
{
    m_survey.m_frame.BeginFileOpen();
    m_survey.m_frame.SetDataPath(path, FrameState::AllFilter);
    DataFileReader reader(m_survey.m_frame, m_survey.m_tables, m_survey.m_tree);
    const bool standardInput = path == "-";
    const std::string shown = standardInput ? "standard input" : path;
    const ReadResult result = standardInput ? reader.ReadStandardInput(shown) : reader.ReadFile(path);
    if (!result.Ok()) {
        std::string text = result.message;
        if (result.lineNumber > 0)
            text += " (line " + std::to_string(result.lineNumber) + ")";
        if (!result.reason.empty())
            text += "\n" + shown + ": " + result.reason;
        if (result.Partial())
            text += "\nOnly " + std::to_string(result.rowsLoaded) + " of the " +
                std::to_string(result.dataLines) + " data rows were read; no step was run.";
        return Fail(text);
    }
    return true;
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
    std::vector<std::string_view> cells(table.Titles().begin(), table.Titles().end());
    m_out << JsonArray(cells) << "\n";
    for (std::size_t r = 0; r < table.RowCount(); ++r) {
        for (std::size_t c = 0; c < cells.size(); ++c)
            cells[c] = table.Cell(r, c);
        m_out << JsonArray(cells) << "\n";
    }
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
    m_out << std::visit([](const auto& g) { return GraphJson(g); }, *graph) << "\n";
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
    if (!m_pictureWriter)
        return Fail("this build of vantrel-cli draws no pictures");
    const std::string error = m_pictureWriter(*graph, {path, m_pictureWidth, m_pictureHeight});
    return error.empty() || Fail(error);
}

}  // namespace vantrel
