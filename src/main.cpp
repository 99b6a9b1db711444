#include "app/cmainframe.h"
#include "app/cvantrelapp.h"
#include "app/startupoptions.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    using vantrel::StartupOptions;
    using Action = StartupOptions::Action;
    // --help and --version are answered without a display (the manual pages
    // are made from them at build time).
    const StartupOptions early = StartupOptions::parse(StartupOptions::argumentsOf(argc, argv));
    if (early.action == Action::Help || early.action == Action::Version) {
        QCoreApplication core(argc, argv);
        vantrel::Translations translations;
        translations.use(vantrel::Translations::forSystem());
        const QString text =
            early.action == Action::Help ? StartupOptions::helpText() : StartupOptions::versionText();
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }

    vantrel::CVantrelApp app(argc, argv);
    // The application has taken out Qt's own options.
    const StartupOptions options = StartupOptions::parse(app.arguments());
    if (options.action == Action::Error) {
        std::fputs(options.error.toLocal8Bit().constData(), stderr);
        return 2;
    }
    if (!app.InitInstance())
        return 1;
    app.mainFrame()->setAttribute(Qt::WA_DeleteOnClose);
    app.offerRecoveryLater();
    app.openLater(options.files);
    return app.exec();
}
