#include "clipipeline.h"

#include "datafile/datafilereader.h"
#include "datafile/depthwriter.h"
#include "datafile/originwriter.h"
#include "datafile/textcase.h"
#include "graphjson.h"
#include "graphs/circulargraph.h"
#include "graphs/graphchecks.h"
#include "graphs/profilegraph.h"
#include "graphs/sectiongraph.h"
#include "jsonlines.h"
#include "numbers.h"
#include "processing/badpoints.h"
#include "processing/dataselection.h"
#include "processing/depthcalculation.h"
#include "processing/fieldsource.h"

#include <set>
#include <sstream>

namespace vantrel {

namespace {

bool ParseFileNumbers(const std::string& text, std::set<int>* numbers)
{
    if (text == "all")
        return true;
    std::stringstream in(text);
    std::string part;
    bool any = false;
    while (std::getline(in, part, ',')) {
        if (part.empty())
            return false;
        std::size_t i = part[0] == '-' || part[0] == '+' ? 1 : 0;
        if (i == part.size())
            return false;
        for (; i < part.size(); ++i)
            if (part[i] < '0' || part[i] > '9')
                return false;
        if (numbers)
            numbers->insert(CAtoi(part));
        any = true;
    }
    return any;
}

// "WxH" with both numbers from 1 to 20000.
bool ParseSize(const std::string& text, int* width, int* height)
{
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos || x == 0 || x + 1 == text.size())
        return false;
    long w = 0;
    long h = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == x)
            continue;
        if (text[i] < '0' || text[i] > '9')
            return false;
        long& n = i < x ? w : h;
        n = n * 10 + (text[i] - '0');
        if (n > 20000)
            return false;
    }
    if (w < 1 || h < 1)
        return false;
    if (width)
        *width = static_cast<int>(w);
    if (height)
        *height = static_cast<int>(h);
    return true;
}

GraphKind GraphKindNamed(const std::string& name)
{
    if (name == "vertical")
        return GraphKind::Vertical;
    if (name == "plane")
        return GraphKind::Plane;
    if (name == "circular")
        return GraphKind::Circular;
    if (name == "section")
        return GraphKind::Section;
    return GraphKind::None;
}

/// The save's message, then the system's reason on a line of its own.
std::string SaveFailure(const WriteResult& r)
{
    return r.reason.empty() ? r.message : r.message + "\n" + r.path + ": " + r.reason;
}

}  // namespace

