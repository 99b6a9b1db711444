#include "surveyloader.h"

#include "datafile/columnrules.h"
#include "fillin.h"
#include "linereader.h"
#include "numbers.h"
#include "messages.h"
#include "platform.h"
#include "survey.h"
#include "textimporter.h"
#include "textlayout.h"

#include <cerrno>
#include <map>
#include <memory>
#include <set>

namespace vantrel {

namespace {

LoadResult Failure(std::string message, std::string reason = {})
{
    LoadResult result;
    result.read.status = ReadResult::Status::OpenFailed;
    result.read.message = std::move(message);
    result.read.reason = std::move(reason);
    return result;
}

bool SameTitles(const std::vector<std::string>& a, const std::vector<std::string>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ToUpperAscii(a[i]) != ToUpperAscii(b[i]))
            return false;
    return true;
}

}  // namespace

bool SurveyLoader::Open(const Input& input, platform::InputFile* file, std::uint64_t* size,
                        std::string* reason)
{
    if (input.standardInput) {
        file->OpenStandardInput();
        return true;
    }
    const platform::PathInfo info = platform::Inspect(input.path);
    if (info.directory || !file->Open(input.path)) {
        *reason = platform::ErrorText(info.directory ? EISDIR : file->Error());
        return false;
    }
    *size = info.size;
    return true;
}

bool SurveyLoader::ReadWhole(const Input& input, std::string* bytes, std::string* reason)
{
    platform::InputFile file;
    std::uint64_t size = 0;
    if (!Open(input, &file, &size, reason))
        return false;
    bytes->reserve(static_cast<std::size_t>(size));
    char buffer[1 << 16];
    for (;;) {
        const std::ptrdiff_t got = file.Read(buffer, sizeof buffer);
        if (got < 0) {
            *reason = platform::ErrorText(file.Error());
            return false;
        }
        if (got == 0)
            return true;
        bytes->append(buffer, static_cast<std::size_t>(got));
    }
}

LoadResult SurveyLoader::ReadOne(const Input& input, Survey& survey, std::vector<std::string>* titles)
{
    const auto probe = [this](std::string_view head) {
        if (!m_form)
            m_form = m_probe ? m_probe(head) : ByteForm::SingleOrUtf8;
        return *m_form;
    };
    LoadResult result;
    if (!m_mapping) {
        DataFileReader reader(survey.m_frame, survey.m_tables, survey.m_tree);
        reader.SetTextProbe(probe);
        if (m_progress)
            reader.SetProgress(m_progress);
        result.read = input.standardInput ? reader.ReadStandardInput(input.shownName)
                                          : reader.ReadFile(input.path, input.shownName);
        if (titles)
            *titles = survey.m_frame.HeaderColumns();
        return result;
    }
    // Read as it goes: the file is never held whole.
    platform::InputFile file;
    std::uint64_t size = 0;
    std::string reason;
    if (!Open(input, &file, &size, &reason))
        return Failure(input.shownName + msg::kFileOpenFailed, reason);
    LineReader lines([&](char* buffer, std::size_t bytes) { return file.Read(buffer, bytes); });
    const std::string_view head = TextImporter::Head(lines, *m_mapping);
    if (lines.Failed())
        return Failure(input.shownName + msg::kFileOpenFailed, platform::ErrorText(file.Error()));
    const ByteForm form = probe(head.substr(0, 1 << 20));
    if (titles)
        *titles = HeaderCells(TextLayout(head), *m_mapping);
    const ImportResult imported =
        TextImporter::Import(lines, size, *m_mapping, form, survey, input.shownName);
    if (!imported.ok)
        return Failure(imported.message, lines.Failed() ? platform::ErrorText(file.Error()) : std::string());
    result.read.rowsLoaded = result.read.dataLines = imported.rows;
    result.markedCells = imported.markedCells;
    result.repeatedHeaders = imported.repeatedHeaders;
    return result;
}

LoadResult SurveyLoader::Load(const std::vector<Input>& inputs)
{
    m_form.reset();
    std::vector<std::string> files;
    for (const Input& input : inputs)
        files.push_back(input.path);
    LoadResult result = inputs.size() == 1 ? ReadOne(inputs[0], m_into, nullptr) : Merge(inputs);
    if (result.read.status != ReadResult::Status::OpenFailed)
        m_into.m_frame.SetSourceFiles(files);
    return result;
}

