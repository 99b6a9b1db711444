#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace vantrel {

/// The bytes of a cell, a title or a message as text: UTF-8 when they are
/// valid UTF-8, otherwise one character per byte (Latin-1).
QString cellText(std::string_view bytes);

/// The longest text a view shows of one cell, title or tree item. Laying out
/// a text of megabytes takes seconds, so longer texts are cut.
constexpr int kShownTextLength = 256;

/// cellText() of at most the first kShownTextLength characters, with "…" at
/// the end when the text was cut. Only the shown part is decoded, so this is
/// cheap however long the cell is.
QString shownText(std::string_view bytes);

/// A path as the file functions of the core take it (the local 8-bit
/// encoding of file names), and back.
std::string localPath(const QString& path);
QString fromLocalPath(std::string_view path);

}  // namespace vantrel
