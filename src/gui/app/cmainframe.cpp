#include "app/cmainframe.h"

#include "promo/bannerticker.h"

#include "app/applook.h"
#include "charts/chartkinds.h"
#include "charts/cchildframe.h"
#include "charts/chartcontrol.h"
#include "charts/cvantrelview.h"
#include "commands/datacommands.h"
#include "commands/projectcommands.h"
#include "commands/projectrecovery.h"
#include "geo/sectiongrid.h"
#include "graphs/contourlevels.h"
#include "graphs/graphkind.h"
#include "panes/chistorypane.h"
#include "panes/cfileview.h"
#include "panes/cmystatic.h"
#include "panes/coutputwnd.h"
#include "app/cdialog_data_set.h"
#include "common/commandids.h"
#include "app/customizedialog.h"
#include "app/documenttabbutton.h"
#include "app/importtextcommand.h"
#include "app/cvantrelapp.h"
#include "instrument/instrumentcommand.h"
#include "app/lockkeys.h"
#include "app/mainactions.h"
#include "app/mainmenus.h"
#include "messages.h"
#include "processing/settingstext.h"
#include "common/prompter.h"
#include "app/toolbarset.h"
#include "app/windowsdialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace vantrel {

namespace {

using Level = CommandRouter::Level;

const QString kWorkspace = QStringLiteral("Workspace");
const QString kRecentGroup = QStringLiteral("Recent File List");
constexpr const char* kUserImagesFile = "./UserImages.bmp";
constexpr int kFileViewWidth = 250;
constexpr int kOutputHeight = 280;

QString icon(const char* name)
{
    return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name));
}

}  // namespace

CMainFrame::CMainFrame(CVantrelApp& app, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_router(new CommandRouter(this))
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowIcon(QIcon(icon("vantrel")));
    setAcceptDrops(true);
    {
        QSettings settings;
        m_look = AppLook::normalize(
            settings.value(QLatin1String(AppLook::kSettingsKey), AppLook::kDefault).toInt());
    }

    m_router->setChartWindowMaps([this](Level level) -> CommandMap* {
        CChildFrame* w = activeChartWindow();
        return w ? w->commands(level) : nullptr;
    });

    createDocumentArea();
    m_actions = new MainActions(*this, *m_router);
    m_menus = new MainMenus(*this, *m_actions, *m_router);
    connect(m_menus->fileMenu(), &QMenu::aboutToShow, this, &CMainFrame::fillRecentFiles);
    connect(m_menus->toolbarsMenu(), &QMenu::aboutToShow, this, &CMainFrame::fillToolbarsMenu);
    m_documentMenuButton = new DocumentTabButton(
        *m_mdi, [this] { return chartWindows(); }, action(cmd::ID_WINDOW_MANAGER), m_router);
    m_toolbars = new ToolbarSet(
        this, [this](int id) { return action(id); }, action(cmd::ID_VIEW_CUSTOMIZE), this);
    createStatusBar();
    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    createPanes();
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks |
                   QMainWindow::AllowNestedDocks);
    registerCommands();
    applyLookToFrame();
    restoreLayout();
    updateTitle();

    // Enabled states follow the survey, the active chart window and the menus
    // as they open; the lock keys have no signal, so their indicators poll.
    connect(&m_notifier, &SurveyNotifier::changed, m_router, &CommandRouter::updateActions);
    m_lockKeysTimer = new QTimer(this);
    m_lockKeysTimer->setInterval(400);
    connect(m_lockKeysTimer, &QTimer::timeout, this, &CMainFrame::updateLockIndicators);
    m_lockKeysTimer->start();
    // Timer 1: the picture panel's banner download and rotation.
    m_bannerTimer = new QTimer(this);
    m_bannerTimer->setInterval(kBannerTimerMs);
    connect(m_bannerTimer, &QTimer::timeout, this, &CMainFrame::bannerTimerTick);
    m_bannerTimer->start();
    m_router->updateActions();
}

