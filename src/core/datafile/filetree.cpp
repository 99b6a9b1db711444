#include "filetree.h"

#include "numbers.h"

#include <algorithm>

namespace vantrel {

void FileTree::AddFrequency(std::string_view name)
{
    m_frequencies.emplace_back(name);
    m_nCurrentFrequency = 0;
}

int FileTree::FindFileItem(int fileNumber)
{
    if (m_lastFileItem >= 0 && m_files[static_cast<std::size_t>(m_lastFileItem)].fileNumber == fileNumber)
        return m_lastFileItem;
    auto it = std::lower_bound(m_index.begin(), m_index.end(), std::make_pair(fileNumber, INT32_MIN));
    if (it != m_index.end() && it->first == fileNumber)
        return it->second;
    return -1;
}

void FileTree::AddRowItem(int fileNumber, std::string_view dateTime, int increment,
                          std::string_view incrementName, int mode, std::string_view modeName)
{
    if (m_incrementName != incrementName)
        m_incrementName = incrementName;
    if (m_modeName != modeName)
        m_modeName = modeName;
    int item = FindFileItem(fileNumber);
    if (item < 0) {
        item = static_cast<int>(m_files.size());
        m_files.push_back(FileItem{fileNumber, std::string(dateTime), {}, false, {}});
        auto it = std::lower_bound(m_index.begin(), m_index.end(), std::make_pair(fileNumber, INT32_MIN));
        m_index.insert(it, {fileNumber, item});
    }
    m_lastFileItem = item;
    auto& file = m_files[static_cast<std::size_t>(item)];
    RowItem row;
    row.increment = increment;
    row.mode = mode;
    row.fileItem = item;
    row.indexInFile = static_cast<int>(file.rowIds.size());
    m_rows.push_back(row);
    file.rowIds.push_back(static_cast<int>(m_rows.size()));
}

void FileTree::ClearTree()
{
    std::vector<FileItem>().swap(m_files);
    std::vector<RowItem>().swap(m_rows);
    m_index.clear();
    m_lastFileItem = -1;
    m_frequencies.clear();
    m_nCurrentFrequency = -1;
}

std::string FileTree::FileText(int fileItem) const
{
    const auto& file = m_files[static_cast<std::size_t>(fileItem)];
    return "File:" + FormatInt2(file.fileNumber) + " (" + file.dateTime + ")";
}

std::string FileTree::RowText(int rowId) const
{
    const auto& row = Row(rowId);
    return m_incrementName + "=" + FormatInt2(row.increment) + " " + m_modeName + "=" + FormatInt(row.mode);
}

void FileTree::ClickFileCheckBox(int fileItem)
{
    auto& file = m_files[static_cast<std::size_t>(fileItem)];
    const bool newState = !file.checked;
    for (int id : file.rowIds)
        m_rows[static_cast<std::size_t>(id - 1)].checked = newState;
    file.checked = newState;
}

void FileTree::ClickRowCheckBox(int rowId)
{
    auto& row = m_rows[static_cast<std::size_t>(rowId - 1)];
    const bool newState = !row.checked;
    auto& file = m_files[static_cast<std::size_t>(row.fileItem)];
    if (newState) {
        const bool allOthers = std::all_of(file.rowIds.begin(), file.rowIds.end(), [&](int id) {
            return id == rowId || m_rows[static_cast<std::size_t>(id - 1)].checked;
        });
        if (allOthers)
            file.checked = true;
    } else {
        file.checked = false;
    }
    row.checked = newState;
}

std::vector<int> FileTree::CheckedRowIds() const
{
    std::vector<int> ids;
    for (const auto& file : m_files)
        for (int id : file.rowIds)
            if (id != 0 && m_rows[static_cast<std::size_t>(id - 1)].checked)
                ids.push_back(id);
    return ids;
}

}  // namespace vantrel