LoadResult SurveyLoader::Merge(const std::vector<Input>& inputs)
{
    std::vector<std::unique_ptr<Survey>> parts;
    std::vector<std::string> firstTitles;
    LoadResult total;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        parts.push_back(std::make_unique<Survey>());
        std::vector<std::string> titles;
        LoadResult one = ReadOne(inputs[i], *parts.back(), &titles);
        if (!one.Ok()) {
            std::string message = one.read.message;
            if (one.read.lineNumber > 0)
                message =
                    inputs[i].shownName + ", line " + std::to_string(one.read.lineNumber) + ": " + message;
            return Failure(message + "\n" + msg::kNothingLoaded, one.read.reason);
        }
        if (i == 0)
            firstTitles = titles;
        else if (!SameTitles(titles, firstTitles))
            return Failure(FillIn(msg::kFilesDiffer, {inputs[i].shownName, inputs[0].shownName}));
        total.read.rowsLoaded += one.read.rowsLoaded;
        total.read.dataLines += one.read.dataLines;
        total.markedCells += one.markedCells;
        total.repeatedHeaders += one.repeatedHeaders;
    }

    // File numbers met in more than one file: renumber every file.
    std::map<int, std::size_t> owner;
    for (std::size_t p = 0; p < parts.size() && !total.renumbered; ++p)
        for (const auto& file : parts[p]->m_tree.Files())
            if (!owner.emplace(file.fileNumber, p).second && owner[file.fileNumber] != p)
                total.renumbered = true;

    const Survey& first = *parts[0];
    const std::vector<std::string>& header = first.m_frame.HeaderColumns();
    for (const std::string& name : header)
        m_into.m_frame.AddHeaderColumn(name);
    if (first.m_frame.DashColumns())
        m_into.m_frame.SetDashColumns();
    for (const std::string& name : first.m_tree.Frequencies())
        m_into.m_tree.AddFrequency(name);
    int firstFreq = 0;
    for (std::size_t i = 0; i < header.size() && firstFreq == 0; ++i)
        for (const std::string& f : first.m_tree.Frequencies())
            if (header[i] == f) {
                firstFreq = static_cast<int>(i) + 1;
                break;
            }
    m_into.m_tables.SetOriginColumns(header);
    m_into.m_tables.SetProcessingColumns(header);
    m_into.m_tables.SetDepthColumns(header, firstFreq);
    m_into.m_tables.Origin().ReserveRows(total.read.rowsLoaded);
    m_into.m_tree.ExpectRows(total.read.rowsLoaded);

    const KeywordColumns keys = KeywordColumnsOf(header);
    std::map<std::pair<std::size_t, int>, int> numbers;
    std::map<int, std::string> sourceOf;
    std::vector<std::string_view> cells(header.size());
    std::string number;
    std::size_t offset = 0;
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const Survey& part = *parts[p];
        const DataTable& origin = part.m_tables.Origin();
        for (std::size_t r = 0; r < origin.RowCount(); ++r) {
            for (std::size_t c = 0; c < cells.size(); ++c)
                cells[c] = origin.Cell(r, c);
            int fileNumber = CAtoi(cells[keys.file]);
            if (total.renumbered) {
                const auto [it, added] =
                    numbers.emplace(std::make_pair(p, fileNumber), static_cast<int>(numbers.size()) + 1);
                fileNumber = it->second;
                number = std::to_string(fileNumber);
                cells[keys.file] = number;
            }
            sourceOf.emplace(fileNumber, inputs[p].shownName);
            // As the reader hands a row to the tree, from the cells as they now stand.
            m_into.m_tree.AddRowItem(fileNumber, cells[keys.dateTime], CAtoi(cells[keys.increment]),
                                     header[keys.increment], CAtoi(cells[keys.mode]), header[keys.mode]);
            m_into.m_tables.AddOriginRow(cells);
        }
        for (const auto& [row, column] : part.m_tables.Marks())
            m_into.m_tables.MarkCell(static_cast<int>(offset) + row, column);
        offset += origin.RowCount();
    }
    const auto& files = m_into.m_tree.Files();
    for (std::size_t f = 0; f < files.size(); ++f)
        m_into.m_tree.SetFileSource(static_cast<int>(f), sourceOf[files[f].fileNumber]);
    return total;
}

}  // namespace vantrel
