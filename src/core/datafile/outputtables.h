#pragma once

#include "datatable.h"
#include "processing/processingsettings.h"

#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// The three data tables of the output pane with their counts, the working
/// copy of the processing settings and the marks of the Origin table.
///
/// Column 0 of every table holds the file number, column 1 the increment;
/// the frequency columns lie next to each other from m_nFirstFreqColumn on.
class OutputTables {
public:
    enum Tab { OriginTab = 0, ProcessingTab = 1, DepthTab = 2 };

    OutputTables();
    OutputTables(const OutputTables&) = delete;
    OutputTables& operator=(const OutputTables&) = delete;

private:
    std::shared_ptr<TextStore> m_store;  // shared by the three tables

public:
    DataTable m_origin;
    DataTable m_processing;
    DataTable m_depth;

    int m_nProcFreqColumns = 0;
    int m_nFieldGroups = 0;
    int m_nFirstFreqColumn = -1;
    int m_nFreqColumns = 0;
    ProcessingSettings m_settings;

    /// Marked cells of the Origin table: row -> column, one column per row.
    std::map<int, int> m_marks;
    /// The tab the pane is to show after the last operation.
    int m_nActiveTab = OriginTab;

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
    std::vector<std::string> m_header;
    bool m_bHasHeader = false;
    std::size_t m_usedAtLastCompactCheck = 0;
};

}  // namespace vantrel
