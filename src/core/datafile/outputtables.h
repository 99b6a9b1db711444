#pragma once

#include "datatable.h"
#include "tablessnapshot.h"
#include "datafile/processingsettings.h"

#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// The three data tables of the output pane with their counts, the processing
/// settings (their one copy: the processing steps read them here, the Config
/// command sets them) and the marks of the Origin table.
///
/// Column 0 of every table holds the file number, column 1 the increment;
/// the frequency columns lie next to each other from FirstFreqColumn() on.
class OutputTables {
public:
    enum Tab { OriginTab = 0, ProcessingTab = 1, DepthTab = 2 };

    OutputTables();
    /// Becomes a copy of `other`, sharing its store and every table's
    /// references until either side changes them: cheap, and a copy may be
    /// changed on one thread while the tables it came from are read on another.
    void CopyFrom(const OutputTables& other) { *this = other; }

    DataTable& Origin() { return m_origin; }
    const DataTable& Origin() const { return m_origin; }
    DataTable& Processing() { return m_processing; }
    const DataTable& Processing() const { return m_processing; }
    DataTable& Depth() { return m_depth; }
    const DataTable& Depth() const { return m_depth; }

    /// Frequency columns of the Processing header.
    int ProcFreqColumns() const { return m_nProcFreqColumns; }
    /// File groups the last field-source processing went through.
    int FieldGroups() const { return m_nFieldGroups; }
    void SetFieldGroups(int groups) { m_nFieldGroups = groups; }
    /// Origin column of the first frequency, -1 without one.
    int FirstFreqColumn() const { return m_nFirstFreqColumn; }
    /// Frequency columns the processing works on.
    int FreqColumns() const { return m_nFreqColumns; }
    /// Lowers the number of frequency columns the processing works on to `limit`.
    void LimitFreqColumns(int limit) { m_nFreqColumns = std::min(m_nFreqColumns, limit); }

    const ProcessingSettings& Settings() const { return m_settings; }
    void SetSettings(const ProcessingSettings& settings) { m_settings = settings; }

    /// Marked cells of the Origin table: row -> column, one column per row.
    const std::map<int, int>& Marks() const { return m_marks; }
    /// Marks the cell unless its row has a marked cell already.
    void MarkCell(int row, int column) { m_marks.emplace(row, column); }

    /// The tab the pane is to show: set by the operations that fill or clear
    /// a table, and by the user's choice.
    int ActiveTab() const { return m_nActiveTab; }
    void SetActiveTab(int tab) { m_nActiveTab = tab; }

    void SetOriginColumns(const std::vector<std::string>& header);
    void AddOriginRow(std::span<const std::string_view> fields);
    void SetProcessingColumns(const std::vector<std::string>& header);
    /// `firstFreqNumber` is one more than the header index of the first
    /// frequency column: columns 0..n-2 keep their titles, then "Height(H)"
    /// and "Value(V)".
    void SetDepthColumns(const std::vector<std::string>& header, int firstFreqNumber);
    void CopyToProcessing(std::size_t originRow);
    void ClearResults();
    void ClearAll();
    void ClearMarks() { m_marks.clear(); }

    /// Drops the texts no cell refers to any more, when they have come to
    /// outweigh the live ones (after rewrites and repeated choosing of data).
    /// `force` compacts whenever anything can be dropped.
    void CompactText(bool force = false);
    const TextStore& Store() const { return *m_store; }

    /// The three tables, the marks, the counts the processing steps change
    /// (Processing frequency columns, file groups, frequency columns) and the
    /// active tab, as references into the store. A table equal to the one in
    /// `previous` is shared with it instead of copied.
    TablesSnapshot TakeSnapshot(const TablesSnapshot* previous = nullptr) const;
    /// Puts back what TakeSnapshot() took, the store included; the settings
    /// and the header stay as they are.
    void Restore(const TablesSnapshot& snapshot);

    /// The header the Processing columns were made from; empty before any.
    const std::vector<std::string>& Header() const { return m_header; }
    bool HasHeader() const { return m_bHasHeader; }

    /// Every Origin row as one line, each cell followed by a tab (mode 1) or a
    /// comma (mode 2), lines ending in CR LF. Other modes write nothing.
    void WriteOriginRows(std::ostream& out, int mode) const;
    /// The depth header line of the variant (1 tab, 2 comma), then every Depth
    /// row with column 0 moved to the end, each cell followed by the separator,
    /// lines ending in CR LF. Other variants write nothing.
    void WriteDepthRows(std::ostream& out, int variant) const;

private:
    // Copies only through CopyFrom(), so that none is made by accident.
    OutputTables(const OutputTables&) = default;
    OutputTables& operator=(const OutputTables&) = default;

    std::shared_ptr<TextStore> m_store;  // shared by the three tables
    DataTable m_origin;
    DataTable m_processing;
    DataTable m_depth;
    int m_nProcFreqColumns = 0;
    int m_nFieldGroups = 0;
    int m_nFirstFreqColumn = -1;
    int m_nFreqColumns = 0;
    ProcessingSettings m_settings;
    std::map<int, int> m_marks;
    int m_nActiveTab = OriginTab;
    std::vector<std::string> m_header;
    bool m_bHasHeader = false;
    std::size_t m_usedAtLastCompactCheck = 0;
};

}  // namespace vantrel