CMainFrame::~CMainFrame()
{
    // Closes the instrument link's server and connection, even mid-wait.
    delete m_instrument;
    m_instrument = nullptr;
    m_bannerTimer->stop();
    m_lockKeysTimer->stop();
    disconnect(m_mdi, nullptr, this, nullptr);
    // Every chart window, listed or not: their records go with the frame's members.
    for (CChildFrame* w : m_mdi->findChildren<CChildFrame*>())
        disconnect(w, nullptr, this, nullptr);
    // The panes look at the survey, which goes before QWidget deletes the children.
    delete m_fileView;
    m_fileView = nullptr;
    delete m_outputPane;
    m_outputPane = nullptr;
    delete m_router;
    m_router = nullptr;
}

Prompter& CMainFrame::prompter()
{
    return m_app.prompter();
}

QAction* CMainFrame::action(int id) const
{
    return m_actions->action(id);
}

QList<int> CMainFrame::actionIds() const
{
    return m_actions->ids();
}

QMenu* CMainFrame::viewToolbarsMenu() const
{
    return m_menus->toolbarsMenu();
}

QMenu* CMainFrame::editContextMenu() const
{
    return m_menus->editMenu();
}

QToolButton* CMainFrame::documentMenuButton() const
{
    return m_documentMenuButton;
}

QToolBar* CMainFrame::standardToolBar() const
{
    return m_toolbars->standard();
}

int CMainFrame::runDialog(QDialog& dialog)
{
    return prompter().runDialog(dialog);
}

// --- Menus ----------------------------------------------------------------------

void CMainFrame::fillToolbarsMenu()
{
    m_menus->fillPaneMenu(m_menus->toolbarsMenu(), m_toolbars ? m_toolbars->all() : QList<QToolBar*>{},
                          {m_fileView, m_outputPane, m_historyPane});
}

QMenu* CMainFrame::createPopupMenu()
{
    auto* menu = new QMenu(this);
    m_menus->fillPaneMenu(menu, m_toolbars->all(), {m_fileView, m_outputPane, m_historyPane});
    return menu;
}

void CMainFrame::fillRecentFiles()
{
    m_menus->showRecentFiles(m_recentFiles);
}

// --- Status bar, docks, document area --------------------------------------------

void CMainFrame::createStatusBar()
{
    QStatusBar* bar = statusBar();
    const QString ready = tr("Ready");
    connect(bar, &QStatusBar::messageChanged, this, [bar, ready](const QString& text) {
        if (text.isEmpty())
            bar->showMessage(ready);
    });
    bar->showMessage(ready);
    // The text encoding the open file's bytes are shown in.
    m_encodingLabel = new QLabel(bar);
    m_encodingLabel->setObjectName(QStringLiteral("EncodingIndicator"));
    m_encodingLabel->setToolTip(
        tr("The text encoding of the open file (File > Reopen with Encoding... changes it)"));
    bar->addPermanentWidget(m_encodingLabel);
    const auto showEncoding = [this] {
        const bool open = m_notifier.survey().m_frame.HasOpenFile();
        m_encodingLabel->setText(open ? QString::fromStdString(m_notifier.shown().encoding()) : QString());
    };
    connect(&m_notifier, &SurveyNotifier::fileLoaded, m_encodingLabel, showEncoding);
    connect(&m_notifier, &SurveyNotifier::fileClosed, m_encodingLabel, showEncoding);
    auto indicator = [bar](const QString& text) {
        auto* label = new QLabel(text);
        label->setObjectName(QStringLiteral("LockIndicator"));
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 16);
        label->setEnabled(false);
        bar->addPermanentWidget(label);
        return label;
    };
    m_capsLabel = indicator(tr("CAP"));
    m_numLabel = indicator(tr("NUM"));
    m_scrollLabel = indicator(tr("SCRL"));
    updateLockIndicators();
}