CliPipeline::CliPipeline(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

const std::vector<CliPipeline::Step>& CliPipeline::Steps()
{
    static const std::vector<Step> steps = {
        {"--select", "all|N[,N...]", "choose the rows of these file numbers (all: every row)",
         [](CliPipeline& p, const std::string& a) { return p.Select(a); },
         [](const std::string& a) { return ParseFileNumbers(a, nullptr); }},
        {"--search-bad-points", nullptr, "clip spikes in the Origin table and mark cells to correct",
         [](CliPipeline& p, const std::string&) { return p.Report(SearchBadPoints(p.m_survey.m_tables)); },
         nullptr},
        {"--correct-bad-points", nullptr, "correct stray and zero readings in the Origin table",
         [](CliPipeline& p, const std::string&) { return p.Report(CorrectBadPoints(p.m_survey.m_tables)); },
         nullptr},
        {"--field-source", nullptr, "clip and rescale the chosen rows file by file",
         [](CliPipeline& p, const std::string&) { return p.Report(ProcessFieldSource(p.m_survey.m_tables)); },
         nullptr},
        {"--depth", nullptr, "calculate the depth data (again, if there is some)",
         [](CliPipeline& p, const std::string&) { return p.Report(CalculateDepth(p.m_survey.m_tables)); },
         nullptr},
        {"--save-original", "PATH", "write the Origin table as a .dat (tab) or .csv (comma) data file",
         [](CliPipeline& p, const std::string& path) {
             const WriteResult r =
                 OriginWriter::Save(path, path, p.m_survey.m_frame.HeaderColumns(), p.m_survey.m_tables);
             return r.ok || p.Fail(SaveFailure(r));
         },
         nullptr},
        {"--save-depth", "PATH", "write the Depth table; .dat gives tabs, .csv commas (lower case)",
         [](CliPipeline& p, const std::string& path) {
             const WriteResult r = DepthWriter::Save(path, p.m_survey.m_tables);
             return r.ok || p.Fail(SaveFailure(r));
         },
         nullptr},
        {"--dump", "origin|processing|depth|marks", "print a table as JSON Lines on standard output",
         [](CliPipeline& p, const std::string& a) { return p.Dump(a); },
         [](const std::string& a) {
             return a == "origin" || a == "processing" || a == "depth" || a == "marks";
         }},
        {"--frequency", "TITLE", "the frequency column of the plane profiles after it (default: the first)",
         [](CliPipeline& p, const std::string& a) { return p.ChooseFrequency(a); },
         [](const std::string& a) { return !a.empty(); }},
        {"--graph-data", "vertical|plane|circular|section", "print what the graph draws as one line of JSON",
         [](CliPipeline& p, const std::string& a) { return p.GraphData(GraphKindNamed(a)); },
         [](const std::string& a) { return GraphKindNamed(a) != GraphKind::None; }},
        {"--graph", "vertical|plane|circular|section",
         "draw the graph into FILE (.png, .jpg, .bmp, .pdf or .svg)",
         [](CliPipeline& p, const std::string& a) {
             const auto split = a.find('\0');
             return p.GraphPicture(GraphKindNamed(a.substr(0, split)), a.substr(split + 1));
         },
         [](const std::string& a) { return GraphKindNamed(a) != GraphKind::None; }, "FILE"},
    };
    return steps;
}

const std::vector<CliPipeline::Setting>& CliPipeline::Settings()
{
    static const std::vector<Setting> settings = {
        {"--deviation-factor", &ProcessingSettings::m_fDeviationFactor},
        {"--resistivity", &ProcessingSettings::m_fResistivity},
        {"--depth-coefficient", &ProcessingSettings::m_fDepthCoefficient},
        {"--p-threshold", &ProcessingSettings::m_fPThreshold},
        {"--v-threshold", &ProcessingSettings::m_fVThreshold},
    };
    return settings;
}

std::string CliPipeline::Usage()
{
    std::string text = "Usage: vantrel-cli INPUT [STEP ...]\n"
                       "Loads the data file INPUT (- reads standard input), then runs the steps in the order "
                       "given.\n\nSteps:\n";
    for (const Step& s : Steps()) {
        std::string head = std::string("  ") + s.name + (s.argument ? std::string(" ") + s.argument : "");
        head.resize(std::max<std::size_t>(head.size() + 1, 40), ' ');
        text += head + s.help + "\n";
    }
    text += "\nSettings (apply to the whole run, wherever they stand):\n";
    for (const Setting& s : Settings())
        text += std::string("  ") + s.name + " VALUE\n";
    text +=
        "  --size WxH                            picture size of --graph (default 1200x800 for profiles\n"
        "                                        and the section, the whole grid for the circular graph)\n";
    text += "\nDefaults: deviation factor 3, resistivity 20, depth coefficient 0.7, thresholds 0.3.\n"
            "Exit status: 0 success, 1 a load or step failed, 2 a wrong command line.\n";
    return text;
}

int CliPipeline::Run(const std::vector<std::string>& args)
{
    std::string input;
    std::vector<std::pair<const Step*, std::string>> plan;
    ProcessingSettings settings;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            m_out << Usage();
            return 0;
        }
        const auto needValue = [&]() -> const std::string* {
            if (i + 1 >= args.size()) {
                m_err << "vantrel-cli: " << a << " needs a value\n";
                return nullptr;
            }
            return &args[++i];
        };
        bool matched = false;
        if (a == "--size") {
            const std::string* v = needValue();
            if (!v)
                return 2;
            if (!ParseSize(*v, &m_pictureWidth, &m_pictureHeight)) {
                m_err << "vantrel-cli: --size takes WxH (1 to 20000 each), not '" << *v << "'\n";
                return 2;
            }
            continue;
        }
        for (const Setting& s : Settings()) {
            if (a == s.name) {
                const std::string* v = needValue();
                if (!v)
                    return 2;
                settings.*(s.field) = static_cast<float>(CAtof(*v));  // as the Config dialog reads its edits
                matched = true;
            }
        }
        for (const Step& s : Steps()) {
            if (matched || a != s.name)
                continue;
            std::string value;
            if (s.argument) {
                const std::string* v = needValue();
                if (!v)
                    return 2;
                value = *v;
                if (s.valid && !s.valid(value)) {
                    m_err << "vantrel-cli: " << s.name << " takes " << s.argument << ", not '" << value
                          << "'\n";
                    return 2;
                }
                if (s.second) {
                    const std::string* second = needValue();
                    if (!second)
                        return 2;
                    if (second->empty() || second->find('\0') != std::string::npos) {
                        m_err << "vantrel-cli: " << s.name << " needs " << s.second << "\n";
                        return 2;
                    }
                    value += '\0' + *second;
                }
            }
            plan.emplace_back(&s, value);
            matched = true;
        }
        if (matched)
            continue;
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
    m_survey.m_tables.SetSettings(settings);
    if (!Load(input))
        return 1;
    for (const auto& [step, value] : plan)
        if (!step->run(*this, value))
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

bool CliPipeline::Select(const std::string& which)
{
    std::set<int> numbers;
    const bool all = which == "all";
    ParseFileNumbers(which, &numbers);
    const auto& files = m_survey.m_tree.Files();
    for (std::size_t f = 0; f < files.size(); ++f) {
        const bool chosen = all || numbers.count(files[f].fileNumber) > 0;
        if (chosen != files[f].checked)
            m_survey.m_tree.ClickFileCheckBox(static_cast<int>(f));
    }
    return Report(SelectData(m_survey.m_tree, m_survey.m_tables, m_survey.m_frame));
}

bool CliPipeline::Dump(const std::string& which)
{
    std::string line;
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

bool CliPipeline::BuildGraph(GraphKind kind, ProfileGraph* profile, CircularGraph* circular,
                             SectionGraph* section)
{
    const std::string refused =
        GraphCommandCheck(kind, m_survey.m_frame.DataSelected(), m_survey.m_tree.CurrentFrequency(),
                          m_survey.m_tree.Frequencies().size());
    if (!refused.empty())
        return Fail(refused);
    const OutputTables& t = m_survey.m_tables;
    if (kind == GraphKind::Vertical) {
        *profile = VerticalProfile(t.Depth(), t.ProcFreqColumns(), t.Settings().m_fVThreshold);
    } else if (kind == GraphKind::Plane) {
        const PlaneColumn column =
            PlaneProfileColumn(t.Processing(), t.FirstFreqColumn(), m_survey.m_tree.CurrentFrequency());
        if (!column.Ok())
            return Fail(column.message);
        *profile = PlaneProfile(t.Processing(), column.column, t.Settings().m_fPThreshold);
    } else if (kind == GraphKind::Section) {
        *section = PseudoSection(t.Depth());
    } else {
        *circular = CircularGraphData(t.Processing(), t.Depth().ColumnCount(), t.ProcFreqColumns());
    }
    return true;
}

bool CliPipeline::GraphData(GraphKind kind)
{
    ProfileGraph profile;
    CircularGraph circular;
    SectionGraph section;
    if (!BuildGraph(kind, &profile, &circular, &section))
        return false;
    if (kind == GraphKind::Circular)
        m_out << GraphJson(circular) << "\n";
    else if (kind == GraphKind::Section)
        m_out << GraphJson(section) << "\n";
    else
        m_out << GraphJson(profile) << "\n";
    m_out.flush();
    return true;
}

bool CliPipeline::GraphPicture(GraphKind kind, const std::string& path)
{
    ProfileGraph profile;
    CircularGraph circular;
    SectionGraph section;
    if (!BuildGraph(kind, &profile, &circular, &section))
        return false;
    if (kind == GraphKind::Circular && circular.charts.empty())
        return Fail("nothing was drawn: the circular graph needs at least 4 chosen rows and the depth data");
    if (kind == GraphKind::Section && section.Empty())
        return Fail("nothing was drawn: the section needs the depth data (--depth) of the first file");
    if (!m_pictureWriter)
        return Fail("this build of vantrel-cli draws no pictures");
    std::string error;
    if (kind == GraphKind::Circular)
        error = m_pictureWriter(nullptr, &circular, nullptr, path, m_pictureWidth, m_pictureHeight);
    else if (kind == GraphKind::Section)
        error = m_pictureWriter(nullptr, nullptr, &section, path, m_pictureWidth, m_pictureHeight);
    else
        error = m_pictureWriter(&profile, nullptr, nullptr, path, m_pictureWidth, m_pictureHeight);
    return error.empty() || Fail(error);
}

}  // namespace vantrel
