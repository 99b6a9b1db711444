#include "datapanesinstaller.h"

#include "app/cmainframe.h"
#include "app/cvantrelapp.h"
#include "app/stringtable.h"
#include "cfileview.h"
#include "cmystatic.h"
#include "coutputwnd.h"
#include "datacommands.h"

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

    const PaneStrings::Language language = frame.strings().language() == StringTable::Language::Chinese
                                               ? PaneStrings::Language::Chinese
                                               : PaneStrings::Language::English;
    Survey& survey = frame.survey();
    DataPanes panes;
    panes.fileView = new CFileView(survey.m_tree, language, &frame);
    panes.output = new COutputWnd(survey.m_tables, language, &frame);
    // The old docks stay alive (deleted later) under the names the saved
    // layout knows; unnamed and out of the layout, they leave their places to
    // the panes, which take over their names.
    const QByteArray layout = frame.saveState();
    const QPointer<QDockWidget> oldFileView = frame.fileViewDock();
    const QPointer<QDockWidget> oldOutput = frame.outputDock();
    frame.setFileViewPane(panes.fileView);
    frame.setOutputPane(panes.output);
    for (QDockWidget* old : {oldFileView.data(), oldOutput.data()}) {
        if (!old || old == panes.fileView || old == panes.output)
            continue;
        old->setObjectName(QString());
        frame.removeDockWidget(old);
        old->hide();
    }
    frame.restoreState(layout);

    panes.commands = new DataCommands(survey, frame.prompter(), *panes.fileView, *panes.output, &frame);
    panes.commands->setStatusBar(frame.statusBar());

    if (CVantrelApp* app = CVantrelApp::instance())
        panes.fileView->pictureControl()->setUrlOpener([app](const QUrl& url) { return app->openExternal(url); });

    QObject::connect(&frame, &CMainFrame::systemSettingsChanged, panes.fileView, &CFileView::refreshFonts);

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

    // The panes look at the frame's survey, which the frame destroys before
    // its children: they go when the frame's destruction starts (its router
    // goes first), while the survey is still there.
    QObject::connect(router, &QObject::destroyed, &frame,
                     [commands = QPointer<DataCommands>(commands), fileView = QPointer<CFileView>(panes.fileView),
                      output = QPointer<COutputWnd>(panes.output)] {
                         delete commands.data();
                         delete fileView.data();
                         delete output.data();
                     });
    return panes;
}

}  // namespace vantrel