void CMainFrame::updateLockIndicators()
{
    const LockKeys::State state = LockKeys::current();
    m_capsLabel->setEnabled(state.caps);
    m_numLabel->setEnabled(state.num);
    m_scrollLabel->setEnabled(state.scroll);
    const QString tip = state.known ? QString() : tr("The state of the lock keys is not known here.");
    for (QLabel* l : {m_capsLabel, m_numLabel, m_scrollLabel})
        l->setToolTip(tip);
}

void CMainFrame::createPanes()
{
    m_fileView = new CFileView(m_notifier, this);
    m_fileView->setWindowIcon(QIcon(icon("pane-fileview")));
    m_fileView->setAllowedAreas(Qt::AllDockWidgetAreas);
    m_fileView->pictureControl()->setUrlOpener([this](const QUrl& url) { return m_app.openExternal(url); });
    connect(this, &CMainFrame::systemSettingsChanged, m_fileView, &CFileView::refreshFonts);
    addDockWidget(Qt::LeftDockWidgetArea, m_fileView);
    connect(this, &CMainFrame::bannerTimerTick, BannerTicker::attach(*m_fileView), &BannerTicker::OnTimer);

    m_outputPane = new COutputWnd(m_notifier, this);
    m_outputPane->setWindowIcon(QIcon(icon("pane-output")));
    m_outputPane->setAllowedAreas(Qt::AllDockWidgetAreas);
    addDockWidget(Qt::BottomDockWidgetArea, m_outputPane);

    // First-start sizes (a saved layout replaces them): wide enough for the
    // file items' texts, and high enough for a screenful of readings.
    resizeDocks({m_fileView}, {kFileViewWidth}, Qt::Horizontal);
    resizeDocks({m_outputPane}, {kOutputHeight}, Qt::Vertical);

    // The panes' own commands take the same road as the frame's.
    m_fileView->registerCommands(*m_router);
    m_outputPane->registerCommands(*m_router);

    m_historyPane = new CHistoryPane(m_undoHistory.stack(), this);
    m_historyPane->setAllowedAreas(Qt::AllDockWidgetAreas);
    addDockWidget(Qt::RightDockWidgetArea, m_historyPane);
    resizeDocks({m_historyPane}, {kFileViewWidth}, Qt::Horizontal);
    m_historyPane->registerCommands(*m_router);
    connect(&m_notifier, &SurveyNotifier::fileLoaded, m_historyPane,
            [this] { m_historyPane->showFileOpen(true); });
    connect(&m_notifier, &SurveyNotifier::fileClosed, m_historyPane,
            [this] { m_historyPane->showFileOpen(false); });
}

void CMainFrame::createDocumentArea()
{
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("DocumentArea"));
    m_mdi->setViewMode(QMdiArea::TabbedView);
    m_mdi->setDocumentMode(true);
    m_mdi->setTabsClosable(true);
    m_mdi->setTabsMovable(true);
    m_mdi->setTabShape(QTabWidget::Rounded);
    m_mdi->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    m_mdi->setBackground(AppLook::documentAreaColor(m_look));
    setCentralWidget(m_mdi);

    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) {
        updateTitle();
        if (m_documentMenuButton) {
            m_documentMenuButton->updateTabCloseButtons();
            m_documentMenuButton->place();
        }
        if (m_router)
            m_router->updateActions();
    });
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        Q_EMIT systemSettingsChanged();
}

CChildFrame* CMainFrame::activeChartWindow() const
{
    return qobject_cast<CChildFrame*>(m_mdi->currentSubWindow());
}

QList<CChildFrame*> CMainFrame::chartWindows() const
{
    QList<CChildFrame*> list;
    for (QMdiSubWindow* w : m_mdi->subWindowList(QMdiArea::CreationOrder))
        if (auto* c = qobject_cast<CChildFrame*>(w); c && !c->isHidden())
            list << c;
    return list;
}

