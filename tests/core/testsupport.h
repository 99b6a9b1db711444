#pragma once

#include "datafile/datafilelistener.h"
#include "datafile/datafilereader.h"
#include "datafile/datatable.h"
#include "processing/settingstext.h"
#include "survey.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vantrel::test {

using Rows = std::vector<std::vector<std::string>>;

/// Changes one processing setting of `tables`.
inline void SetSetting(OutputTables& tables, float ProcessingSettings::*field, float value)
{
    ProcessingSettings settings = tables.Settings();
    settings.*field = value;
    tables.SetSettings(settings);
}

inline const std::vector<std::string> kDepthTitles = {"FILE", "INCREMENT", "Height(H)", "Value(V)"};

/// A table of these column titles holding these rows.
inline DataTable Table(const std::vector<std::string>& titles, const Rows& rows = {})
{
    DataTable table;
    for (const auto& t : titles)
        table.AddColumn(t);
    for (const auto& r : rows)
        table.AppendRow(std::span<const std::string>(r));
    return table;
}

inline Rows TableRows(const DataTable& table)
{
    Rows rows;
    for (std::size_t r = 0; r < table.RowCount(); ++r) {
        std::vector<std::string> row;
        for (std::size_t c = 0; c < table.ColumnCount(); ++c)
            row.emplace_back(table.Cell(r, c));
        rows.push_back(std::move(row));
    }
    return rows;
}

inline std::vector<std::string> Column(const DataTable& table, std::size_t column)
{
    std::vector<std::string> cells;
    for (std::size_t r = 0; r < table.RowCount(); ++r)
        cells.emplace_back(table.Cell(r, column));
    return cells;
}

inline std::string DataPath(const std::string& relative)
{
    return std::string(VANTREL_TEST_DATA) + "/" + relative;
}

inline std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteAll(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

/// The cases of a data file: the text after "< " (in which \\n stands for a line break) and the message
/// after the "> " line that follows it.
inline std::vector<std::pair<std::string, std::string>> InputsAndMessages(const std::string& relative)
{
    std::vector<std::pair<std::string, std::string>> cases;
    std::istringstream in(ReadAll(DataPath(relative)));
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with('<')) {
            std::string text = line.substr(std::min<std::size_t>(2, line.size()));
            for (std::size_t at; (at = text.find("\\n")) != std::string::npos;)
                text.replace(at, 2, "\n");
            cases.emplace_back(text, "");
        } else if (line.starts_with("> ") && !cases.empty()) {
            cases.back().second = line.substr(2);
        }
    }
    return cases;
}

/// A field file: the header, then `count` rows of file 1 every 5 m, each ending in `row`.
inline std::string FieldFile(const std::string& head, const std::string& row, int count)
{
    std::string text = head + "\r\n";
    for (int i = 0; i < count; ++i)
        text += "1," + std::to_string(i * 5) + "," + row + "\r\n";
    return text;
}

/// Everything of a survey that later steps read, as one text to compare: header,
/// frequencies, the three tables, marks, counts, tab, settings, the tree and its ticks.
inline std::string Dump(const Survey& s)
{
    std::ostringstream out;
    for (const auto& h : s.m_frame.HeaderColumns())
        out << h << '|';
    out << "\nfreq:";
    for (const auto& f : s.m_tree.Frequencies())
        out << f << '|';
    const OutputTables& t = s.m_tables;
    for (const DataTable* table : {&t.Origin(), &t.Processing(), &t.Depth()}) {
        out << "\ntitles:";
        for (const auto& title : table->Titles())
            out << title << '|';
        for (const auto& row : TableRows(*table)) {
            out << '\n';
            for (const auto& cell : row)
                out << cell << '|';
        }
    }
    out << "\nmarks:";
    for (const auto& [row, column] : t.Marks())
        out << ' ' << row << ',' << column;
    out << "\nproc " << t.ProcFreqColumns() << " groups " << t.FieldGroups() << " freq " << t.FreqColumns()
        << " tab " << t.ActiveTab() << " chosen " << s.m_frame.DataSelected() << ' '
        << SettingsText(t.Settings());
    for (std::size_t f = 0; f < s.m_tree.Files().size(); ++f) {
        const auto& file = s.m_tree.Files()[f];
        out << '\n' << s.m_tree.FileText(static_cast<int>(f)) << ' ' << file.source << ' ' << file.checked;
        for (int id : file.rowIds)
            out << " [" << s.m_tree.RowText(id) << ' ' << s.m_tree.Row(id).checked << ']';
    }
    return out.str();
}

/// Records the rows the reader hands to the file view, and passes all on to the tree.
struct RecordingListener : DataFileListener {
    std::vector<std::string> rowItems;  // "file|datetime|inc|incName|mode|modeName"
    FileTree& tree;

    explicit RecordingListener(FileTree& t) : tree(t) {}
    void AddFrequency(std::string_view name) override { tree.AddFrequency(name); }
    void AddRowItem(int file, std::string_view dt, int inc, std::string_view incName, int mode,
                    std::string_view modeName) override
    {
        std::ostringstream s;
        s << file << '|' << dt << '|' << inc << '|' << incName << '|' << mode << '|' << modeName;
        rowItems.push_back(s.str());
        tree.AddRowItem(file, dt, inc, incName, mode, modeName);
    }
};

/// A survey loaded from bytes, as File Open would leave it.
struct Loaded {
    Survey survey;
    RecordingListener listener{survey.m_tree};
    ReadResult result;

    explicit Loaded(std::string_view bytes, ByteForm form = ByteForm::SingleOrUtf8)
    {
        survey.m_frame.BeginFileOpen();
        DataFileReader reader(survey.m_frame, survey.m_tables, listener);
        reader.SetTextProbe([form](std::string_view) { return form; });
        result = reader.ReadBuffer(bytes);
    }
};

/// A loaded survey whose rows were all copied into the Processing table.
struct Chosen : Loaded {
    explicit Chosen(std::string_view text) : Loaded(text)
    {
        for (std::size_t r = 0; r < survey.m_tables.Origin().RowCount(); ++r)
            survey.m_tables.CopyToProcessing(r);
    }
    std::vector<std::string> Col(std::size_t c) const { return Column(survey.m_tables.Processing(), c); }
    Rows Depth() const { return TableRows(survey.m_tables.Depth()); }
};

/// A folder that is removed with everything in it at the end of the test.
struct TempDir {
    std::filesystem::path path;
    TempDir()
    {
        path = std::filesystem::temp_directory_path() /
            ("vantrel-test-" + std::to_string(::getpid()) + "-" + std::to_string(s_count++));
        std::filesystem::create_directories(path);
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(path, ec);
    }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
    /// The names in the folder, sorted: what a failed write left behind.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static inline int s_count = 0;
};

}  // namespace vantrel::test
