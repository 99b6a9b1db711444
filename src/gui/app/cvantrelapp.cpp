#include "app/cvantrelapp.h"

#include "charts/chartkinds.h"
#include "charts/graphdrawing.h"
#include "app/caboutdlg.h"
#include "charts/cchildframe.h"
#include "app/cmainframe.h"
#include "commands/datacommands.h"
#include "commands/projectcommands.h"
#include "commands/projectrecovery.h"
#include "common/commandids.h"
#include "app/dialogprompter.h"
#include "graphs/buildgraph.h"
#include "messages.h"
#include "version.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QSettings>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

static void initVantrelResources()
{
    // The icons live in the static gui library: pull them in explicitly.
    Q_INIT_RESOURCE(vantrel);
}

namespace vantrel {

using Level = CommandRouter::Level;

CVantrelApp::CVantrelApp(int& argc, char** argv) : QApplication(argc, argv)
{
    initVantrelResources();
    m_translations.use(Translations::forSystem());
    setApplicationName(QString::fromUtf8(msg::kApplicationName));
    setOrganizationName(QString::fromUtf8(kOrganisation));
    setApplicationVersion(QString::fromLatin1(kVersion));
    setDesktopFileName(QStringLiteral("vantrel"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/vantrel.svg")));
    setProperty("applicationId", QString::fromLatin1(kAppId));
    m_exit = [](int status) {
        std::fflush(nullptr);
        std::_Exit(status);
    };
    m_openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

CVantrelApp::~CVantrelApp()
{
    ExitInstance();
}

CVantrelApp* CVantrelApp::instance()
{
    return qobject_cast<CVantrelApp*>(QCoreApplication::instance());
}

Prompter& CVantrelApp::prompter()
{
    if (m_prompterOverride)
        return *m_prompterOverride;
    if (!m_dialogPrompter)
        m_dialogPrompter = std::make_unique<DialogPrompter>();
    if (auto* dialogs = dynamic_cast<DialogPrompter*>(m_dialogPrompter.get()))
        dialogs->setParent(m_mainFrame);
    return *m_dialogPrompter;
}

bool CVantrelApp::InitInstance(bool show)
{
    if (m_mainFrame)
        return true;
    m_mainFrame = new CMainFrame(*this);
    m_mainFrame->setGraphDrawer(installCharts(*m_mainFrame->mdiArea(), *m_mainFrame->router(), prompter(),
                                              m_mainFrame->notifier(),
                                              [frame = m_mainFrame](const QString& text, int timeout) {
                                                  if (frame)
                                                      frame->showStatusInfo(text, timeout);
                                              }));
    registerCommands();
    if (show)
        m_mainFrame->show();
    return true;
}

int CVantrelApp::ExitInstance()
{
    delete m_mainFrame.data();
    return 0;
}

void CVantrelApp::registerCommands()
{
    using namespace cmd;
    CommandRouter* r = m_mainFrame->router();
    r->addHandler(Level::Application, ID_FILE_NEW, [this] { OnFileNew(); });
    for (const ChartKind& kind : chartKinds())
        r->addHandler(Level::Application, kind.commandId, [this, id = kind.commandId] { OnGraph(id); });
    r->addHandler(Level::Application, ID_APP_ABOUT, [this] { OnAppAbout(); });
    r->addHandler(Level::Application, ID_HELP_DOC, [this] { OnHelp(); });
    r->addHandler(Level::Application, ID_ABOUT_COMPANY, [this] { OnAboutCompany(); });
    r->addHandler(Level::Application, ID_APP_EXIT, [this] { OnAppExit(); });
    for (int i = 0; i < CMainFrame::kRecentFileCount; ++i)
        r->addHandler(
            Level::Application, ID_FILE_MRU_FILE1 + i, [this, i] { OnOpenRecentFile(i); },
            [this, i] { return m_mainFrame && i < m_mainFrame->recentFiles().size(); });
}

void CVantrelApp::openFiles(const QStringList& paths)
{
    if (!m_mainFrame)
        return;
    QStringList surveys;
    for (const QString& path : paths) {
        if (isProject(path))
            m_mainFrame->projectCommands()->openProject(path);
        else
            surveys << path;
    }
    if (surveys.isEmpty())
        return;
    // Several survey files open as one survey, as File > Open does with several chosen.
    m_mainFrame->dataCommands()->openPaths(surveys);
}

bool CVantrelApp::isProject(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String(kProjectSuffix), Qt::CaseInsensitive) == 0;
}

void CVantrelApp::offerRecoveryLater()
{
    QTimer::singleShot(0, this, [this] {
        if (m_mainFrame)
            m_mainFrame->recovery()->offer();
    });
}

void CVantrelApp::openLater(const QStringList& paths)
{
    if (!paths.isEmpty())
        QTimer::singleShot(0, this, [this, paths] { openFiles(paths); });
}

void CVantrelApp::OnFileNew()
{
    // A new document of the chart kind: an empty chart window under the first
    // name no open window has.
    QStringList taken;
    for (const CChildFrame* w : m_mainFrame->chartWindows())
        taken << w->documentTitle();
    int n = 1;
    while (taken.contains(tr("Chart%1").arg(n)))
        ++n;
    m_mainFrame->newChartWindow(tr("Chart%1").arg(n));
}

void CVantrelApp::OnGraph(int id)
{
    const ChartKind* kind = chartKindOfCommand(id);
    if (!kind)
        return;
    // The plane profile keeps the frequency entry it was drawn for.
    GraphOptions options;
    options.frequencyEntry = m_mainFrame->survey().m_tree.CurrentFrequency();
    m_mainFrame->openChart(kind->kind, options);
}

void CVantrelApp::OnAppAbout()
{
    CAboutDlg dialog(m_mainFrame);
    m_mainFrame->runDialog(dialog);
}

bool CVantrelApp::openExternal(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    const bool web =
        (scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !url.host().isEmpty();
    if (!web && !url.isLocalFile())
        return false;
    return m_openUrl ? m_openUrl(url) : false;
}

QUrl CVantrelApp::makerAddress() const
{
    const QString address =
        QSettings()
            .value(QLatin1String(kMakerAddressKey), QString::fromLatin1(kDefaultMakerAddress))
            .toString()
            .trimmed();
    QUrl url(address, QUrl::StrictMode);
    if (url.scheme().isEmpty() || !url.isValid() || url.host().isEmpty())
        url = QUrl(QStringLiteral("http://") + address, QUrl::StrictMode);
    return url;
}

void CVantrelApp::OnHelp()
{
    openExternal(QUrl::fromLocalFile(QDir::current().absoluteFilePath(QString::fromLatin1(kHelpFile))));
}

void CVantrelApp::OnAboutCompany()
{
    openExternal(makerAddress());
}

void CVantrelApp::OnAppExit()
{
    if (prompter().question(tr("Please save the data!")))
        return;
    m_mainFrame->recovery()->remove();
    m_exit(0);
}

void CVantrelApp::OnOpenRecentFile(int index)
{
    const QStringList files = m_mainFrame->recentFiles();
    if (index < 0 || index >= files.size())
        return;
    const QString path = files[index];
    if (!QFileInfo(path).isFile()) {
        prompter().message(QDir::toNativeSeparators(path) + QString::fromUtf8(msg::kFileOpenFailed));
        m_mainFrame->removeRecentFile(path);
        return;
    }
    if (isProject(path)) {
        m_mainFrame->projectCommands()->openProject(path);
        return;
    }
    // A chart document holds no data: opening one gives an empty chart window
    // named after the file.
    m_mainFrame->addRecentFile(path);
    m_mainFrame->newChartWindow(QFileInfo(path).fileName());
}

}  // namespace vantrel
