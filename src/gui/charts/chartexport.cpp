#include "chartexport.h"

#include "app/cmainframe.h"
#include "app/cvantrelapp.h"
#include "common/prompter.h"
#include "chartcontrol.h"

#include <QFileInfo>

namespace vantrel {

namespace {
const char* const kSuffixes[] = {"png", "jpg", "bmp", "pdf", "svg"};
}

QString ChartPictureFilters()
{
    return QStringLiteral("PNG picture(*.png)|*.png|JPEG picture(*.jpg)|*.jpg;*.jpeg|Bitmap(*.bmp)|*.bmp|"
                          "PDF document(*.pdf)|*.pdf|SVG drawing(*.svg)|*.svg||");
}

bool ExportChartPicture(ChartControl& chart, Prompter& prompter)
{
    const FileChoice choice = prompter.saveFile(ChartPictureFilters());
    if (!choice.accepted || choice.path.isEmpty())
        return false;
    QString path = choice.path;
    if (QFileInfo(path).suffix().isEmpty()) {
        const int i = choice.filterIndex >= 0 && choice.filterIndex < 5 ? choice.filterIndex : 0;
        path += QLatin1Char('.') + QLatin1String(kSuffixes[i]);
    }
    const QSize size = chart.width() > 1 && chart.height() > 1 ? chart.size() : QSize(1200, 800);
    const QString error = chart.exportPicture(path, size);
    if (!error.isEmpty()) {
        prompter.message(error);
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
