#include "cmainframe.h"

#include "applook.h"
#include "cchildframe.h"
#include "cdialog_data_set.h"
#include "commandids.h"
#include "customizedialog.h"
#include "cvantrelapp.h"
#include "instrument/instrumentcommand.h"
#include "lockkeys.h"
#include "messages.h"
#include "prompter.h"
#include "stringtable.h"
#include "toolbarset.h"
#include "windowsdialog.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QStatusBar>
#include <QTabBar>
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

QWidget* emptyPane(const char* objectName)
{
    auto* w = new QWidget;
    w->setObjectName(QLatin1String(objectName));
    w->setAutoFillBackground(true);
    w->setBackgroundRole(QPalette::Base);
    w->setFocusPolicy(Qt::StrongFocus);
    return w;
}

QString recentText(int index, const QString& path)
{
    QString shown = QDir::toNativeSeparators(path);
    const QString home = QDir::homePath();
    if (shown.startsWith(home + QLatin1Char('/')))
        shown = QLatin1Char('~') + shown.mid(home.size());
    if (shown.size() > 60)
        shown = shown.left(20) + QStringLiteral("...") + shown.right(37);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

}  // namespace

CMainFrame::CMainFrame(CVantrelApp& app, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_router(new CommandRouter(this))
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowIcon(QIcon(icon("vantrel")));
    {
        QSettings settings;
        m_look = AppLook::normalize(settings.value(QLatin1String(AppLook::kSettingsKey), AppLook::kDefault).toInt());
    }

    m_router->setChartWindowMaps([this](Level level) -> CommandMap* {
        CChildFrame* w = activeChartWindow();
        return w ? w->commands(level) : nullptr;
    });

    createDocumentArea();
    createActions();
    createMenus();
    m_toolbars = new ToolbarSet(this, [this](int id) { return action(id); }, action(cmd::ID_VIEW_CUSTOMIZE), this);
    createStatusBar();
    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    createDocks();
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks | QMainWindow::AllowNestedDocks);
    registerCommands();
    applyLookToFrame();
    restoreLayout();
    updateTitle();

    m_bannerTimer = new QTimer(this);
    m_bannerTimer->setInterval(kBannerTimerMs);
    connect(m_bannerTimer, &QTimer::timeout, this, &CMainFrame::bannerTimerTick);
    m_bannerTimer->start();

    // Enabled states follow the data: refresh them when idle, as the toolbar
    // must show them without a menu being opened.
    m_idleTimer = new QTimer(this);
    m_idleTimer->setInterval(400);
    connect(m_idleTimer, &QTimer::timeout, this, [this] {
        m_router->updateActions();
        updateLockIndicators();
    });
    m_idleTimer->start();
    connect(qApp, &QApplication::focusChanged, m_router, &CommandRouter::updateActions);
    m_router->updateActions();
}

CMainFrame::~CMainFrame()
{
    // Closes the instrument link's server and connection, even mid-wait.
    delete m_instrument;
    m_instrument = nullptr;
    // Widgets lose the focus while the frame goes: no more refreshes then.
    m_idleTimer->stop();
    disconnect(m_mdi, nullptr, this, nullptr);
    for (CChildFrame* w : chartWindows())
        disconnect(w, nullptr, this, nullptr);
    // The panes look at m_survey, which goes before QWidget deletes the children.
    delete m_fileViewDock;
    m_fileViewDock = nullptr;
    delete m_outputDock;
    m_outputDock = nullptr;
    delete m_router;
    m_router = nullptr;
}

Prompter& CMainFrame::prompter()
{
    return m_app.prompter();
}

const StringTable& CMainFrame::strings() const
{
    return m_app.strings();
}

QToolBar* CMainFrame::standardToolBar() const
{
    return m_toolbars->standard();
}

int CMainFrame::runDialog(QDialog& dialog)
{
    return m_dialogRunner ? m_dialogRunner(dialog) : dialog.exec();
}

