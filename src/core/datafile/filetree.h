#pragma once

#include "datafilelistener.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

/// The content of the file view: one file item per file number in order of
/// first appearance, under it one row item per data row in load order, each
/// with a check box; and the entries of the frequency selector.
///
/// Row ids start at 1 and count across all files, so row id - 1 is the row's
/// index in the Origin table.
class FileTree : public DataFileListener {
public:
    struct FileItem {
        int fileNumber = 0;
        std::string dateTime;  ///< of the first row with this file number
        std::vector<int> rowIds;
        bool checked = false;
        std::string source;  ///< the file it was read from, when several files were read as one
    };
    struct RowItem {
        int increment = 0;
        int mode = 0;
        int fileItem = 0;  ///< index into Files()
        int indexInFile = 0;
        bool checked = false;
    };

    void AddFrequency(std::string_view name) override;
    void ExpectRows(std::size_t rows) override { m_rows.reserve(m_rows.size() + rows); }
    void AddRowItem(int fileNumber, std::string_view dateTime, int increment, std::string_view incrementName,
                    int mode, std::string_view modeName) override;
    void ClearTree();

    const std::vector<FileItem>& Files() const { return m_files; }
    std::size_t RowItemCount() const { return m_rows.size(); }
    /// `rowId` from 1 to RowItemCount().
    const RowItem& Row(int rowId) const { return m_rows[static_cast<std::size_t>(rowId - 1)]; }
    int NextRowId() const { return static_cast<int>(m_rows.size()) + 1; }

    /// "File:%2d (%s)"
    std::string FileText(int fileItem) const;
    /// "%s=%2d %s=%d"
    std::string RowText(int rowId) const;
    void SetFileSource(int fileItem, std::string source)
    {
        m_files[static_cast<std::size_t>(fileItem)].source = std::move(source);
    }

    /// A mouse click on a file item's check box: its rows take the new state.
    void ClickFileCheckBox(int fileItem);
    /// A mouse click on a row item's check box: the file item follows (checked
    /// when all its rows are, unchecked when any is not).
    void ClickRowCheckBox(int rowId);
    /// A check box toggled without propagation (keyboard, or set directly).
    void SetFileChecked(int fileItem, bool checked)
    {
        m_files[static_cast<std::size_t>(fileItem)].checked = checked;
    }
    void SetRowChecked(int rowId, bool checked)
    {
        m_rows[static_cast<std::size_t>(rowId - 1)].checked = checked;
    }

    /// Checked row ids in file item order, then load order within a file.
    std::vector<int> CheckedRowIds() const;

    const std::vector<std::string>& Frequencies() const { return m_frequencies; }
    int CurrentFrequency() const { return m_nCurrentFrequency; }
    void SetCurrentFrequency(int index) { m_nCurrentFrequency = index; }

private:
    int FindFileItem(int fileNumber);

    std::vector<FileItem> m_files;
    std::vector<RowItem> m_rows;
    std::string m_incrementName;
    std::string m_modeName;
    std::vector<std::string> m_frequencies;
    int m_nCurrentFrequency = -1;
    // Last file item looked up: rows of one file mostly come together.
    int m_lastFileItem = -1;
    std::vector<std::pair<int, int>> m_index;  // (file number, last file item with it), sorted
};

}  // namespace vantrel
