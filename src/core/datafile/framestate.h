#pragma once

#include <string>
#include <vector>

namespace vantrel {

class FileTree;
class OutputTables;

/// The data the main frame keeps about the open file. The processing settings
/// live in OutputTables, where the processing reads them.
class FrameState {
public:
    /// The open file's column names, upper case, in file order.
    std::vector<std::string> m_arrHeaderColumns;
    /// The chosen path, upper case, with ".DAT" / ".CSV" appended for the
    /// matching filter: its spelling decides the original data format.
    std::string m_strDataPath;
    /// The same path in its own letter case: the file Save Original Data writes.
    std::string m_strDataFile;
    bool m_bDataSelected = false;
    bool m_bDashColumns = false;

    /// The file dialog's filters, in order.
    enum Filter { DatFilter = 0, CsvFilter = 1, AllFilter = 2 };

    bool HasOpenFile() const { return !m_arrHeaderColumns.empty(); }
    /// Clears the two flags every File Open command starts with.
    void BeginFileOpen();
    /// Empties the tree, the tables and the header: the user agreed to close.
    void CloseData(FileTree& tree, OutputTables& tables);
    /// Records the path chosen in the open dialog with the filter it was chosen with.
    void SetDataPath(const std::string& chosen, int filter);
};

}  // namespace vantrel
