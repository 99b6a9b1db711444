#include "app/startupoptions.h"

#include "messages.h"
#include "version.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

namespace vantrel {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("vantrel::StartupOptions", text);
}

}  // namespace

QStringList StartupOptions::argumentsOf(int argc, char** argv)
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

StartupOptions StartupOptions::parse(const QStringList& arguments)
{
    StartupOptions options;
    bool onlyFiles = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (!onlyFiles && (a == QLatin1String("--help") || a == QLatin1String("-h")))
            return {Action::Help, {}, {}};
        if (!onlyFiles && (a == QLatin1String("--version") || a == QLatin1String("-v")))
            return {Action::Version, {}, {}};
        if (!onlyFiles && a == QLatin1String("--")) {
            onlyFiles = true;
        } else if (!onlyFiles && a.size() > 1 && a.startsWith(QLatin1Char('-'))) {
            if (options.error.isEmpty())
                options.error =
                    tr("vantrel: unknown option '%1'\nTry 'vantrel --help' for more information.\n").arg(a);
        } else {
            const QUrl url(a);
            const QString path = url.isLocalFile() ? url.toLocalFile() : a;
            options.files << QFileInfo(path).absoluteFilePath();
        }
    }
    if (!options.error.isEmpty())
        options.action = Action::Error;
    return options;
}

QString StartupOptions::helpText()
{
    return tr("Usage: vantrel [OPTION...] [FILE...]\n"
              "Opens multi-frequency survey files (.dat, .csv) in the desktop program.\n"
              "\n"
              "Each FILE is opened as File > Open opens it; a file that cannot be read\n"
              "says why in a message, and the program starts all the same.\n"
              "\n"
              "Options:\n"
              "  -h, --help       print this help and exit\n"
              "  -v, --version    print the version and exit\n"
              "  --               every later argument is a file, even one starting with -\n"
              "\n"
              "Qt's own options work as well, such as -platform offscreen, -style NAME\n"
              "and -display DISPLAY.\n"
              "\n"
              "Environment:\n"
              "  VANTREL_UI_LANGUAGE    zh or en: the language of the menus and texts\n"
              "                         (without it, the system's language)\n"
              "\n"
              "The batch command line on the same core is vantrel-cli (see vantrel-cli --help).\n");
}

QString StartupOptions::versionText()
{
    return QStringLiteral("vantrel %1\n%2\n")
        .arg(QLatin1String(kVersion), QString::fromUtf8(msg::kApplicationName));
}

}  // namespace vantrel
