#include "outputtables.h"

#include "columnrules.h"
#include "threads/twothreads.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

namespace vantrel {

namespace {

/// A piece of the output: rows appended cell by cell, without the capacity
/// check and the call to memcpy that every short append to a string costs.
class RowText {
public:
    void Clear() { m_size = 0; }
    /// One line of `count` cells, cell(i) giving the i-th, each followed by
    /// `sep`, then CR LF. The cells' texts lie in a TextStore, so a short one
    /// is copied in one fixed-size move.
    template <typename CellAt>
    void Line(std::size_t count, CellAt cell, char sep)
    {
        constexpr std::size_t kShort = TextStore::kReadSlack;
        Reserve(count * (kShort + 1) + 2);
        char* p = m_data.get() + m_size;
        for (std::size_t i = 0; i < count; ++i) {
            const std::string_view text = cell(i);
            if (text.size() <= kShort) {
                std::memcpy(p, text.data(), kShort);  // the store has the bytes after it
            } else {
                m_size = static_cast<std::size_t>(p - m_data.get());
                Reserve(text.size() + (count - i) * (kShort + 1) + 2);
                p = m_data.get() + m_size;
                std::memcpy(p, text.data(), text.size());
            }
            p += text.size();
            *p++ = sep;
        }
        *p++ = '\r';
        *p++ = '\n';
        m_size = static_cast<std::size_t>(p - m_data.get());
    }
    void WriteTo(std::ostream& out) const { out.write(m_data.get(), static_cast<std::streamsize>(m_size)); }

private:
    void Reserve(std::size_t bytes)
    {
        if (m_capacity - m_size >= bytes)
            return;
        const std::size_t capacity = std::max({m_capacity * 2, m_size + bytes, std::size_t{1} << 16});
        auto data = std::make_unique_for_overwrite<char[]>(capacity);
        if (m_size > 0)
            std::memcpy(data.get(), m_data.get(), m_size);
        m_data = std::move(data);
        m_capacity = capacity;
    }
    std::unique_ptr<char[]> m_data;
    std::size_t m_capacity = 0;
    std::size_t m_size = 0;
};

/// Formats the rows in pieces on two threads and writes the pieces in order.
/// `row(text, r)` appends row r, line end included.
template <typename Row>
void WriteRowsOnTwoThreads(std::ostream& out, std::size_t rows, std::size_t columns, Row row)
{
    const std::size_t rowsPerPiece =
        std::max<std::size_t>(1, (std::size_t{1} << 16) / std::max<std::size_t>(columns, 1));
    ProduceOnTwoThreadsInOrder<RowText>((rows + rowsPerPiece - 1) / rowsPerPiece,
                                        [&](std::size_t piece, RowText& text) {
                                            text.Clear();
                                            const std::size_t end =
                                                std::min(rows, (piece + 1) * rowsPerPiece);
                                            for (std::size_t r = piece * rowsPerPiece; r < end; ++r)
                                                row(text, r);
                                        },
                                        [&](std::size_t, const RowText& text) { text.WriteTo(out); });
}

}  // namespace

OutputTables::OutputTables()
    : m_store(std::make_shared<TextStore>()), m_origin(m_store), m_processing(m_store), m_depth(m_store)
{}

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
            const auto ref =
                static_cast<TextStore::Ref>(w * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
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
            const auto ref =
                static_cast<TextStore::Ref>(w * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
            renamed.push_back(fresh->Store(m_store->Text(ref)));
        }
    }
    for (DataTable* t : tables) {
        for (TextStore::Ref& ref : t->MutableRefs()) {
            const std::size_t w = ref >> 6;
            const std::uint64_t below = live[w] & ((std::uint64_t{1} << (ref & 63)) - 1);
            ref = renamed[rankBefore[w] + static_cast<std::uint32_t>(std::popcount(below))];
        }
        t->SetStore(fresh);
    }
    m_store = fresh;
    m_usedAtLastCompactCheck = m_store->Used();
}

TablesSnapshot OutputTables::TakeSnapshot(const TablesSnapshot* previous) const
{
    TablesSnapshot snapshot;
    snapshot.m_store = m_store;
    const DataTable* tables[] = {&m_origin, &m_processing, &m_depth};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::shared_ptr<const DataTable>& before = previous ? previous->m_tables[i] : nullptr;
        snapshot.m_tables[i] =
            before && before->SameCells(*tables[i]) ? before : std::make_shared<const DataTable>(*tables[i]);
    }
    snapshot.m_marks = m_marks;
    snapshot.m_nProcFreqColumns = m_nProcFreqColumns;
    snapshot.m_nFieldGroups = m_nFieldGroups;
    snapshot.m_nFreqColumns = m_nFreqColumns;
    snapshot.m_nActiveTab = m_nActiveTab;
    snapshot.m_usedAtLastCompactCheck = m_usedAtLastCompactCheck;
    return snapshot;
}

void OutputTables::Restore(const TablesSnapshot& snapshot)
{
    // Copy first, so that a failed allocation leaves the tables as they were.
    DataTable origin = *snapshot.m_tables[0];
    DataTable processing = *snapshot.m_tables[1];
    DataTable depth = *snapshot.m_tables[2];
    std::map<int, int> marks = snapshot.m_marks;
    m_origin = std::move(origin);
    m_processing = std::move(processing);
    m_depth = std::move(depth);
    m_marks = std::move(marks);
    m_store = snapshot.m_store;
    m_nProcFreqColumns = snapshot.m_nProcFreqColumns;
    m_nFieldGroups = snapshot.m_nFieldGroups;
    m_nFreqColumns = snapshot.m_nFreqColumns;
    m_nActiveTab = snapshot.m_nActiveTab;
    m_usedAtLastCompactCheck = snapshot.m_usedAtLastCompactCheck;
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
    const std::size_t cols = m_origin.ColumnCount();
    const TextStore& store = m_origin.Store();
    const auto& refs = m_origin.Refs();
    WriteRowsOnTwoThreads(out, m_origin.RowCount(), cols, [&](RowText& text, std::size_t r) {
        const TextStore::Ref* row = refs.data() + r * cols;
        text.Line(
            cols, [&](std::size_t c) { return store.Text(row[c]); }, sep);
    });
}

void OutputTables::WriteDepthRows(std::ostream& out, int variant) const
{
    if (variant != 1 && variant != 2)
        return;
    const char sep = variant == 1 ? '\t' : ',';
    out << (variant == 1 ? "Increment Value\tHeight\tValue\tFileID\r\n"
                         : "Increment Value,Height,Value,FileID\r\n");
    const std::size_t cols = m_depth.ColumnCount();
    const std::size_t rows = m_depth.RowCount();
    const TextStore& store = m_depth.Store();
    const auto& refs = m_depth.Refs();
    WriteRowsOnTwoThreads(out, rows, cols, [&](RowText& text, std::size_t r) {
        // The texts of a row lie far apart in the store: fetch a later row's
        // while this one is copied.
        constexpr std::size_t kAhead = 16;
        if (r + kAhead < rows)
            for (std::size_t c = 0; c < cols; ++c)
                store.Prefetch(refs[(r + kAhead) * cols + c]);
        // The first column (the file) goes last.
        const TextStore::Ref* row = refs.data() + r * cols;
        text.Line(
            cols, [&](std::size_t i) { return store.Text(row[i + 1 < cols ? i + 1 : 0]); }, sep);
    });
}

}  // namespace vantrel
