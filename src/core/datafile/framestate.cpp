#include "framestate.h"

#include "filetree.h"
#include "outputtables.h"
#include "textcase.h"

namespace vantrel {

void FrameState::BeginFileOpen()
{
    m_bDashColumns = false;
    m_bDataSelected = false;
}

void FrameState::CloseData(FileTree& tree, OutputTables& tables)
{
    tree.ClearTree();
    tables.ClearAll();
    m_arrHeaderColumns.clear();
    m_sourceFiles.clear();
    m_encoding.clear();
}

void FrameState::SetDataPath(const std::string& chosen, int filter)
{
    m_strDataPath = ToUpperAscii(chosen);
    m_strDataFile = chosen;
    const char* ext = filter == DatFilter ? ".DAT" : filter == CsvFilter ? ".CSV" : nullptr;
    if (ext && !EndsWith(m_strDataPath, ext)) {
        m_strDataPath += ext;
        m_strDataFile += ext;
    }
}

}  // namespace vantrel