CChildFrame* CMainFrame::newChartWindow(const QString& title)
{
    auto* window = new CChildFrame(title);
    m_mdi->addSubWindow(window);
    connect(window, &CChildFrame::titleChanged, this, &CMainFrame::updateTitle);
    connect(window, &QObject::destroyed, this, [this] {
        QTimer::singleShot(0, this, [this] {
            updateTitle();
            m_documentMenuButton->place();
            if (m_router)
                m_router->updateActions();
        });
    });
    window->showMaximized();
    m_mdi->setActiveSubWindow(window);
    updateTitle();
    m_documentMenuButton->updateTabCloseButtons();
    m_documentMenuButton->place();
    if (m_router)
        m_router->updateActions();
    return window;
}

CChildFrame* CMainFrame::openChart(GraphKind kind, const GraphOptions& options,
                                   const ColourMapOptions* colours)
{
    const BuiltGraph built = BuildGraph(kind, survey(), options);
    if (built.refusal == BuiltGraph::Refusal::Command) {
        prompter().message(QString::fromStdString(built.message));
        return nullptr;
    }
    const ChartKind* row = chartKindOf(kind);
    CChildFrame* window = newChartWindow(row ? chartWindowTitle(*row) : QString());
    m_chartRecords.insert(window, {kind, options});
    connect(window, &QObject::destroyed, this, [this, window] { m_chartRecords.remove(window); });
    if (m_graphDrawer)
        m_graphDrawer(kind, options, built, *window, colours);
    return window;
}

std::vector<Recipe::Chart> CMainFrame::chartRecords() const
{
    std::vector<Recipe::Chart> charts;
    for (const CChildFrame* w : chartWindows()) {
        const auto record = m_chartRecords.constFind(w);
        if (record == m_chartRecords.constEnd())
            continue;  // an empty window of File New has nothing to keep
        QJsonObject options;
        if (record->options.frequencyEntry)
            options[QStringLiteral("frequency")] = *record->options.frequencyEntry;
        if (record->options.sectionFile)
            options[QStringLiteral("file")] = *record->options.sectionFile;
        if (const auto* view = qobject_cast<const CVantrelView*>(w->view());
            view && view->chart() && record->kind == GraphKind::Section) {
            const ColourMapOptions& c = view->chart()->colourMapOptions();
            QString method;
            for (const geo::GridMethodInfo& m : geo::GridMethods())
                if (m.method == c.gridMethod)
                    method = QString::fromLatin1(m.key);
            options[QStringLiteral("colours")] = QJsonObject{
                {QStringLiteral("smooth"), c.interpolate},
                {QStringLiteral("logarithmic"), c.logarithmic},
                {QStringLiteral("gradient"), c.gradient},
                {QStringLiteral("automatic"), c.automaticRange},
                {QStringLiteral("everyFile"), c.everyFileRange},
                {QStringLiteral("lower"), c.lower},
                {QStringLiteral("upper"), c.upper},
                {QStringLiteral("grid"), method},
                {QStringLiteral("contours"), QString::fromStdString(ContourChoiceText(c.contours))}};
        }
        charts.push_back({std::string(GraphKindName(record->kind)), w->documentTitle().toStdString(),
                          QJsonDocument(options).toJson(QJsonDocument::Compact).toStdString(),
                          w->saveGeometry().toBase64().toStdString()});
    }
    return charts;
}

void CMainFrame::restoreCharts(const std::vector<Recipe::Chart>& charts, const std::string& layout)
{
    for (const Recipe::Chart& chart : charts) {
        const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(chart.options)).object();
        GraphOptions options;
        if (o.contains(QStringLiteral("frequency")))
            options.frequencyEntry = o.value(QStringLiteral("frequency")).toInt();
        if (o.contains(QStringLiteral("file")))
            options.sectionFile = o.value(QStringLiteral("file")).toInt();
        // The section's colour map is drawn by the project's options from
        // the start, not gridded by the defaults first.
        const QJsonObject c = o.value(QStringLiteral("colours")).toObject();
        ColourMapOptions colours;
        if (!c.isEmpty()) {
            colours.interpolate = c.value(QStringLiteral("smooth")).toBool();
            colours.logarithmic = c.value(QStringLiteral("logarithmic")).toBool(true);
            colours.gradient = c.value(QStringLiteral("gradient")).toInt();
            colours.automaticRange = c.value(QStringLiteral("automatic")).toBool(true);
            colours.lower = c.value(QStringLiteral("lower")).toDouble();
            colours.upper = c.value(QStringLiteral("upper")).toDouble(1);
            colours.everyFileRange = c.value(QStringLiteral("everyFile")).toBool();
            if (const geo::GridMethodInfo* m =
                    geo::GridMethodNamed(c.value(QStringLiteral("grid")).toString().toStdString()))
                colours.gridMethod = m->method;
            // A choice this version cannot read leaves the lines off.
            if (const ContourChoiceParse contours =
                    ParseContourChoice(c.value(QStringLiteral("contours")).toString().toStdString());
                contours.Ok())
                colours.contours = contours.choice;
        }
        openChart(GraphKindNamed(chart.kind), options, c.isEmpty() ? nullptr : &colours);
    }
    if (!layout.empty())
        restoreState(QByteArray::fromBase64(QByteArray::fromStdString(layout)));
}

