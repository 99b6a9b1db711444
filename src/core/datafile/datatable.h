#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// A table of text cells with column titles: the store of the readings.
///
/// Cells are kept as bytes in one growing text store and addressed by a 32-bit
/// reference per cell, so a table of millions of short cells costs little more
/// than its text. Rewriting a cell appends the new text; the old text is
/// reclaimed by Compact(). Several cells may share one stored text (see
/// StoreText / AppendRowRefs), which the depth table uses for the columns it
/// repeats.
///
/// Reading a cell outside the table gives empty text. Every row has exactly
/// ColumnCount() cells.
class DataTable {
public:
    using CellRef = std::uint32_t;

    DataTable();

    std::size_t RowCount() const { return m_rowCount; }
    std::size_t ColumnCount() const { return m_titles.size(); }
    const std::vector<std::string>& Titles() const { return m_titles; }
    std::string_view Title(std::size_t column) const;

    /// Appends a column at the right; existing rows get an empty cell there.
    void AddColumn(std::string_view title);
    /// Deletes all rows and all columns.
    void Clear();
    /// Deletes all rows; the columns stay.
    void ClearRows();

    std::string_view Cell(std::size_t row, std::size_t column) const;
    /// Does nothing for a cell outside the table.
    void SetCell(std::size_t row, std::size_t column, std::string_view text);

    /// Appends a row. Missing cells are empty, surplus cells are dropped.
    void AppendRow(std::span<const std::string_view> cells);
    void AppendRow(std::span<const std::string> cells);
    /// Appends a copy of row `row` of `other`, column by column.
    void AppendRowFrom(const DataTable& other, std::size_t row);

    /// Stores a text once for use by AppendRowRefs.
    CellRef StoreText(std::string_view text);
    CellRef RefAt(std::size_t row, std::size_t column) const;
    /// Appends a row whose cells are texts stored in this table.
    void AppendRowRefs(std::span<const CellRef> refs);

    void ReserveRows(std::size_t rows);
    void ReserveText(std::size_t bytes);

    /// Reclaims the text of rewritten cells when it outweighs the live text.
    void Compact();
    /// Bytes held by the table (text store and references), for measurements.
    std::size_t MemoryBytes() const;

private:
    template <typename CellOf>
    void AppendCells(CellOf cellOf);
    std::string_view Text(CellRef ref) const;
    std::size_t LiveTextBytes() const;

    std::vector<std::string> m_titles;
    std::size_t m_rowCount = 0;
    std::vector<CellRef> m_refs;      // row-major, m_rowCount * ColumnCount()
    std::vector<char> m_text;         // length-prefixed texts; offset 0 holds the empty text
    std::vector<std::string> m_large; // texts too long for a 32-bit length prefix slot
    std::size_t m_garbage = 0;
};

}  // namespace vantrel
