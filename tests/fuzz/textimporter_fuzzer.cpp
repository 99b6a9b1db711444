// libFuzzer target: any bytes as a text file outside the standard layout,
// imported with the mapping guessed from it. Nothing may crash or hang, and an
// import saved as a data file reads back into the same Origin table.
#include "datafile/datafilereader.h"
#include "datafile/originwriter.h"
#include "import/textimporter.h"
#include "import/textlayout.h"
#include "survey.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const ByteForm form = data[0] & 1 ? ByteForm::Gb18030 : ByteForm::SingleOrUtf8;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    Survey imported;
    const ImportResult result =
        TextImporter::Import(bytes, GuessMapping(TextLayout(bytes)), form, imported, "fuzz.csv");
    if (!result.ok)
        return 0;
    std::ostringstream saved;
    OriginWriter::Write(saved, imported.m_frame.HeaderColumns(), imported.m_tables, 1);
    Survey back;
    DataFileReader reader(back.m_frame, back.m_tables, back.m_tree);
    reader.SetTextProbe([form](std::string_view) { return form; });
    reader.ReadBuffer(saved.str());
    const DataTable& a = imported.m_tables.Origin();
    const DataTable& b = back.m_tables.Origin();
    if (back.m_frame.HeaderColumns() != imported.m_frame.HeaderColumns() || a.RowCount() != b.RowCount() ||
        a.ColumnCount() != b.ColumnCount())
        std::abort();
    for (std::size_t r = 0; r < a.RowCount(); ++r)
        for (std::size_t c = 0; c < a.ColumnCount(); ++c)
            if (a.Cell(r, c) != b.Cell(r, c))
                std::abort();
    return 0;
}
