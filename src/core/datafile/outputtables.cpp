#include "outputtables.h"

#include "columnrules.h"

namespace vantrel {

namespace {

class LineBuffer {
public:
    explicit LineBuffer(std::ostream& out) : m_out(out) { m_buf.reserve(kFlushAt + 4096); }
    ~LineBuffer() { Flush(); }
    void Cell(std::string_view text, char sep)
    {
        m_buf.append(text);
        m_buf.push_back(sep);
    }
    void Text(std::string_view text) { m_buf.append(text); }
    void EndLine()
    {
        m_buf.append("\r\n");
        if (m_buf.size() >= kFlushAt)
            Flush();
    }
    void Flush()
    {
        m_out.write(m_buf.data(), static_cast<std::streamsize>(m_buf.size()));
        m_buf.clear();
    }

private:
    static constexpr std::size_t kFlushAt = 1 << 16;
    std::ostream& m_out;
    std::string m_buf;
};

}  // namespace

void OutputTables::SetOriginColumns(const std::vector<std::string>& header)
{
    m_nFreqColumns = 0;
    for (std::size_t i = 0; i < header.size(); ++i) {
        m_origin.AddColumn(header[i]);
        if (IsFrequencyTitle(header[i])) {
            if (m_nFirstFreqColumn < 0)
                m_nFirstFreqColumn = static_cast<int>(i);
            ++m_nFreqColumns;
        }
    }
}

void OutputTables::AddOriginRow(std::span<const std::string_view> fields)
{
    m_origin.AppendRow(fields);
    m_nActiveTab = OriginTab;
}

void OutputTables::SetProcessingColumns(const std::vector<std::string>& header)
{
    m_header = header;
    m_bHasHeader = true;
    m_nProcFreqColumns = 0;
    for (const auto& title : header) {
        m_processing.AddColumn(title);
        if (IsFrequencyTitle(title))
            ++m_nProcFreqColumns;
    }
}

void OutputTables::SetDepthColumns(const std::vector<std::string>& header, int firstFreqNumber)
{
    for (int i = 0; i <= firstFreqNumber - 2 && i < static_cast<int>(header.size()); ++i)
        m_depth.AddColumn(header[static_cast<std::size_t>(i)]);
    m_depth.AddColumn("Height(H)");
    m_depth.AddColumn("Value(V)");
}

void OutputTables::CopyToProcessing(std::size_t originRow)
{
    m_processing.AppendRowFrom(m_origin, originRow);
    m_nActiveTab = ProcessingTab;
}

void OutputTables::ClearResults()
{
    m_processing.ClearRows();
    m_depth.ClearRows();
    m_nActiveTab = OriginTab;
}

void OutputTables::ClearAll()
{
    m_origin.Clear();
    m_processing.Clear();
    m_depth.Clear();
    m_marks.clear();
    m_header.clear();
    m_nProcFreqColumns = 0;
    m_nFreqColumns = 0;
    m_nFieldGroups = 0;
    m_nFirstFreqColumn = -1;
    m_nActiveTab = OriginTab;
}

void OutputTables::WriteOriginRows(std::ostream& out, int mode) const
{
    if (mode != 1 && mode != 2)
        return;
    const char sep = mode == 1 ? '\t' : ',';
    LineBuffer lines(out);
    const std::size_t cols = m_origin.ColumnCount();
    for (std::size_t r = 0; r < m_origin.RowCount(); ++r) {
        for (std::size_t c = 0; c < cols; ++c)
            lines.Cell(m_origin.Cell(r, c), sep);
        lines.EndLine();
    }
}

void OutputTables::WriteDepthRows(std::ostream& out, int variant) const
{
    if (variant != 1 && variant != 2)
        return;
    const char sep = variant == 1 ? '\t' : ',';
    LineBuffer lines(out);
    lines.Text(variant == 1 ? "Increment Value\tHeight\tValue\tFileID" : "Increment Value,Height,Value,FileID");
    lines.EndLine();
    const std::size_t cols = m_depth.ColumnCount();
    for (std::size_t r = 0; r < m_depth.RowCount(); ++r) {
        for (std::size_t c = 1; c < cols; ++c)
            lines.Cell(m_depth.Cell(r, c), sep);
        if (cols > 0)
            lines.Cell(m_depth.Cell(r, 0), sep);
        lines.EndLine();
    }
}

}  // namespace vantrel
