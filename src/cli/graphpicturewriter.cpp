#include "graphpicturewriter.h"

#include "charts/chartcontrol.h"
#include "charts/chartpicture.h"

#include <QApplication>

#include <clocale>
#include <cstdio>
#include <memory>

namespace vantrel {

namespace {

std::unique_ptr<QApplication>& Application()
{
    static std::unique_ptr<QApplication> app;
    return app;
}

void EnsureApplication()
{
    std::unique_ptr<QApplication>& app = Application();
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vantrel-cli";
    static char* argv[] = {name, nullptr};
    // The command line reports its own errors; Qt's start-up notes (a missing
    // runtime folder and the like) would only clutter standard error.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    app = std::make_unique<QApplication>(argc, argv);
    // Qt takes the user's locale; numbers of the other steps stay in C.
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace

void EndGraphPictures()
{
    Application().reset();
}

std::string WriteGraphPicture(const Graph& graph, const PictureFile& file)
{
    EnsureApplication();
    const QString path = QString::fromStdString(file.path);
    const QSize size = file.width > 0 && file.height > 0 ? QSize(file.width, file.height) : QSize();
    ColourMapOptions section;
    section.gridMethod = file.gridMethod;
    section.contours = file.contours;
    return writeGraphPicture(graph, path, size, &section).toStdString();
}

}  // namespace vantrel
