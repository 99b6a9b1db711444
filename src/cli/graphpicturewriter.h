#pragma once

#include "clipipeline.h"

#include <string>

namespace vantrel {

/// Draws a graph into a picture file with the desktop's chart code, without
/// a display: the first call makes the Qt application this needs, on the
/// offscreen platform unless QT_QPA_PLATFORM names another. The error text,
/// empty when written.
std::string WriteGraphPicture(const Graph& graph, const PictureFile& file);

/// Ends the Qt application the pictures needed, if one was made; call
/// before the program returns.
void EndGraphPictures();

}  // namespace vantrel
