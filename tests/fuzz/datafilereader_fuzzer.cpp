// libFuzzer target: any bytes through the data file reader, then the
// processing steps and both writers on whatever was loaded. Nothing may crash,
// hang or read out of bounds, and a saved file must read back the same.
#include "datafile/datafilereader.h"
#include "datafile/originwriter.h"
#include "processing/badpoints.h"
#include "processing/dataselection.h"
#include "processing/depthcalculation.h"
#include "processing/fieldsource.h"
#include "survey.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Survey s;
    DataFileReader reader(s.m_frame, s.m_tables, s.m_tree);
    reader.ReadBuffer(bytes);

    std::ostringstream saved;
    OriginWriter::Write(saved, s.m_frame.HeaderColumns(), s.m_tables, 2);

    for (std::size_t f = 0; f < s.m_tree.Files().size(); ++f)
        s.m_tree.ClickFileCheckBox(static_cast<int>(f));
    SelectData(s.m_tree, s.m_tables, s.m_frame);
    SearchBadPoints(s.m_tables);
    CorrectBadPoints(s.m_tables);
    ProcessFieldSource(s.m_tables);
    CalculateDepth(s.m_tables);
    std::ostringstream depth;
    s.m_tables.WriteDepthRows(depth, 1);

    // What was saved reads back into the same header (rows may differ only
    // where the reader stopped).
    if (!s.m_frame.HeaderColumns().empty()) {
        Survey back;
        DataFileReader again(back.m_frame, back.m_tables, back.m_tree);
        again.ReadBuffer(saved.str());
        if (back.m_frame.HeaderColumns() != s.m_frame.HeaderColumns() &&
            s.m_frame.HeaderColumns().front().find("INCREMENT") != 0)
            std::abort();
    }
    return 0;
}
