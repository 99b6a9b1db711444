#include "charts/chartpicture.h"

#include "charts/chartkinds.h"
#include "charts/chartcontrol.h"
#include "charts/chartpane.h"
#include "charts/customplot.h"
#include "common/savefilebytes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPdfWriter>
#include <QBuffer>
#include <QSvgGenerator>

#include <memory>

namespace vantrel {

QString pictureFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png") || suffix == QLatin1String("bmp") || suffix == QLatin1String("pdf") ||
        suffix == QLatin1String("svg"))
        return suffix;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return QStringLiteral("jpg");
    return {};
}

QString picturePathFor(const QString& path, const QString& format)
{
    if (path.isEmpty() || pictureFormatOf(path) == format)
        return path;
    return path + QLatin1Char('.') + format;
}

QString writePicture(const QString& path, const QSize& size, const std::function<void(QCPPainter*)>& paint,
                     const QString& title)
{
    const QString format = pictureFormatOf(path);
    if (format.isEmpty())
        return QCoreApplication::translate("ChartPicture",
                                           "Unknown picture type: %1 (use .png, .jpg, .bmp, .pdf or .svg)")
            .arg(path);
    if (size.width() < 1 || size.height() < 1)
        return QCoreApplication::translate("ChartPicture", "The picture size %1x%2 is empty")
            .arg(size.width())
            .arg(size.height());
    QByteArray bytes;
    QBuffer file(&bytes);
    file.open(QIODevice::WriteOnly);
    bool painted = false;
    if (format == QLatin1String("pdf")) {
        QPdfWriter pdf(&file);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Vantrel"));
        pdf.setResolution(72);
        // One point per pixel: the page is the picture.
        pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(size), QPageSize::Point), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0)));
        QCPPainter painter;
        if (painter.begin(&pdf)) {
            painter.scale(pdf.width() / double(size.width()), pdf.height() / double(size.height()));
            paint(&painter);
            painted = painter.end();
        }
    } else if (format == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(title);
        QCPPainter painter;
        if (painter.begin(&svg)) {
            paint(&painter);
            painted = painter.end();
        }
    } else {
        QImage image(size, QImage::Format_RGB32);
        if (!image.isNull()) {
            image.fill(Qt::white);
            QCPPainter painter;
            if (painter.begin(&image)) {
                paint(&painter);
                painter.end();
                painted = image.save(
                    &file, format == QLatin1String("jpg") ? "JPEG" : format.toUpper().toLatin1().constData());
            }
        }
    }
    if (!painted)
        return QCoreApplication::translate("ChartPicture", "Cannot draw the picture %1").arg(path);
    file.close();
    const QString failure = saveFileBytes(path, bytes);
    if (!failure.isEmpty())
        return QCoreApplication::translate("ChartPicture", "Cannot write %1: %2").arg(path, failure);
    return {};
}

QString writeGraphPicture(const Graph& graph, const QString& path, QSize size, const ColourMapOptions* options)
{
    const ChartKind* kind = chartKindOf(graph);
    if (!kind)
        return QCoreApplication::translate("ChartPicture", "Cannot draw the picture %1").arg(path);
    const std::unique_ptr<ChartPane> pane(kind->makePane());
    if (ChartControl* chart = options ? pane->printableChart() : nullptr)
        chart->setColourMapOptions(*options);
    pane->draw(graph);
    return pane->writePicture(path, size);
}

}  // namespace vantrel