// --- Actions and menus ---------------------------------------------------------

QAction* CMainFrame::makeAction(int id, const QString& text, const QString& iconPath, const QList<QKeySequence>& keys)
{
    auto* a = new QAction(text, this);
    a->setData(id);
    a->setObjectName(QStringLiteral("action%1").arg(id));
    if (!iconPath.isEmpty())
        a->setIcon(QIcon(iconPath));
    if (!keys.isEmpty())
        a->setShortcuts(keys);
    const StringTable& s = strings();
    const QString prompt = s.prompt(id);
    const QString tip = s.toolTip(id);
    a->setStatusTip(prompt);
    a->setToolTip(!tip.isEmpty() ? tip : CustomizeDialog::plainText(a));
    m_actions.insert(id, a);
    addAction(a);  // accelerators work with or without a menu entry
    m_router->addAction(a);
    return a;
}

void CMainFrame::createActions()
{
    using namespace cmd;
    const auto keys = [](std::initializer_list<QKeySequence> list) { return QList<QKeySequence>(list); };
    makeAction(ID_FILE_NEW, QStringLiteral("New"), icon("new"), keys({QKeySequence(Qt::CTRL | Qt::Key_N)}));
    makeAction(ID_FILE_OPEN, QStringLiteral("Open(&O)...\tCtrl+O"), icon("open"),
               keys({QKeySequence(Qt::CTRL | Qt::Key_O)}));
    makeAction(ID_FILE_SAVE, QStringLiteral("Save Original Data"), icon("save-original"),
               keys({QKeySequence(Qt::CTRL | Qt::Key_S)}));
    makeAction(ID_SAVE_DEPTH_DATA, QStringLiteral("Save Depth Data"), icon("save-depth"));
    makeAction(ID_SAVE_PICTURE, QStringLiteral("Save Picture"), icon("save-picture"));
    makeAction(ID_FILE_CLOSE, QStringLiteral("Close(&C)"), icon("close-window"));
    makeAction(ID_PRINT_PICTURE, QStringLiteral("Print"), icon("print"));
    for (int i = 0; i < kRecentFileCount; ++i)
        m_recentActions << makeAction(ID_FILE_MRU_FILE1 + i, QStringLiteral("Recent File"));
    makeAction(ID_APP_EXIT, QStringLiteral("Exit(&X)"), icon("exit"));

    makeAction(ID_EDIT_UNDO, QString::fromUtf8("撤消(&U)\tCtrl+Z"), {},
               keys({QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}));
    makeAction(ID_EDIT_CUT, QString::fromUtf8("剪切(&T)\tCtrl+X"), icon("cut"),
               keys({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)}));
    makeAction(ID_EDIT_COPY, QString::fromUtf8("复制(&C)\tCtrl+C"), icon("copy"),
               keys({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}));
    makeAction(ID_EDIT_PASTE, QString::fromUtf8("粘贴(&P)\tCtrl+V"), icon("paste"),
               keys({QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}));

    QAction* statusBarAction = makeAction(ID_VIEW_STATUS_BAR, QStringLiteral("StatusBar(&S)"));
    statusBarAction->setCheckable(true);
    makeAction(ID_NEXT_PANE, QStringLiteral("Next Pane"), {}, keys({QKeySequence(Qt::Key_F6)}));
    makeAction(ID_PREV_PANE, QStringLiteral("Previous Pane"), {}, keys({QKeySequence(Qt::SHIFT | Qt::Key_F6)}));
    makeAction(ID_VIEW_CUSTOMIZE, QStringLiteral("Definition..."), icon("customize"));
    makeAction(ID_WINDOW_MANAGER, QStringLiteral("Window(&W)..."), icon("windows"));

    m_lookGroup = new QActionGroup(this);
    m_lookGroup->setExclusive(true);
    const std::pair<int, const char*> looks[] = {
        {ID_VIEW_APPLOOK_WIN_2000, "Windows 2000(&2)"},     {ID_VIEW_APPLOOK_OFF_XP, "Office XP(&X)"},
        {ID_VIEW_APPLOOK_WIN_XP, "Windows XP(&W)"},         {ID_VIEW_APPLOOK_OFF_2003, "Office 2003(&3)"},
        {ID_VIEW_APPLOOK_VS_2005, "Visual Studio 200&5"},   {ID_VIEW_APPLOOK_VS_2008, "Visual Studio 200&8"},
        {ID_VIEW_APPLOOK_OFF_2007_BLUE, "Blue(&B)"},        {ID_VIEW_APPLOOK_OFF_2007_BLACK, "Black(&L)"},
        {ID_VIEW_APPLOOK_OFF_2007_SILVER, "Silvery(&S)"},   {ID_VIEW_APPLOOK_OFF_2007_AQUA, "Aqua(&A)"},
        {ID_VIEW_APPLOOK_WINDOWS_7, "Windows 7"},
    };
    for (const auto& [id, text] : looks) {
        QAction* a = makeAction(id, QLatin1String(text));
        a->setCheckable(true);
        m_lookGroup->addAction(a);
    }

    makeAction(ID_CONFIG, QStringLiteral("Config"), icon("config"));
    makeAction(ID_CHOOSE_DATA, QStringLiteral("Choose Data"), icon("choose-data"));
    makeAction(ID_PROCESSED_DATA, QStringLiteral("Processed Data"), icon("process-data"));
    makeAction(ID_DEPTH_DISPLAY, QStringLiteral("Depth Display"), icon("depth"));
    makeAction(ID_CORRECT_BAD_POINTS, QStringLiteral("Correct Bad Points"));
    makeAction(ID_SEARCH_AND_PROCESS, QStringLiteral("Search Bad Points and Process"));
    makeAction(ID_BLUETOOTH, QStringLiteral("Instrument Link"), icon("instrument-link"));

    makeAction(ID_ICHNOGRAPHY_GRAPH, QStringLiteral("Ichnography Curving Graph"), icon("graph-plane"));
    makeAction(ID_VERTICAL_GRAPH, QStringLiteral("Vertical Curving Graph"), icon("graph-vertical"));
    makeAction(ID_ROUND_GRAPH, QStringLiteral(" Round Graph"), icon("graph-round"));

    makeAction(ID_APP_ABOUT, QStringLiteral("About"), icon("about"));
    makeAction(ID_HELP_DOC, QStringLiteral("Help"), icon("help"));
    makeAction(ID_ABOUT_COMPANY, QStringLiteral("About Company"), icon("company"));
}

