#pragma once

#include "graphs/buildgraph.h"

#include <QSize>
#include <QString>

#include <functional>

class QCPPainter;

namespace vantrel {

struct ColourMapOptions;

/// The picture types by file name: png, jpg/jpeg, bmp (pixels), pdf, svg
/// (vectors); empty for any other name.
QString pictureFormatOf(const QString& path);

/// `path` with the extension of picture type `format` ("png", "jpg", "bmp",
/// "pdf", "svg") appended, unless it already ends in one of that type's.
QString picturePathFor(const QString& path, const QString& format);

/// Writes a picture of `size` painted by `paint` (from the origin, in
/// pixels) to `path`, choosing the type by its extension. The file appears
/// whole or not at all: it is written beside its place and then renamed.
/// The error text, empty when written.
QString writePicture(const QString& path, const QSize& size, const std::function<void(QCPPainter*)>& paint,
                     const QString& title = {});

/// A graph drawn offscreen by the pane its chart kind makes, as a window
/// would show it, into a picture of `size`: 1200 x 800 when empty for one
/// chart (with its default options), the circular grid at its own size or
/// fitted into `size`. A section is drawn with `options` (gridding and
/// contours included) when given. The error text, empty when written.
QString writeGraphPicture(const Graph& graph, const QString& path, QSize size,
                          const ColourMapOptions* options = nullptr);

}  // namespace vantrel
