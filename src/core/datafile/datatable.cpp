#include "datatable.h"

#include <algorithm>

namespace vantrel {

DataTable::DataTable(std::shared_ptr<TextStore> store)
    : m_store(std::move(store)), m_refs(std::make_shared<RefVector>())
{}

DataTable::RefVector& DataTable::Own()
{
    if (m_refs.use_count() > 1)
        m_refs = std::make_shared<RefVector>(*m_refs);
    return *m_refs;
}

std::string_view DataTable::Title(std::size_t column) const
{
    return column < m_titles.size() ? std::string_view(m_titles[column]) : std::string_view();
}

void DataTable::AddColumn(std::string_view title)
{
    const std::size_t oldCols = m_titles.size();
    m_titles.emplace_back(title);
    if (m_rowCount == 0)
        return;
    auto refs = std::make_shared<RefVector>(m_rowCount * (oldCols + 1), 0);
    for (std::size_t r = 0; r < m_rowCount; ++r)
        std::copy_n(m_refs->begin() + static_cast<std::ptrdiff_t>(r * oldCols), oldCols,
                    refs->begin() + static_cast<std::ptrdiff_t>(r * (oldCols + 1)));
    m_refs = std::move(refs);
}

void DataTable::Clear()
{
    ClearRows();
    m_titles.clear();
}

void DataTable::ClearRows()
{
    m_rowCount = 0;
    m_refs = std::make_shared<RefVector>();
}

DataTable::CellRef DataTable::RefAt(std::size_t row, std::size_t column) const
{
    const std::size_t cols = m_titles.size();
    if (row >= m_rowCount || column >= cols)
        return 0;
    return (*m_refs)[row * cols + column];
}

void DataTable::SetCell(std::size_t row, std::size_t column, std::string_view text)
{
    const std::size_t cols = m_titles.size();
    if (row >= m_rowCount || column >= cols)
        return;
    const std::size_t at = row * cols + column;
    if (m_store->Text((*m_refs)[at]) != text)
        Own()[at] = m_store->Store(text);
}

void DataTable::ReplaceCell(std::size_t row, std::size_t column, std::string_view text)
{
    const std::size_t cols = m_titles.size();
    if (row < m_rowCount && column < cols)
        Own()[row * cols + column] = m_store->Store(text);
}

template <typename CellOf>
void DataTable::AppendCells(CellOf cellOf)
{
    const std::size_t cols = m_titles.size();
    RefVector& refs = Own();
    const std::size_t before = refs.size();
    try {
        for (std::size_t c = 0; c < cols; ++c)
            refs.push_back(cellOf(c));
    } catch (...) {
        refs.resize(before);  // no half rows
        throw;
    }
    ++m_rowCount;
}

void DataTable::AppendRow(std::span<const std::string_view> cells)
{
    AppendCells([&](std::size_t c) { return c < cells.size() ? m_store->Store(cells[c]) : CellRef{0}; });
}

void DataTable::AppendRow(std::span<const std::string> cells)
{
    AppendCells([&](std::size_t c) { return c < cells.size() ? m_store->Store(cells[c]) : CellRef{0}; });
}

void DataTable::AppendRowFrom(const DataTable& other, std::size_t row)
{
    if (SharesStoreWith(other))
        AppendCells([&](std::size_t c) { return other.RefAt(row, c); });
    else
        AppendCells([&](std::size_t c) { return m_store->Store(other.Cell(row, c)); });
}

void DataTable::AppendRowRefs(std::span<const CellRef> refs)
{
    const std::size_t cols = m_titles.size();
    if (refs.size() >= cols) {
        RefVector& own = Own();
        own.insert(own.end(), refs.begin(), refs.begin() + static_cast<std::ptrdiff_t>(cols));
        ++m_rowCount;
        return;
    }
    AppendCells([&](std::size_t c) { return c < refs.size() ? refs[c] : CellRef{0}; });
}

bool DataTable::SameCells(const DataTable& other) const
{
    return m_store == other.m_store && m_rowCount == other.m_rowCount && m_titles == other.m_titles &&
        (m_refs == other.m_refs || *m_refs == *other.m_refs);
}

std::size_t DataTable::RefsFootprint() const
{
    const std::size_t refs = m_refs->capacity() * sizeof(CellRef);
    return refs >= HugeAllocator<CellRef>::kHuge ? platform::HugeBlockSize(refs) : refs;
}

std::size_t DataTable::Footprint() const
{
    std::size_t bytes = sizeof(DataTable) + RefsFootprint() + m_titles.capacity() * sizeof(std::string);
    for (const std::string& title : m_titles)
        if (title.capacity() > std::string().capacity())
            bytes += title.capacity() + 1;
    return bytes;
}

void DataTable::ReserveRows(std::size_t rows)
{
    Own().reserve(rows * m_titles.size());
}

std::span<DataTable::CellRef> DataTable::AppendRowsToFill(std::size_t rows)
{
    RefVector& refs = Own();
    const std::size_t before = refs.size();
    refs.resize(before + rows * m_titles.size());
    m_rowCount += rows;
    return {refs.data() + before, rows * m_titles.size()};
}

}  // namespace vantrel
