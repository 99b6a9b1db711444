#include "charts/cprintframe.h"

#include "common/commandids.h"
#include "common/commandrouter.h"
#include "common/prompter.h"
#include "charts/customplot.h"

#include <QIcon>
#include <QLabel>
#include <QGuiApplication>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QSpinBox>
#include <QToolBar>

#include <algorithm>

namespace vantrel {

namespace {

// The preview toolbar pictures Qt's print support carries (the same as its
// own preview dialog), after the desktop theme's.
QIcon previewIcon(const char* name)
{
    const QString prefix = QStringLiteral(":/qt-project.org/dialogs/qprintpreviewdialog/images/");
    const QString base = QLatin1String(name);
    QIcon icon = QIcon::fromTheme(base);
    icon.addFile(prefix + base + QStringLiteral("-24.png"), QSize(24, 24));
    icon.addFile(prefix + base + QStringLiteral("-32.png"), QSize(32, 32));
    return icon;
}

}  // namespace

CPrintFrame::CPrintFrame(QWidget* owner, CommandRouter& router, Prompter& prompter, int pageCount,
                         PageCallback drawPage)
    : QMainWindow(nullptr), m_owner(owner), m_router(router), m_prompter(prompter),
      m_pageCount(std::max(1, pageCount)), m_drawPage(std::move(drawPage)),
      m_printer(QPrinter::ScreenResolution)
{
    // The printer works at the screen's resolution: the charts' texts, sized
    // in points, then keep their size against the lines (see
    // CVantrelView::PrintGraph).
    setObjectName(QStringLiteral("PrintPreview"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString ownerTitle = owner ? owner->windowTitle() : QString();
    setWindowTitle(ownerTitle.isEmpty() ? tr("Print Preview") : tr("%1 (Preview)").arg(ownerTitle));
    if (owner)
        setWindowIcon(owner->window()->windowIcon());

    m_printer.setDocName(windowTitle());
    m_preview = new QPrintPreviewWidget(&m_printer, this);
    m_preview->setObjectName(QStringLiteral("PreviewWidget"));
    setCentralWidget(m_preview);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &CPrintFrame::paintPages);
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this, &CPrintFrame::pageShown);
    buildToolBar();
    // The whole screen, also where no window manager maximizes it.
    if (QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());

    // The charts the pages are painted from go with the owner.
    if (owner)
        connect(owner, &QObject::destroyed, this, &QWidget::close);
}

CPrintFrame::~CPrintFrame() = default;

QAction* CPrintFrame::addTool(int id, const QString& text, const char* icon, CommandMap::Run run,
                              CommandMap::State enabled, CommandMap::State checked)
{
    auto* action = new QAction(previewIcon(icon), text, this);
    action->setData(id);
    action->setToolTip(QString(text).remove(QStringLiteral("...")));
    action->setCheckable(bool(checked));
    m_router.ownCommands(this).add(id, std::move(run), std::move(enabled), std::move(checked));
    m_router.addAction(action, this);
    return action;
}

QAction* CPrintFrame::toolAction(int id) const
{
    for (QAction* a : findChildren<QAction*>(Qt::FindDirectChildrenOnly))
        if (a->data().toInt() == id)
            return a;
    return nullptr;
}

void CPrintFrame::buildToolBar()
{
    using namespace cmd;
    QToolBar* bar = addToolBar(tr("Print Preview"));
    bar->setObjectName(QStringLiteral("PreviewToolBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    QAction* print = addTool(ID_PREVIEW_PRINT, tr("Print..."), "printer", [this] { OnPrint(); });
    print->setShortcut(QKeySequence::Print);
    bar->addAction(print);
    bar->addAction(addTool(ID_FILE_PAGE_SETUP, tr("Page Setup..."), "page-setup", [this] { OnPageSetup(); }));
    bar->addSeparator();

    const auto notFirst = [this] { return m_preview->currentPage() > 1; };
    const auto notLast = [this] { return m_preview->currentPage() < m_preview->pageCount(); };
    QAction* first = addTool(
        ID_PREVIEW_FIRST, tr("First Page"), "go-first", [this] { showPage(1); }, notFirst);
    QAction* previous = addTool(
        ID_PREVIEW_PREV, tr("Previous Page"), "go-previous",
        [this] { showPage(m_preview->currentPage() - 1); }, notFirst);
    QAction* next = addTool(
        ID_PREVIEW_NEXT, tr("Next Page"), "go-next", [this] { showPage(m_preview->currentPage() + 1); },
        notLast);
    QAction* last = addTool(
        ID_PREVIEW_LAST, tr("Last Page"), "go-last", [this] { showPage(m_preview->pageCount()); }, notLast);
    previous->setShortcut(QKeySequence::MoveToPreviousPage);
    next->setShortcut(QKeySequence::MoveToNextPage);
    m_page = new QSpinBox;
    m_page->setRange(1, m_pageCount);
    m_page->setAccessibleName(tr("Page"));
    m_pageTotal = new QLabel(tr("of %1").arg(m_pageCount));
    connect(m_page, &QSpinBox::valueChanged, this, [this](int page) {
        if (page != m_preview->currentPage())
            m_preview->setCurrentPage(page);
    });
    for (QAction* a : {first, previous})
        bar->addAction(a);
    bar->addWidget(m_page);
    bar->addWidget(m_pageTotal);
    for (QAction* a : {next, last})
        bar->addAction(a);
    bar->addSeparator();

    QAction* zoomIn = addTool(ID_PREVIEW_ZOOMIN, tr("Zoom In"), "zoom-in", [this] {
        m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
        m_preview->zoomIn();
    });
    QAction* zoomOut = addTool(ID_PREVIEW_ZOOMOUT, tr("Zoom Out"), "zoom-out", [this] {
        m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
        m_preview->zoomOut();
    });
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    QAction* fitWidth = addTool(ID_PREVIEW_FIT_WIDTH, tr("Fit Width"), "zoom-fit-width",
                                [this] { m_preview->setZoomMode(QPrintPreviewWidget::FitToWidth); });
    QAction* fitPage = addTool(ID_PREVIEW_FIT_PAGE, tr("Fit Page"), "zoom-fit-page",
                               [this] { m_preview->setZoomMode(QPrintPreviewWidget::FitInView); });
    for (QAction* a : {zoomIn, zoomOut, fitWidth, fitPage})
        bar->addAction(a);
    bar->addSeparator();

    // The view and the orientation show checked as the preview has them.
    const auto viewTool = [this](int id, const QString& text, const char* icon,
                                 QPrintPreviewWidget::ViewMode mode) {
        return addTool(
            id, text, icon, [this, mode] { m_preview->setViewMode(mode); }, {},
            [this, mode] { return m_preview->viewMode() == mode; });
    };
    QAction* single = viewTool(ID_PREVIEW_ONE_PAGE, tr("One Page"), "view-pages-single",
                               QPrintPreviewWidget::SinglePageView);
    QAction* facing = viewTool(ID_PREVIEW_TWO_PAGES, tr("Two Pages"), "view-pages-facing",
                               QPrintPreviewWidget::FacingPagesView);
    QAction* all = viewTool(ID_PREVIEW_ALL_PAGES, tr("All Pages"), "view-pages-overview",
                            QPrintPreviewWidget::AllPagesView);
    for (QAction* a : {single, facing, all})
        bar->addAction(a);
    bar->addSeparator();

    const auto landscape = [this] { return m_printer.pageLayout().orientation() == QPageLayout::Landscape; };
    QAction* portraitTool = addTool(
        ID_PREVIEW_PORTRAIT, tr("Portrait"), "layout-portrait",
        [this] { m_preview->setPortraitOrientation(); }, {}, [landscape] { return !landscape(); });
    QAction* landscapeTool = addTool(
        ID_PREVIEW_LANDSCAPE, tr("Landscape"), "layout-landscape",
        [this] { m_preview->setLandscapeOrientation(); }, {}, landscape);
    for (QAction* a : {portraitTool, landscapeTool})
        bar->addAction(a);
    bar->addSeparator();

    QAction* close = addTool(ID_PREVIEW_CLOSE, tr("Close"), "window-close", [this] { this->close(); });
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    close->setIcon(QIcon::fromTheme(QStringLiteral("window-close")));
    bar->addAction(close);
    // Without a picture of its own the close button shows its text only.
    bar->widgetForAction(close)->setProperty("toolButtonStyle", int(Qt::ToolButtonTextOnly));
    for (QAction* a : {fitWidth, fitPage, zoomIn, zoomOut, first, previous, next, last, single, facing, all,
                       portraitTool, landscapeTool})
        if (QWidget* button = bar->widgetForAction(a))
            button->setProperty("toolButtonStyle", int(Qt::ToolButtonIconOnly));
    m_router.updateActions();
}

void CPrintFrame::showPage(int page)
{
    m_preview->setCurrentPage(std::clamp(page, 1, std::max(1, m_preview->pageCount())));
    pageShown();
}

void CPrintFrame::pageShown()
{
    const int page = m_preview->currentPage();
    if (m_page->value() != page) {
        const QSignalBlocker quiet(m_page);
        m_page->setValue(page);
    }
    m_router.updateActions();
}

void CPrintFrame::paintPages(QPrinter* printer)
{
    int from = 1;
    int to = m_pageCount;
    // The preview always shows every page; a print job prints the pages the
    // print dialog chose.
    if (m_printing && printer->printRange() == QPrinter::PageRange && printer->fromPage() > 0) {
        from = std::max(1, printer->fromPage());
        to = std::min(m_pageCount, printer->toPage() > 0 ? printer->toPage() : m_pageCount);
    }
    QCPPainter painter;
    if (!painter.begin(printer)) {
        m_failed = true;
        return;
    }
    const QSize area(printer->width(), printer->height());
    for (int page = from; page <= to; ++page) {
        if (page > from)
            printer->newPage();
        painter.save();
        m_drawPage(painter, area, page);
        painter.restore();
    }
    painter.end();
}

void CPrintFrame::OnPrint()
{
    if (m_prompter.print(m_printer, 1, m_pageCount)) {
        m_printing = true;
        m_failed = false;
        m_preview->print();
        m_printing = false;
        if (m_failed || m_printer.printerState() == QPrinter::Error)
            m_prompter.message(tr("The graph could not be printed."));
    }
    close();
}

void CPrintFrame::OnPageSetup()
{
    if (m_prompter.pageSetup(m_printer))
        m_preview->updatePreview();
}

}  // namespace vantrel
