// libFuzzer target: any bytes as a project or recipe file. Nothing may crash
// or hang, a file that reads has a message only when it does not, and what
// reads is written back into a text that reads as the same recipe.
#include "recipefile.h"

#include <cstdint>
#include <cstdlib>

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const RecipeReadResult read = RecipeFile::ReadText(text, "fuzz.vantrel");
    if (read.ok != read.message.empty())
        std::abort();
    if (!read.ok)
        return 0;
    const std::string written = RecipeFile::Text(read.recipe);
    const RecipeReadResult back = RecipeFile::ReadText(written, "fuzz.vantrel");
    if (!back.ok || RecipeFile::Text(back.recipe) != written)
        std::abort();
    return 0;
}
