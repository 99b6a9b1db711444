#pragma once

#include "import/importmapping.h"

#include <string>
#include <string_view>

namespace vantrel {

/// An import mapping as a small JSON document:
///
///     {"separator": ";", "decimal": ",", "headerLine": 1, "skipLines": 0,
///      "columns": [{"role": "file"}, {"role": "increment"},
///                  {"role": "frequency", "hz": 1000}, {"role": "other"}]}
///
/// "separator" is "auto" when detected; the roles are "file", "increment",
/// "frequency" (with "hz"), "other" and "ignore".
std::string MappingToJson(const ImportMapping& mapping);

struct MappingFromJsonResult {
    bool ok = false;
    ImportMapping mapping;
    std::string message;  ///< what is wrong with the document
};
MappingFromJsonResult MappingFromJson(std::string_view json);

}  // namespace vantrel
