#include "outputtables.h"

#include "columnrules.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace vantrel {

namespace {

/// Collects lines in a large buffer and hands it to the stream in pieces.
class LineBuffer {
public:
    explicit LineBuffer(std::ostream& out) : m_out(out), m_buf(kSize), m_end(m_buf.data() + kSize - kReserve) {}
    ~LineBuffer() { Flush(); }
    void Cell(std::string_view text, char sep)
    {
        if (text.size() + 1 > static_cast<std::size_t>(m_end + kReserve - m_at)) {
            Flush();
            if (text.size() + 1 > kSize) {
                m_out.write(text.data(), static_cast<std::streamsize>(text.size()));
                m_out.put(sep);
                return;
            }
        }
        std::memcpy(m_at, text.data(), text.size());
        m_at += text.size();
        *m_at++ = sep;
    }
    void Text(std::string_view text)
    {
        for (char c : text)
            Put(c);
    }
    void EndLine()
    {
        Put('\r');
        Put('\n');
        if (m_at >= m_end)
            Flush();
    }
    void Flush()
    {
        m_out.write(m_buf.data(), static_cast<std::streamsize>(m_at - m_buf.data()));
        m_at = m_buf.data();
    }

private:
    void Put(char c)
    {
        if (m_at == m_buf.data() + kSize)
            Flush();
        *m_at++ = c;
    }
    static constexpr std::size_t kSize = 1 << 20;
    static constexpr std::ptrdiff_t kReserve = 4096;
    std::ostream& m_out;
    std::vector<char> m_buf;
    char* m_end;
    char* m_at = m_buf.data();
};

}  // namespace

OutputTables::OutputTables()
    : m_store(std::make_shared<TextStore>()), m_origin(m_store), m_processing(m_store), m_depth(m_store)
{
}

void OutputTables::CompactText(bool force)
{
    const std::size_t used = m_store->Used();
    constexpr std::size_t kSlack = std::size_t{16} << 20;
    if (!force && m_usedAtLastCompactCheck == 0) {
        m_usedAtLastCompactCheck = used;  // the loaded file: nothing to drop yet
        return;
    }
    if (!force && used < m_usedAtLastCompactCheck + std::max(kSlack, m_usedAtLastCompactCheck / 2))
        return;
    DataTable* tables[] = {&m_origin, &m_processing, &m_depth};
    // Mark the start of every live text, then count their bytes.
    std::vector<std::uint64_t> live((used + 63) / 64, 0);
    for (DataTable* t : tables)
        for (TextStore::Ref ref : t->Refs())
            live[ref >> 6] |= std::uint64_t{1} << (ref & 63);
    std::size_t liveBytes = 0, liveTexts = 0;
    for (std::size_t w = 0; w < live.size(); ++w)
        for (std::uint64_t bits = live[w]; bits; bits &= bits - 1) {
            const auto ref = static_cast<TextStore::Ref>(w * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
            liveBytes += m_store->Text(ref).size() + 1;
            ++liveTexts;
        }
    m_usedAtLastCompactCheck = used;
    if (force ? liveBytes >= used : used < 2 * liveBytes + kSlack)
        return;
    // Copy the live texts in store order; a text's new reference is found by
    // its rank among the marked starts.
    auto fresh = std::make_shared<TextStore>();
    std::vector<TextStore::Ref> renamed;
    renamed.reserve(liveTexts);
    std::vector<std::uint32_t> rankBefore(live.size() + 1, 0);
    for (std::size_t w = 0; w < live.size(); ++w) {
        rankBefore[w + 1] = rankBefore[w] + static_cast<std::uint32_t>(std::popcount(live[w]));
        for (std::uint64_t bits = live[w]; bits; bits &= bits - 1) {
            const auto ref = static_cast<TextStore::Ref>(w * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
            renamed.push_back(fresh->Store(m_store->Text(ref)));
        }
    }
    for (DataTable* t : tables) {
        for (TextStore::Ref& ref : t->Refs()) {
            const std::size_t w = ref >> 6;
            const std::uint64_t below = live[w] & ((std::uint64_t{1} << (ref & 63)) - 1);
            ref = renamed[rankBefore[w] + static_cast<std::uint32_t>(std::popcount(below))];
        }
        t->SetStore(fresh);
    }
    m_store = fresh;
    m_usedAtLastCompactCheck = m_store->Used();
}

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
    CompactText();
}

void OutputTables::ClearAll()
{
    m_origin.Clear();
    m_processing.Clear();
    m_depth.Clear();
    m_store = std::make_shared<TextStore>();
    for (DataTable* t : {&m_origin, &m_processing, &m_depth})
        t->SetStore(m_store);
    m_usedAtLastCompactCheck = 0;
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
