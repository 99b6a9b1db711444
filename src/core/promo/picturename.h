#pragma once

#include <string>
#include <string_view>

namespace vantrel {

/// Whether a picture name from the banner list may be used as a file name in
/// the picture folder. A usable name is a plain file name: not empty, at most
/// 255 bytes of valid UTF-8, no "/" or "\", no leading ".", no control
/// characters, and with a "." after its first character (its base name, the
/// part before the first ".", is the key of its link and of its bitmap copy).
/// Returns an empty string for a usable name, otherwise why it is refused.
std::string CheckPictureName(std::string_view name);

/// The name up to, not including, its first "." (the whole name without one).
std::string_view PictureBaseName(std::string_view name);

}  // namespace vantrel