void CMainFrame::createMenus()
{
    using namespace cmd;
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);

    m_fileMenu = bar->addMenu(QStringLiteral("File(&F)"));
    for (int id : {ID_FILE_OPEN, ID_FILE_SAVE, ID_SAVE_DEPTH_DATA, ID_SAVE_PICTURE, ID_FILE_CLOSE})
        m_fileMenu->addAction(action(id));
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(action(ID_PRINT_PICTURE));
    for (QAction* a : m_recentActions)
        m_fileMenu->addAction(a);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(action(ID_APP_EXIT));
    connect(m_fileMenu, &QMenu::aboutToShow, this, &CMainFrame::fillRecentFiles);

    QMenu* view = bar->addMenu(QStringLiteral("View(&V)"));
    m_toolbarsMenu = view->addMenu(QStringLiteral("Toolbar and DockWindows(&T)"));
    m_toolbarsMenu->setObjectName(QStringLiteral("ToolbarsMenu"));
    connect(m_toolbarsMenu, &QMenu::aboutToShow, this, &CMainFrame::fillToolbarsMenu);
    fillToolbarsMenu();
    view->addAction(action(ID_VIEW_STATUS_BAR));
    QMenu* looks = view->addMenu(QStringLiteral("Software Pattern(&A)"));
    for (int id : {ID_VIEW_APPLOOK_WIN_2000, ID_VIEW_APPLOOK_OFF_XP, ID_VIEW_APPLOOK_WIN_XP, ID_VIEW_APPLOOK_OFF_2003,
                   ID_VIEW_APPLOOK_VS_2005, ID_VIEW_APPLOOK_VS_2008})
        looks->addAction(action(id));
    QMenu* office = looks->addMenu(QStringLiteral("Office 2007(&7)"));
    for (int id : {ID_VIEW_APPLOOK_OFF_2007_BLUE, ID_VIEW_APPLOOK_OFF_2007_BLACK, ID_VIEW_APPLOOK_OFF_2007_SILVER,
                   ID_VIEW_APPLOOK_OFF_2007_AQUA})
        office->addAction(action(id));

    QMenu* data = bar->addMenu(QStringLiteral("Data Processing"));
    for (int id : {ID_CONFIG, ID_CHOOSE_DATA, ID_PROCESSED_DATA, ID_DEPTH_DISPLAY})
        data->addAction(action(id));

    QMenu* curving = bar->addMenu(QStringLiteral("Curving"));
    for (int id : {ID_ICHNOGRAPHY_GRAPH, ID_VERTICAL_GRAPH, ID_ROUND_GRAPH})
        curving->addAction(action(id));

    QMenu* help = bar->addMenu(QStringLiteral("Help(&H)"));
    for (int id : {ID_APP_ABOUT, ID_HELP_DOC, ID_ABOUT_COMPANY})
        help->addAction(action(id));

    for (QMenu* m : {m_fileMenu, view, m_toolbarsMenu, looks, office, data, curving, help})
        m_router->watchMenu(m);

    // The context menu of the chart views (cut, copy, paste).
    m_editMenu = new QMenu(QStringLiteral("Edit"), this);
    for (int id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
        m_editMenu->addAction(action(id));
    m_router->watchMenu(m_editMenu);
}

