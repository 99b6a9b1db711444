#pragma once

#include "hugeallocator.h"
#include "textstore.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// A table of text cells with column titles: the store of the readings.
///
/// A cell is a reference into a TextStore, which tables of one survey share:
/// copying a row between them, or repeating a cell, copies references only.
/// Rewriting a cell stores the new text; the old one stays in the store until
/// the owner of the store compacts it (OutputTables does).
///
/// Reading a cell outside the table gives empty text; writing one does
/// nothing. Every row has exactly ColumnCount() cells.
///
/// Copies share their references until one of them changes (copy on
/// write), so an undo snapshot of a big table costs nothing until the table
/// changes. A table is read from several threads at once, but written only
/// by the thread that owns it.
class DataTable {
public:
    using CellRef = TextStore::Ref;
    using RefVector = std::vector<CellRef, HugeAllocator<CellRef>>;

    explicit DataTable(std::shared_ptr<TextStore> store = std::make_shared<TextStore>());

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

    std::string_view Cell(std::size_t row, std::size_t column) const
    {
        const std::size_t cols = m_titles.size();
        if (row >= m_rowCount || column >= cols)
            return {};
        return m_store->Text((*m_refs)[row * cols + column]);
    }
    void SetCell(std::size_t row, std::size_t column, std::string_view text);
    /// SetCell for a caller that knows the cell's text differs from `text`
    /// (it stores without reading the old text).
    void ReplaceCell(std::size_t row, std::size_t column, std::string_view text);

    /// Appends a row. Missing cells are empty, surplus cells are dropped.
    void AppendRow(std::span<const std::string_view> cells);
    void AppendRow(std::span<const std::string> cells);
    /// Appends a copy of row `row` of `other`, column by column.
    void AppendRowFrom(const DataTable& other, std::size_t row);

    /// Stores a text for use by AppendRowRefs.
    CellRef StoreText(std::string_view text) { return m_store->Store(text); }
    CellRef RefAt(std::size_t row, std::size_t column) const;
    /// Appends a row of references into this table's store.
    void AppendRowRefs(std::span<const CellRef> refs);
    bool SharesStoreWith(const DataTable& other) const { return m_store == other.m_store; }

    void ReserveRows(std::size_t rows);
    /// Appends `rows` rows and returns their references, row by row, for the
    /// caller to fill (from several threads, each its own rows). They hold no
    /// defined reference until filled: every one must be set.
    std::span<CellRef> AppendRowsToFill(std::size_t rows);

    /// True when both tables refer to the same store with the same titles and
    /// the same cell references: a copy that can stand for the other.
    bool SameCells(const DataTable& other) const;
    /// Bytes the table holds besides the store's texts: its references as
    /// allocated (large arrays in whole 2 MiB pages) and its titles.
    std::size_t Footprint() const;

    const TextStore& Store() const { return *m_store; }
    /// Every cell reference, row by row.
    const RefVector& Refs() const { return *m_refs; }
    /// For the store's owner: every cell reference, to remap (the table's own
    /// copy from then on).
    RefVector& MutableRefs() { return Own(); }
    /// Which references the table holds: equal for copies that still share them.
    const void* RefsIdentity() const { return m_refs.get(); }
    /// The part of Footprint() that copies sharing the references share.
    std::size_t RefsFootprint() const;
    void SetStore(std::shared_ptr<TextStore> store) { m_store = std::move(store); }

private:
    template <typename CellOf>
    void AppendCells(CellOf cellOf);
    /// The references, no longer shared with any copy.
    RefVector& Own();

    std::shared_ptr<TextStore> m_store;
    std::vector<std::string> m_titles;
    std::size_t m_rowCount = 0;
    std::shared_ptr<RefVector> m_refs;  // row-major, m_rowCount * ColumnCount(); never null
};

}  // namespace vantrel
