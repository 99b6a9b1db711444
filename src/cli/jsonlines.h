#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vantrel {

/// A JSON string literal for `bytes`. Valid UTF-8 passes through; every byte
/// of an invalid sequence is written as its own \u00XX escape, so the output
/// is always valid JSON and no byte is lost.
std::string JsonString(std::string_view bytes);

/// A JSON array of strings on one line, without the line end.
std::string JsonArray(std::span<const std::string_view> cells);

}  // namespace vantrel