void CMainFrame::fillToolbarsMenu()
{
    m_toolbarsMenu->clear();
    if (m_toolbars)
        for (QToolBar* bar : m_toolbars->all())
            m_toolbarsMenu->addAction(bar->toggleViewAction());
    m_toolbarsMenu->addSeparator();
    for (QDockWidget* dock : {m_fileViewDock, m_outputDock})
        if (dock)
            m_toolbarsMenu->addAction(dock->toggleViewAction());
    m_toolbarsMenu->addSeparator();
    m_toolbarsMenu->addAction(action(cmd::ID_VIEW_CUSTOMIZE));
}

QMenu* CMainFrame::createPopupMenu()
{
    auto* menu = new QMenu(this);
    for (QToolBar* bar : m_toolbars->all())
        menu->addAction(bar->toggleViewAction());
    menu->addSeparator();
    for (QDockWidget* dock : {m_fileViewDock, m_outputDock})
        menu->addAction(dock->toggleViewAction());
    menu->addSeparator();
    menu->addAction(action(cmd::ID_VIEW_CUSTOMIZE));
    return menu;
}

void CMainFrame::fillRecentFiles()
{
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* a = m_recentActions[i];
        if (m_recentFiles.isEmpty()) {
            // The disabled placeholder.
            a->setText(QStringLiteral("Recent File"));
            a->setVisible(i == 0);
        } else {
            a->setVisible(i < m_recentFiles.size());
            if (i < m_recentFiles.size()) {
                a->setText(recentText(i, m_recentFiles[i]));
                a->setStatusTip(QDir::toNativeSeparators(m_recentFiles[i]));
            }
        }
    }
}

// --- Status bar, docks, document area --------------------------------------------