void CMainFrame::updateTitle()
{
    QString title = tr("Selvo Intelligent data processing software V1.6");
    if (CChildFrame* w = activeChartWindow(); w && !w->isHidden())
        title += QStringLiteral(" - ") + w->documentTitle();
    setWindowTitle(title);
}

void CMainFrame::cyclePane(int step)
{
    QList<QWidget*> panes;
    if (QMdiSubWindow* w = m_mdi->currentSubWindow())
        panes << w;
    else
        panes << m_mdi;
    for (QDockWidget* dock : {static_cast<QDockWidget*>(m_fileView), static_cast<QDockWidget*>(m_outputPane)})
        if (dock && dock->isVisible())
            panes << dock;
    if (panes.size() < 2)
        return;
    int current = 0;
    const QWidget* focus = QApplication::focusWidget();
    for (int i = 0; i < panes.size(); ++i)
        if (focus && (focus == panes[i] || panes[i]->isAncestorOf(focus)))
            current = i;
    QWidget* next = panes[(current + step + panes.size()) % panes.size()];
    if (auto* dock = qobject_cast<QDockWidget*>(next)) {
        if (dock->isFloating())
            dock->activateWindow();
        next = dock->widget() ? dock->widget() : dock;
    } else if (auto* sub = qobject_cast<QMdiSubWindow*>(next)) {
        m_mdi->setActiveSubWindow(sub);
        next = sub->widget() ? sub->widget() : sub;
    }
    QWidget* target = next;
    if (target->focusPolicy() == Qt::NoFocus) {
        for (QWidget* child : next->findChildren<QWidget*>())
            if (child->isVisible() && child->isEnabled() && (child->focusPolicy() & Qt::TabFocus)) {
                target = child;
                break;
            }
    }
    target->setFocus(Qt::ShortcutFocusReason);
}

// --- Commands --------------------------------------------------------------------

