#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class FileTree;
class OutputTables;

/// The data the main frame keeps about the open file. The processing settings
/// live in OutputTables, where the processing reads them.
class FrameState {
public:
    /// The file dialog's filters, in order.
    enum Filter { DatFilter = 0, CsvFilter = 1, AllFilter = 2 };

    /// The open file's column names, upper case, in file order.
    const std::vector<std::string>& HeaderColumns() const { return m_arrHeaderColumns; }
    /// Appends a column name of the header line being read.
    void AddHeaderColumn(std::string_view name) { m_arrHeaderColumns.emplace_back(name); }
    /// The chosen path, upper case, with ".DAT" / ".CSV" appended for the
    /// matching filter: its spelling decides the original data format.
    const std::string& DataPath() const { return m_strDataPath; }
    /// The same path in its own letter case: the file Save Original Data writes.
    const std::string& DataFile() const { return m_strDataFile; }
    /// True once choosing data copied at least one row.
    bool DataSelected() const { return m_bDataSelected; }
    void SetDataSelected(bool selected) { m_bDataSelected = selected; }
    /// True once a dash-titled column was taken as a frequency column: from then
    /// on "HZ" columns are not.
    bool DashColumns() const { return m_bDashColumns; }
    void SetDashColumns() { m_bDashColumns = true; }

    bool HasOpenFile() const { return !m_arrHeaderColumns.empty(); }
    /// The files the survey was read from, in order: one for File Open of a
    /// file, several when they were read as one survey (DataPath() is then
    /// empty: no single file can be written back).
    const std::vector<std::string>& SourceFiles() const { return m_sourceFiles; }
    void SetSourceFiles(std::vector<std::string> files) { m_sourceFiles = std::move(files); }
    /// The text encoding the cells' bytes are shown in ("UTF-8", "GB18030",
    /// "windows-1252"); empty before a file is read.
    const std::string& Encoding() const { return m_encoding; }
    void SetEncoding(std::string name) { m_encoding = std::move(name); }
    /// Clears the two flags every File Open command starts with.
    void BeginFileOpen();
    /// Empties the tree, the tables and the header: the user agreed to close.
    void CloseData(FileTree& tree, OutputTables& tables);
    /// Records the path chosen in the open dialog with the filter it was chosen with.
    void SetDataPath(const std::string& chosen, int filter);

private:
    std::vector<std::string> m_arrHeaderColumns;
    std::string m_strDataPath;
    std::string m_strDataFile;
    std::vector<std::string> m_sourceFiles;
    std::string m_encoding;
    bool m_bDataSelected = false;
    bool m_bDashColumns = false;
};

}  // namespace vantrel