void CMainFrame::createStatusBar()
{
    QStatusBar* bar = statusBar();
    const QString ready = strings().idlePrompt();
    connect(bar, &QStatusBar::messageChanged, this, [bar, ready](const QString& text) {
        if (text.isEmpty())
            bar->showMessage(ready);
    });
    bar->showMessage(ready);
    auto indicator = [bar](const QString& text) {
        auto* label = new QLabel(text);
        label->setObjectName(QStringLiteral("LockIndicator"));
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 16);
        label->setEnabled(false);
        bar->addPermanentWidget(label);
        return label;
    };
    m_capsLabel = indicator(QStringLiteral("CAP"));
    m_numLabel = indicator(QStringLiteral("NUM"));
    m_scrollLabel = indicator(QStringLiteral("SCRL"));
    updateLockIndicators();
}

void CMainFrame::updateLockIndicators()
{
    const LockKeys::State state = LockKeys::current();
    m_capsLabel->setEnabled(state.caps);
    m_numLabel->setEnabled(state.num);
    m_scrollLabel->setEnabled(state.scroll);
    const QString tip = state.known ? QString() : QStringLiteral("The state of the lock keys is not known here.");
    for (QLabel* l : {m_capsLabel, m_numLabel, m_scrollLabel})
        l->setToolTip(tip);
}

void CMainFrame::createDocks()
{
    m_fileViewDock = new QDockWidget(QStringLiteral("File View"), this);
    m_fileViewDock->setObjectName(QStringLiteral("FileViewPane"));
    m_fileViewDock->setWindowIcon(QIcon(icon("pane-fileview")));
    m_fileViewDock->setWidget(emptyPane("FileViewContent"));
    m_fileViewDock->setAllowedAreas(Qt::AllDockWidgetAreas);
    addDockWidget(Qt::LeftDockWidgetArea, m_fileViewDock);

    m_outputDock = new QDockWidget(QStringLiteral("Show Table"), this);
    m_outputDock->setObjectName(QStringLiteral("OutputPane"));
    m_outputDock->setWindowIcon(QIcon(icon("pane-output")));
    m_outputDock->setWidget(emptyPane("OutputContent"));
    m_outputDock->setAllowedAreas(Qt::AllDockWidgetAreas);
    addDockWidget(Qt::BottomDockWidgetArea, m_outputDock);

    // First-start sizes (a saved layout replaces them): wide enough for the
    // file items' texts, and high enough for a screenful of readings.
    resizeDocks({m_fileViewDock}, {kFileViewWidth}, Qt::Horizontal);
    resizeDocks({m_outputDock}, {kOutputHeight}, Qt::Vertical);
}

QDockWidget* CMainFrame::replacePane(QDockWidget* old, QDockWidget* dock, const QString& objectName)
{
    if (!dock || dock == old)
        return old;
    const QByteArray state = saveState();
    const Qt::DockWidgetArea area = dockWidgetArea(old);
    dock->setParent(this);
    dock->setObjectName(objectName);
    if (dock->windowTitle().isEmpty())
        dock->setWindowTitle(old->windowTitle());
    if (dock->windowIcon().isNull())
        dock->setWindowIcon(old->windowIcon());
    dock->setAllowedAreas(Qt::AllDockWidgetAreas);
    removeDockWidget(old);
    old->setObjectName(QString());  // the saved layout must find the new dock under the name
    old->hide();
    old->deleteLater();
    addDockWidget(area == Qt::NoDockWidgetArea ? Qt::LeftDockWidgetArea : area, dock);
    restoreState(state);  // the new dock has the old one's name: it takes its place
    fillToolbarsMenu();
    return dock;
}

void CMainFrame::setFileViewPane(QDockWidget* dock)
{
    m_fileViewDock = replacePane(m_fileViewDock, dock, QStringLiteral("FileViewPane"));
}

