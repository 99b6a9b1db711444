#pragma once

#include <QSize>
#include <QString>

#include <functional>

class QCPPainter;

namespace vantrel {

struct CircularGraph;
struct ColourMapOptions;
struct ProfileGraph;
struct SectionGraph;

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

/// A profile graph drawn by the profile chart into a picture of `size`
/// (1200 x 800 when empty).
QString writeProfilePicture(const ProfileGraph& graph, const QString& path, QSize size);
/// A pseudo-section drawn by the section chart with `options` (the chart's
/// defaults when null), grid and contours included, into a picture of
/// `size` (1200 x 800 when empty).
QString writeSectionPicture(const SectionGraph& graph, const QString& path, QSize size,
                            const ColourMapOptions* options = nullptr);
/// A circular graph's whole grid of charts, at its own size or fitted into `size`.
QString writeCircularPicture(const CircularGraph& graph, const QString& path, QSize size);

}  // namespace vantrel
