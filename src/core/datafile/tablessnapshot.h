#pragma once

#include "datatable.h"

#include <array>
#include <cstddef>
#include <map>
#include <memory>

namespace vantrel {

/// The Origin, Processing and Depth tables of an OutputTables as they were at
/// one moment, with the marks, the counts the processing steps change and the
/// active tab. Cells are copies of references: the texts stay in the store,
/// which the snapshot keeps alive, so a snapshot outlives a compaction of the
/// tables it was taken from.
///
/// Snapshots are taken and restored by OutputTables. Two snapshots share a
/// table that did not change between them, so a row of snapshots holds each
/// state of a table once.
class TablesSnapshot {
public:
    /// Origin, Processing and Depth, in the order of OutputTables::Tab.
    const std::array<std::shared_ptr<const DataTable>, 3>& Tables() const { return m_tables; }
    /// The store the tables refer to; the snapshot keeps it alive.
    const TextStore* StorePointer() const { return m_store.get(); }
    const std::map<int, int>& Marks() const { return m_marks; }
    int ActiveTab() const { return m_nActiveTab; }

    /// True when restoring either snapshot gives the same tables, marks, counts
    /// and active tab.
    bool SameAs(const TablesSnapshot& other) const;
    /// Bytes held besides the tables and the store: the marks and the counts.
    std::size_t OwnFootprint() const;

private:
    friend class OutputTables;

    std::shared_ptr<TextStore> m_store;
    std::array<std::shared_ptr<const DataTable>, 3> m_tables;
    std::map<int, int> m_marks;
    int m_nProcFreqColumns = 0;
    int m_nFieldGroups = 0;
    int m_nFreqColumns = 0;
    int m_nActiveTab = 0;
    std::size_t m_usedAtLastCompactCheck = 0;
};

}  // namespace vantrel