void CMainFrame::setOutputPane(QDockWidget* dock)
{
    m_outputDock = replacePane(m_outputDock, dock, QStringLiteral("OutputPane"));
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

    // The document menu at the right of the tab area: the open chart windows
    // and the windows dialog.
    m_documentMenu = new QMenu(this);
    connect(m_documentMenu, &QMenu::aboutToShow, this, [this] {
        m_documentMenu->clear();
        CChildFrame* active = activeChartWindow();
        for (CChildFrame* w : chartWindows()) {
            QAction* a = m_documentMenu->addAction(w->windowIcon(), w->documentTitle());
            a->setCheckable(true);
            a->setChecked(w == active);
            connect(a, &QAction::triggered, this, [this, w] { m_mdi->setActiveSubWindow(w); });
        }
        m_documentMenu->addSeparator();
        m_documentMenu->addAction(action(cmd::ID_WINDOW_MANAGER));
        if (m_router)
            m_router->updateActions();
    });
    m_documentMenuButton = new QToolButton(m_mdi);
    m_documentMenuButton->setObjectName(QStringLiteral("DocumentMenuButton"));
    m_documentMenuButton->setIcon(QIcon(icon("document-menu")));
    m_documentMenuButton->setToolTip(QStringLiteral("Windows"));
    m_documentMenuButton->setAutoRaise(true);
    m_documentMenuButton->setPopupMode(QToolButton::InstantPopup);
    m_documentMenuButton->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
    m_documentMenuButton->setMenu(m_documentMenu);
    m_documentMenuButton->hide();
    m_mdi->installEventFilter(this);

    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) {
        updateTitle();
        updateTabCloseButtons();
        placeDocumentMenuButton();
        if (m_router)
            m_router->updateActions();
        Q_EMIT chartWindowActivated(activeChartWindow());
    });
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        Q_EMIT systemSettingsChanged();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((watched == m_mdi && type == QEvent::Resize) ||
        (qobject_cast<QTabBar*>(watched) && (type == QEvent::Resize || type == QEvent::Show || type == QEvent::Hide)))
        QTimer::singleShot(0, this, &CMainFrame::placeDocumentMenuButton);
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::placeDocumentMenuButton()
{
    auto* tabs = m_mdi->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (!tabs || !tabs->isVisible() || chartWindows().isEmpty()) {
        m_documentMenuButton->hide();
        return;
    }
    if (!tabs->property("vantrelWatched").toBool()) {
        tabs->setProperty("vantrelWatched", true);
        tabs->installEventFilter(this);
        tabs->setExpanding(false);
        tabs->setIconSize(QSize(0, 0));  // no document icons on the tabs
        tabs->setElideMode(Qt::ElideRight);
        connect(tabs, &QTabBar::currentChanged, this, &CMainFrame::updateTabCloseButtons);
    }
    const int side = tabs->height();
    const int width = side + 4;
    const int full = m_mdi->width();
    if (tabs->width() != full - width)
        tabs->setGeometry(tabs->x(), tabs->y(), full - width, side);
    m_documentMenuButton->setGeometry(full - width, tabs->y(), width, side);
    m_documentMenuButton->show();
    m_documentMenuButton->raise();
}

void CMainFrame::updateTabCloseButtons()
{
    auto* tabs = m_mdi->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (!tabs)
        return;
    // Only the active tab carries a close button.
    for (int i = 0; i < tabs->count(); ++i) {
        for (auto side : {QTabBar::LeftSide, QTabBar::RightSide})
            if (QWidget* b = tabs->tabButton(i, side))
                b->setVisible(i == tabs->currentIndex());
    }
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
            placeDocumentMenuButton();
            if (m_router)
                m_router->updateActions();
        });
    });
    window->showMaximized();
    m_mdi->setActiveSubWindow(window);
    updateTitle();
    updateTabCloseButtons();
    placeDocumentMenuButton();
    if (m_router)
        m_router->updateActions();
    return window;
}