void CMainFrame::registerCommands()
{
    using namespace cmd;
    m_dataCommands = new DataCommands(m_notifier, prompter(), m_undoHistory, this);
    connect(&m_undoHistory, &UndoHistory::changed, m_actions, [this] {
        m_actions->showStepNames(m_undoHistory.undoName(), m_undoHistory.redoName());
        m_router->updateActions();
    });
    connect(m_dataCommands, &DataCommands::statusInfo, this, &CMainFrame::showStatusInfo);
    connect(m_dataCommands, &DataCommands::busyChanged, this, &CMainFrame::showBusy);
    m_dataCommands->registerWith(*m_router);
    m_projectCommands = new ProjectCommands(m_notifier, prompter(), m_undoHistory, *m_dataCommands, this);
    m_projectCommands->setWorkspace({[this] { return chartRecords(); },
                                     [this] { return saveState().toBase64().toStdString(); },
                                     [this](const std::vector<Recipe::Chart>& charts,
                                            const std::string& layout) { restoreCharts(charts, layout); },
                                     [this](const QString& path) { addRecentFile(path); }});
    connect(m_projectCommands, &ProjectCommands::statusInfo, this, &CMainFrame::showStatusInfo);
    m_projectCommands->registerWith(*m_router);
    m_recovery = new ProjectRecovery(*m_projectCommands, prompter(), ProjectRecovery::defaultPath(), this);
    m_importText = new ImportTextCommand(*m_dataCommands, prompter(), this, this);
    m_importText->registerWith(*m_router);

    CommandRouter* r = m_router;
    r->addHandler(Level::MainFrame, ID_SAVE_PICTURE, [] {
        // Without a graph in the active chart window there is no picture.
    });
    r->addHandler(Level::MainFrame, ID_PRINT_PICTURE, [this] { OnPrint(); });
    r->addHandler(Level::MainFrame, ID_CONFIG, [this] { OnConfig(); });
    m_instrument = new InstrumentCommand(
        *this, [this]() -> Prompter& { return prompter(); }, this);
    connect(m_instrument, &InstrumentCommand::statusInfo, this, &CMainFrame::showStatusInfo);
    r->addHandler(Level::MainFrame, ID_BLUETOOTH, [this] { m_instrument->run(); });
    for (int id = ID_VIEW_APPLOOK_WIN_2000; id <= ID_VIEW_APPLOOK_WINDOWS_7; ++id)
        if (action(id))
            r->addHandler(
                Level::MainFrame, id, [this, id] { OnApplicationLook(id); }, {},
                [this, id] { return m_look == id; });
    r->addHandler(Level::MainFrame, ID_VIEW_CUSTOMIZE, [this] { OnViewCustomize(); });
    r->addHandler(
        Level::MainFrame, ID_WINDOW_MANAGER, [this] { OnWindowManager(); },
        [this] { return !chartWindows().isEmpty(); });
    r->addHandler(
        Level::MainFrame, ID_VIEW_STATUS_BAR, [this] { statusBar()->setVisible(statusBar()->isHidden()); },
        {}, [this] { return !statusBar()->isHidden(); });
    r->addHandler(Level::MainFrame, ID_NEXT_PANE, [this] { cyclePane(1); });
    r->addHandler(Level::MainFrame, ID_PREV_PANE, [this] { cyclePane(-1); });
}

void CMainFrame::OnConfig()
{
    CDialog_Data_Set dialog(survey().m_tables.Settings(), this);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    // A data step like the others, so that Undo takes the settings back.
    m_dataCommands->runStep("config", SettingsText(dialog.values()));
}

void CMainFrame::showStatusInfo(const QString& text, int timeout)
{
    if (text.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(text, timeout);
}

void CMainFrame::showBusy(bool busy, const QString& text)
{
    if (busy != m_busy) {
        m_busy = busy;
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }
    showStatusInfo(text, 0);
    // The operation holds the event loop: the bar is painted now.
    statusBar()->repaint();
}

void CMainFrame::OnPrint()
{
    if (!activeChartWindow())
        prompter().message(tr("There is no picture to print at the current window!"));
    // With a chart window, its view prints the graph (it handles the command
    // before the frame does); a window without a graph has nothing to print.
}

void CMainFrame::applyLookToFrame()
{
    AppLook::apply(m_app, m_look);
    m_mdi->setBackground(AppLook::documentAreaColor(m_look));
    action(cmd::ID_VIEW_CUSTOMIZE)->setIcon(QIcon(AppLook::iconPath(QStringLiteral("customize"), m_look)));
    m_documentMenuButton->setIcon(QIcon(AppLook::iconPath(QStringLiteral("document-menu"), m_look)));
}

void CMainFrame::OnApplicationLook(int id)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_look = id;
    applyLookToFrame();
    QSettings().setValue(QLatin1String(AppLook::kSettingsKey), id);
    QApplication::restoreOverrideCursor();
}

void CMainFrame::OnViewCustomize()
{
    CustomizeDialog dialog(*m_toolbars, m_menus->commandCategories(), prompter(), this);
    runDialog(dialog);
    saveSettings();
    fillToolbarsMenu();
}

