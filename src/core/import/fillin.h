#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace vantrel {

/// `text` with "%1", "%2", ... replaced by the given words, in one pass (a
/// word holding "%2" stays as it is).
std::string FillIn(std::string_view text, std::initializer_list<std::string_view> words);

}  // namespace vantrel
