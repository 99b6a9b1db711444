#include "chartexport.h"

#include "app/cmainframe.h"
#include "app/cvantrelapp.h"
#include "common/prompter.h"
#include "chartcontrol.h"
#include "chartpicture.h"

#include <QCoreApplication>

namespace vantrel {

bool ExportChartPicture(ChartControl& chart, Prompter& prompter)
{
    const QSize onScreen = chart.width() > 1 && chart.height() > 1 ? chart.size() : QSize(1200, 800);
    const PictureChoice choice = prompter.exportPicture(onScreen);
    if (!choice.accepted || choice.path.isEmpty())
        return false;
    const QString format = choice.format.isEmpty() ? PictureFormatOf(choice.path) : choice.format;
    const QString path = PicturePathFor(choice.path, format.isEmpty() ? QStringLiteral("png") : format);
    const QSize size = choice.size.isValid() && !choice.size.isEmpty() ? choice.size : onScreen;
    const QString error = chart.exportPicture(path, size);
    if (!error.isEmpty()) {
        prompter.message(QCoreApplication::translate("ExportChartPicture", "The picture was not saved.") +
                         QLatin1Char('\n') + error);
        return false;
    }
    return true;
}

Prompter* ApplicationPrompter()
{
    CVantrelApp* app = CVantrelApp::instance();
    return app ? &app->prompter() : nullptr;
}

}  // namespace vantrel
