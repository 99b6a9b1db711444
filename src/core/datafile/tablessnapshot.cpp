#include "tablessnapshot.h"

namespace vantrel {

bool TablesSnapshot::SameAs(const TablesSnapshot& other) const
{
    for (std::size_t i = 0; i < m_tables.size(); ++i)
        if (m_tables[i] != other.m_tables[i] && !m_tables[i]->SameCells(*other.m_tables[i]))
            return false;
    return m_marks == other.m_marks && m_nProcFreqColumns == other.m_nProcFreqColumns &&
        m_nFieldGroups == other.m_nFieldGroups && m_nFreqColumns == other.m_nFreqColumns &&
        m_nActiveTab == other.m_nActiveTab;
}

std::size_t TablesSnapshot::OwnFootprint() const
{
    // A node of std::map: three links and a colour besides the pair.
    constexpr std::size_t kMapNode = sizeof(std::map<int, int>::value_type) + 4 * sizeof(void*);
    return sizeof(TablesSnapshot) + m_marks.size() * kMapNode;
}

}  // namespace vantrel
