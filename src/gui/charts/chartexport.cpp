#include "charts/chartexport.h"

#include "common/prompter.h"
#include "charts/chartcontrol.h"
#include "charts/chartpicture.h"

#include <QCoreApplication>

namespace vantrel {

bool exportChartPicture(ChartControl& chart, Prompter& prompter)
{
    const QSize onScreen = chart.width() > 1 && chart.height() > 1 ? chart.size() : QSize(1200, 800);
    const PictureChoice choice = prompter.exportPicture(onScreen);
    if (!choice.accepted || choice.path.isEmpty())
        return false;
    const QString format = choice.format.isEmpty() ? pictureFormatOf(choice.path) : choice.format;
    const QString path = picturePathFor(choice.path, format.isEmpty() ? QStringLiteral("png") : format);
    const QSize size = choice.size.isValid() && !choice.size.isEmpty() ? choice.size : onScreen;
    const QString error = chart.exportPicture(path, size);
    if (!error.isEmpty()) {
        prompter.message(QCoreApplication::translate("ExportChartPicture", "The picture was not saved.") +
                         QLatin1Char('\n') + error);
        return false;
    }
    return true;
}

}  // namespace vantrel