void CMainFrame::updateTitle()
{
    QString title = strings().windowTitle();
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
    for (QDockWidget* dock : {m_fileViewDock, m_outputDock})
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
    CommandRouter* r = m_router;
    r->addHandler(Level::MainFrame, ID_SAVE_PICTURE, [] {
        // Without a graph in the active chart window there is no picture.
    });
    r->addHandler(Level::MainFrame, ID_PRINT_PICTURE, [this] { OnPrint(); });
    r->addHandler(Level::MainFrame, ID_CONFIG, [this] { OnConfig(); });
    m_instrument = new InstrumentCommand(*this, [this]() -> Prompter& { return prompter(); }, this);
    r->addHandler(Level::MainFrame, ID_BLUETOOTH, [this] { m_instrument->run(); });
    for (int id = ID_VIEW_APPLOOK_WIN_2000; id <= ID_VIEW_APPLOOK_WINDOWS_7; ++id)
        if (action(id))
            r->addHandler(Level::MainFrame, id, [this, id] { OnApplicationLook(id); }, {},
                          [this, id] { return m_look == id; });
    r->addHandler(Level::MainFrame, ID_VIEW_CUSTOMIZE, [this] { OnViewCustomize(); });
    r->addHandler(Level::MainFrame, ID_WINDOW_MANAGER, [this] { OnWindowManager(); },
                  [this] { return !chartWindows().isEmpty(); });
    r->addHandler(Level::MainFrame, ID_VIEW_STATUS_BAR, [this] { statusBar()->setVisible(statusBar()->isHidden()); },
                  {}, [this] { return !statusBar()->isHidden(); });
    r->addHandler(Level::MainFrame, ID_NEXT_PANE, [this] { cyclePane(1); });
    r->addHandler(Level::MainFrame, ID_PREV_PANE, [this] { cyclePane(-1); });
}

void CMainFrame::OnConfig()
{
    CDialog_Data_Set dialog(m_survey.m_frame.m_settings, this);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    m_survey.m_frame.m_settings = dialog.values();
    m_survey.m_tables.m_settings = m_survey.m_frame.m_settings;
}

void CMainFrame::OnPrint()
{
    if (!activeChartWindow())
        prompter().message(QStringLiteral("There is no picture to print at the current window!"));
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

QList<QPair<QString, QList<QAction*>>> CMainFrame::commandCategories() const
{
    // The menus are scanned for commands, sub-menus included.
    QList<QPair<QString, QList<QAction*>>> categories;
    std::function<void(QMenu*, QList<QAction*>&)> scan = [&scan](QMenu* menu, QList<QAction*>& into) {
        for (QAction* a : menu->actions()) {
            if (a->menu())
                scan(a->menu(), into);
            else if (CommandRouter::idOf(a) != 0 && a->isVisible())
                into << a;
        }
    };
    for (QAction* top : menuBar()->actions()) {
        if (!top->menu())
            continue;
        QList<QAction*> list;
        scan(top->menu(), list);
        // The instrument link has no menu entry but may go on a toolbar.
        if (CustomizeDialog::plainText(top) == QLatin1String("Data Processing"))
            list << action(cmd::ID_BLUETOOTH);
        categories.append({CustomizeDialog::plainText(top), list});
    }
    QList<QAction*> edit;
    for (int id : {cmd::ID_EDIT_CUT, cmd::ID_EDIT_COPY, cmd::ID_EDIT_PASTE, cmd::ID_FILE_NEW})
        edit << action(id);
    categories.append({QStringLiteral("Edit"), edit});
    return categories;
}

void CMainFrame::OnViewCustomize()
{
    CustomizeDialog dialog(*m_toolbars, commandCategories(), prompter(), this);
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
        const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
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

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_closing) {
        m_closing = true;
        if (m_survey.m_tables.m_depth.RowCount() > 0 &&
            prompter().question(QStringLiteral("Please save deep data!")))
            m_router->dispatch(cmd::ID_SAVE_DEPTH_DATA);
        saveSettings();
        // The chart windows go one after the other, each view before its frame.
        for (CChildFrame* w : chartWindows())
            w->destroyForShutdown();
        m_idleTimer->stop();
        m_bannerTimer->stop();
    }
    event->accept();
}

}  // namespace vantrel
