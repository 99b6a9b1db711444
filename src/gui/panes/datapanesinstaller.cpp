#include "datapanesinstaller.h"

#include "app/cmainframe.h"
#include "app/cvantrelapp.h"
#include "cfileview.h"
#include "cmystatic.h"
#include "coutputwnd.h"
#include "datacommands.h"
#include "promo/bannerticker.h"

#include <QDockWidget>
#include <QPointer>
#include <QStatusBar>

namespace vantrel {

DataPanes InstalledDataPanes(const CMainFrame& frame)
{
    DataPanes panes;
    panes.commands = frame.findChild<DataCommands*>(QString(), Qt::FindDirectChildrenOnly);
    panes.fileView = qobject_cast<CFileView*>(frame.fileViewDock());
    panes.output = qobject_cast<COutputWnd*>(frame.outputDock());
    if (!panes.commands)
        return {};
    return panes;
}

DataPanes InstallDataPanes(CMainFrame& frame)
{
    if (DataPanes existing = InstalledDataPanes(frame); existing.commands)
        return existing;

    Survey& survey = frame.survey();
    DataPanes panes;
    panes.fileView = new CFileView(survey.m_tree, &frame);
    panes.output = new COutputWnd(survey.m_tables, &frame);
    frame.setFileViewPane(panes.fileView);
    frame.setOutputPane(panes.output);

    panes.commands = new DataCommands(survey, frame.prompter(), *panes.fileView, *panes.output, &frame);
    panes.commands->setStatusBar(frame.statusBar());

    if (CVantrelApp* app = CVantrelApp::instance())
        panes.fileView->pictureControl()->setUrlOpener([app](const QUrl& url) { return app->openExternal(url); });

    QObject::connect(&frame, &CMainFrame::systemSettingsChanged, panes.fileView, &CFileView::refreshFonts);
    BannerTicker::attach(frame, *panes.fileView);

    CommandRouter* router = frame.router();
    DataCommands* commands = panes.commands;
    for (const DataCommands::Command& c : DataCommands::commands()) {
        if (c.scope != DataCommands::Scope::MainFrame)
            continue;
        const auto run = c.run;
        router->addHandler(CommandRouter::Level::MainFrame, c.id, [commands, run] { (commands->*run)(); });
    }
    QObject::connect(commands, &DataCommands::surveyChanged, router, &CommandRouter::updateActions);
    router->updateActions();

    return panes;
}

}  // namespace vantrel
