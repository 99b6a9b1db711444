#include "datatable.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace vantrel {

// Text store layout: a cell's text starts at its reference with a length
// prefix. A first byte below 0xFE is the length itself; 0xFE is followed by a
// 4-byte length and the text; 0xFF is followed by a 4-byte index into m_large.
namespace {
constexpr unsigned char kLong = 0xFE;
constexpr unsigned char kLarge = 0xFF;
constexpr std::size_t kLargeThreshold = 1u << 20;

std::uint32_t ReadU32(const char* p)
{
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}
}  // namespace

DataTable::DataTable()
{
    m_text.push_back(0);  // the shared empty text at reference 0
}

std::string_view DataTable::Title(std::size_t column) const
{
    return column < m_titles.size() ? std::string_view(m_titles[column]) : std::string_view();
}

std::string_view DataTable::Text(CellRef ref) const
{
    const char* p = m_text.data() + ref;
    const auto head = static_cast<unsigned char>(*p);
    if (head < kLong)
        return {p + 1, head};
    if (head == kLong)
        return {p + 5, ReadU32(p + 1)};
    return m_large[ReadU32(p + 1)];
}

DataTable::CellRef DataTable::StoreText(std::string_view text)
{
    if (text.empty())
        return 0;
    const std::size_t at = m_text.size();
    if (at + text.size() + 5 > UINT32_MAX)
        throw std::length_error("table text exceeds 4 GiB");
    if (text.size() < kLong) {
        m_text.push_back(static_cast<char>(text.size()));
        m_text.insert(m_text.end(), text.begin(), text.end());
    } else if (text.size() < kLargeThreshold) {
        const auto n = static_cast<std::uint32_t>(text.size());
        char head[5] = {static_cast<char>(kLong)};
        std::memcpy(head + 1, &n, 4);
        m_text.insert(m_text.end(), head, head + 5);
        m_text.insert(m_text.end(), text.begin(), text.end());
    } else {
        const auto index = static_cast<std::uint32_t>(m_large.size());
        m_large.emplace_back(text);
        char head[5] = {static_cast<char>(kLarge)};
        std::memcpy(head + 1, &index, 4);
        m_text.insert(m_text.end(), head, head + 5);
    }
    return static_cast<CellRef>(at);
}

void DataTable::AddColumn(std::string_view title)
{
    const std::size_t oldCols = m_titles.size();
    m_titles.emplace_back(title);
    if (m_rowCount == 0)
        return;
    std::vector<CellRef> refs(m_rowCount * (oldCols + 1), 0);
    for (std::size_t r = 0; r < m_rowCount; ++r)
        std::copy_n(m_refs.begin() + static_cast<std::ptrdiff_t>(r * oldCols), oldCols,
                    refs.begin() + static_cast<std::ptrdiff_t>(r * (oldCols + 1)));
    m_refs.swap(refs);
}

void DataTable::Clear()
{
    ClearRows();
    m_titles.clear();
}

void DataTable::ClearRows()
{
    m_rowCount = 0;
    std::vector<CellRef>().swap(m_refs);
    std::vector<char>(1, 0).swap(m_text);
    std::vector<std::string>().swap(m_large);
    m_garbage = 0;
}

std::string_view DataTable::Cell(std::size_t row, std::size_t column) const
{
    const std::size_t cols = m_titles.size();
    if (row >= m_rowCount || column >= cols)
        return {};
    return Text(m_refs[row * cols + column]);
}

DataTable::CellRef DataTable::RefAt(std::size_t row, std::size_t column) const
{
    const std::size_t cols = m_titles.size();
    if (row >= m_rowCount || column >= cols)
        return 0;
    return m_refs[row * cols + column];
}

void DataTable::SetCell(std::size_t row, std::size_t column, std::string_view text)
{
    const std::size_t cols = m_titles.size();
    if (row >= m_rowCount || column >= cols)
        return;
    CellRef& ref = m_refs[row * cols + column];
    const std::string_view old = Text(ref);
    if (old == text)
        return;
    m_garbage += old.size() + 1;
    ref = StoreText(text);
}

template <typename CellOf>
void DataTable::AppendCells(CellOf cellOf)
{
    const std::size_t cols = m_titles.size();
    const std::size_t before = m_refs.size();
    try {
        for (std::size_t c = 0; c < cols; ++c)
            m_refs.push_back(StoreText(cellOf(c)));
    } catch (...) {
        m_refs.resize(before);  // no half rows
        throw;
    }
    ++m_rowCount;
}

void DataTable::AppendRow(std::span<const std::string_view> cells)
{
    AppendCells([&](std::size_t c) { return c < cells.size() ? cells[c] : std::string_view(); });
}

void DataTable::AppendRow(std::span<const std::string> cells)
{
    AppendCells([&](std::size_t c) { return c < cells.size() ? std::string_view(cells[c]) : std::string_view(); });
}

void DataTable::AppendRowFrom(const DataTable& other, std::size_t row)
{
    AppendCells([&](std::size_t c) { return other.Cell(row, c); });
}

void DataTable::AppendRowRefs(std::span<const CellRef> refs)
{
    const std::size_t cols = m_titles.size();
    for (std::size_t c = 0; c < cols; ++c)
        m_refs.push_back(c < refs.size() ? refs[c] : 0);
    ++m_rowCount;
}

void DataTable::ReserveRows(std::size_t rows)
{
    m_refs.reserve(rows * m_titles.size());
}

void DataTable::ReserveText(std::size_t bytes)
{
    m_text.reserve(bytes);
}

std::size_t DataTable::LiveTextBytes() const
{
    std::size_t live = 0;
    for (CellRef ref : m_refs)
        live += Text(ref).size() + 1;
    return live;
}

void DataTable::Compact()
{
    if (m_garbage == 0 || m_garbage < m_text.size() / 2)
        return;
    DataTable fresh;
    fresh.m_titles = m_titles;
    fresh.m_text.reserve(LiveTextBytes() + 1);
    fresh.m_refs.reserve(m_refs.size());
    for (CellRef ref : m_refs)
        fresh.m_refs.push_back(fresh.StoreText(Text(ref)));
    fresh.m_rowCount = m_rowCount;
    *this = std::move(fresh);
}

std::size_t DataTable::MemoryBytes() const
{
    std::size_t bytes = m_text.capacity() + m_refs.capacity() * sizeof(CellRef);
    for (const auto& s : m_large)
        bytes += s.capacity();
    return bytes;
}

}  // namespace vantrel