void CMainFrame::OnWindowManager()
{
    WindowsDialog dialog(m_mdi, this);
    runDialog(dialog);
}

// --- Recent files ------------------------------------------------------------------

void CMainFrame::addRecentFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_recentFiles.removeAll(absolute);
    m_recentFiles.prepend(absolute);
    while (m_recentFiles.size() > kRecentFileCount)
        m_recentFiles.removeLast();
    fillRecentFiles();
}

void CMainFrame::removeRecentFile(const QString& path)
{
    m_recentFiles.removeAll(path);
    fillRecentFiles();
}

// --- Settings and shutdown -----------------------------------------------------------

void CMainFrame::restoreLayout()
{
    QSettings settings;
    m_toolbars->loadUserImages(QString::fromLatin1(kUserImagesFile));
    m_toolbars->load(settings);

    settings.beginGroup(kRecentGroup);
    for (int i = 0; i < kRecentFileCount; ++i) {
        const QString file = settings.value(QStringLiteral("File%1").arg(i + 1)).toString();
        if (!file.isEmpty())
            m_recentFiles << file;
    }
    settings.endGroup();
    fillRecentFiles();

    settings.beginGroup(kWorkspace);
    if (!restoreGeometry(settings.value(QStringLiteral("Geometry")).toByteArray())) {
        // First start: a comfortable size in the middle of the screen.
        const QRect screen = QGuiApplication::primaryScreen()
            ? QGuiApplication::primaryScreen()->availableGeometry()
            : QRect(0, 0, 1280, 820);
        const QSize size = QSize(1280, 820).boundedTo(screen.size());
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, screen));
    }
    restoreState(settings.value(QStringLiteral("State")).toByteArray());
    statusBar()->setVisible(settings.value(QStringLiteral("StatusBar"), true).toBool());
    settings.endGroup();
}

void CMainFrame::saveSettings() const
{
    QSettings settings;
    m_toolbars->save(settings);
    settings.beginGroup(kRecentGroup);
    settings.remove(QString());
    for (int i = 0; i < m_recentFiles.size(); ++i)
        settings.setValue(QStringLiteral("File%1").arg(i + 1), m_recentFiles[i]);
    settings.endGroup();
    settings.beginGroup(kWorkspace);
    settings.setValue(QStringLiteral("Geometry"), saveGeometry());
    settings.setValue(QStringLiteral("State"), saveState());
    settings.setValue(QStringLiteral("StatusBar"), !statusBar()->isHidden());
    settings.endGroup();
    settings.setValue(QLatin1String(AppLook::kSettingsKey), m_look);
}

QStringList CMainFrame::openableFiles(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        const QString suffix = QFileInfo(url.toLocalFile()).suffix().toLower();
        if (url.isLocalFile() &&
            (suffix == QLatin1String("dat") || suffix == QLatin1String("csv") ||
             suffix == QLatin1String(CVantrelApp::kProjectSuffix)))
            paths << url.toLocalFile();
    }
    return paths;
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!openableFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dragMoveEvent(QDragMoveEvent* event)
{
    if (!openableFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QStringList paths = openableFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop has ended: the close question must not hold up
    // the program the files came from.
    m_app.openLater(paths);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_closing) {
        m_closing = true;
        if (m_projectCommands->hasUnsavedWork() &&
            prompter().question(tr("The steps done on %1 have not been saved in a project. Save the project?")
                                    .arg(QFileInfo(m_dataCommands->dataFile()).fileName())))
            m_router->dispatch(cmd::ID_SAVE_PROJECT);
        if (survey().m_tables.Depth().RowCount() > 0 && prompter().question(tr("Please save deep data!")))
            m_router->dispatch(cmd::ID_SAVE_DEPTH_DATA);
        saveSettings();
        // The chart windows go one after the other, each view before its frame.
        for (CChildFrame* w : chartWindows())
            w->destroyForShutdown();
        m_bannerTimer->stop();
        m_lockKeysTimer->stop();
        m_recovery->remove();
    }
    event->accept();
}

}  // namespace vantrel
