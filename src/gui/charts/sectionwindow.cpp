#include "charts/sectionwindow.h"

#include "charts/cchildframe.h"
#include "charts/cvantrelview.h"
#include "charts/sectionchart.h"
#include "common/prompter.h"
#include "common/surveynotifier.h"
#include "geo/sectionexport.h"
#include "survey.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

namespace vantrel {

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("vantrel::SectionChart", text);
}

// The grid formats' names as the save dialog lists them, in GridFormats() order.
const char* const kGridFormatNames[] = {
    QT_TRANSLATE_NOOP("vantrel::SectionChart", "Surfer 6 text grid"),
    QT_TRANSLATE_NOOP("vantrel::SectionChart", "Surfer 6 binary grid"),
    QT_TRANSLATE_NOOP("vantrel::SectionChart", "Surfer 7 binary grid"),
    QT_TRANSLATE_NOOP("vantrel::SectionChart", "GeoTIFF, float32"),
    QT_TRANSLATE_NOOP("vantrel::SectionChart", "ESRI ASCII grid"),
    QT_TRANSLATE_NOOP("vantrel::SectionChart", "XYZ table (position, depth, value)"),
};

}  // namespace

void offerSectionFiles(CVantrelView& view, CChildFrame& window, SurveyNotifier& notifier,
                       std::shared_ptr<GraphOptions> options)
{
    SectionChart* chart = qobject_cast<SectionChart*>(view.pane());
    if (!chart)
        return;
    // The range of every file is read from the table as it is when first
    // drawn; any later change of the table offers the files again.
    const auto depth = [&notifier] { return notifier.survey().m_tables.Depth(); };
    chart->setFiles(SectionFiles(notifier.survey().m_tables.Depth()), depth);
    QObject::connect(chart, &SectionChart::fileChosen, chart,
                     [chart, &notifier, options, view = QPointer<CVantrelView>(&view),
                      window = QPointer<CChildFrame>(&window)](int file) {
                         if (!view || !window)
                             return;
                         options->sectionFile = file;
                         const BuiltGraph built = BuildGraph(GraphKind::Section, notifier.survey(), *options);
                         if (!built.Ok()) {
                             view->showOutOfDate(QString::fromStdString(built.message));
                             return;
                         }
                         const auto& section = std::get<SectionGraph>(built.graph);
                         window->setDocumentTitle(QString::fromStdString(section.title));
                         chart->SetChartTitle(window->documentTitle());
                         // The table is as it was: its files and their range stand.
                         chart->setGraph(section);
                         view->markDrawn();
                     });
}

QString sectionGridFilters()
{
    QString filters;
    std::size_t i = 0;
    for (const geo::GridFormatInfo& format : geo::GridFormats()) {
        const QString extension = QString::fromLatin1(format.extension);
        filters += QStringLiteral("%1 (*%2)|*%2|").arg(translated(kGridFormatNames[i++]), extension);
    }
    return filters + QLatin1Char('|');
}

QString exportSectionGrid(SectionChart& chart, Prompter& prompter)
{
    chart.settle();
    const std::shared_ptr<const geo::SectionGrid> grid = chart.grid();
    if (!grid || grid->Empty()) {
        prompter.message(QCoreApplication::translate(
            "vantrel::SectionChart", "The section holds no readings: there is no grid to export."));
        return {};
    }
    const FileChoice choice = prompter.saveFile(sectionGridFilters());
    if (!choice.accepted || choice.path.isEmpty())
        return {};
    const auto& formats = geo::GridFormats();
    const geo::GridFormatInfo* chosen =
        choice.filterIndex >= 0 && static_cast<std::size_t>(choice.filterIndex) < formats.size()
        ? &formats[static_cast<std::size_t>(choice.filterIndex)]
        : nullptr;
    QString path = choice.path;
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.isEmpty() && chosen)
        path += QString::fromLatin1(chosen->extension);
    // The type chosen counts where its extension is the file's; any other
    // extension names its own format, as on the command line.
    const geo::GridFormatInfo* byName = geo::GridFormatForPath(path.toStdString());
    const geo::GridFormatInfo* format = chosen && byName &&
            QString::fromLatin1(chosen->extension)
                    .compare(QLatin1Char('.') + QFileInfo(path).suffix(), Qt::CaseInsensitive) == 0
        ? chosen
        : nullptr;
    const geo::ExportResult written = geo::ExportSectionGrid(*grid, path.toStdString(), format);
    if (!written.ok) {
        prompter.message(QString::fromStdString(written.message));
        return {};
    }
    return QCoreApplication::translate("vantrel::SectionChart", "The section grid is written to %1")
        .arg(path);
}

}  // namespace vantrel
