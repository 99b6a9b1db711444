#include "cprintframe.h"

#include "chartexport.h"
#include "common/prompter.h"
#include "customplot.h"

#include <QActionGroup>
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
QIcon PreviewIcon(const char* name)
{
    const QString prefix = QStringLiteral(":/qt-project.org/dialogs/qprintpreviewdialog/images/");
    const QString base = QLatin1String(name);
    QIcon icon = QIcon::fromTheme(base);
    icon.addFile(prefix + base + QStringLiteral("-24.png"), QSize(24, 24));
    icon.addFile(prefix + base + QStringLiteral("-32.png"), QSize(32, 32));
    return icon;
}

}  // namespace

CPrintFrame::CPrintFrame(QWidget* owner, int pageCount, PageCallback drawPage)
    : QMainWindow(nullptr), m_owner(owner), m_pageCount(std::max(1, pageCount)),
      m_drawPage(std::move(drawPage)), m_printer(QPrinter::ScreenResolution)
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

QAction* CPrintFrame::addTool(const QString& name, const QString& text, const char* icon,
                              std::function<void()> run)
{
    auto* action = new QAction(PreviewIcon(icon), text, this);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    return action;
}

QAction* CPrintFrame::toolAction(const QString& name) const
{
    return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

void CPrintFrame::buildToolBar()
{
    QToolBar* bar = addToolBar(tr("Print Preview"));
    bar->setObjectName(QStringLiteral("PreviewToolBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    QAction* print = addTool(QStringLiteral("print"), tr("Print..."), "printer", [this] { OnPrint(); });
    print->setShortcut(QKeySequence::Print);
    bar->addAction(print);
    bar->addAction(
        addTool(QStringLiteral("pageSetup"), tr("Page Setup..."), "page-setup", [this] { OnPageSetup(); }));
    bar->addSeparator();

    QAction* first = addTool(QStringLiteral("first"), tr("First Page"), "go-first", [this] { showPage(1); });
    QAction* previous = addTool(QStringLiteral("previous"), tr("Previous Page"), "go-previous",
                                [this] { showPage(m_preview->currentPage() - 1); });
    QAction* next = addTool(QStringLiteral("next"), tr("Next Page"), "go-next",
                            [this] { showPage(m_preview->currentPage() + 1); });
    QAction* last = addTool(QStringLiteral("last"), tr("Last Page"), "go-last",
                            [this] { showPage(m_preview->pageCount()); });
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

    QAction* zoomIn = addTool(QStringLiteral("zoomIn"), tr("Zoom In"), "zoom-in", [this] {
        m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
        m_preview->zoomIn();
    });
    QAction* zoomOut = addTool(QStringLiteral("zoomOut"), tr("Zoom Out"), "zoom-out", [this] {
        m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
        m_preview->zoomOut();
    });
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    QAction* fitWidth = addTool(QStringLiteral("fitWidth"), tr("Fit Width"), "zoom-fit-width",
                                [this] { m_preview->setZoomMode(QPrintPreviewWidget::FitToWidth); });
    QAction* fitPage = addTool(QStringLiteral("fitPage"), tr("Fit Page"), "zoom-fit-page",
                               [this] { m_preview->setZoomMode(QPrintPreviewWidget::FitInView); });
    for (QAction* a : {zoomIn, zoomOut, fitWidth, fitPage})
        bar->addAction(a);
    bar->addSeparator();

    auto* pages = new QActionGroup(this);
    QAction* single = addTool(QStringLiteral("single"), tr("One Page"), "view-pages-single",
                              [this] { m_preview->setViewMode(QPrintPreviewWidget::SinglePageView); });
    QAction* facing = addTool(QStringLiteral("facing"), tr("Two Pages"), "view-pages-facing",
                              [this] { m_preview->setViewMode(QPrintPreviewWidget::FacingPagesView); });
    QAction* all = addTool(QStringLiteral("all"), tr("All Pages"), "view-pages-overview",
                           [this] { m_preview->setViewMode(QPrintPreviewWidget::AllPagesView); });
    for (QAction* a : {single, facing, all}) {
        a->setCheckable(true);
        pages->addAction(a);
        bar->addAction(a);
    }
    single->setChecked(true);
    bar->addSeparator();

    auto* orientation = new QActionGroup(this);
    QAction* portrait = addTool(QStringLiteral("portrait"), tr("Portrait"), "layout-portrait",
                                [this] { m_preview->setPortraitOrientation(); });
    QAction* landscape = addTool(QStringLiteral("landscape"), tr("Landscape"), "layout-landscape",
                                 [this] { m_preview->setLandscapeOrientation(); });
    for (QAction* a : {portrait, landscape}) {
        a->setCheckable(true);
        orientation->addAction(a);
        bar->addAction(a);
    }
    portrait->setChecked(m_printer.pageLayout().orientation() == QPageLayout::Portrait);
    landscape->setChecked(!portrait->isChecked());
    bar->addSeparator();

    QAction* close = addTool(QStringLiteral("close"), tr("Close"), "window-close", [this] { this->close(); });
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    close->setIcon(QIcon::fromTheme(QStringLiteral("window-close")));
    bar->addAction(close);
    // Without a picture of its own the close button shows its text only.
    bar->widgetForAction(close)->setProperty("toolButtonStyle", int(Qt::ToolButtonTextOnly));
    for (QAction* a : {fitWidth, fitPage, zoomIn, zoomOut, first, previous, next, last, single, facing, all,
                       portrait, landscape})
        if (QWidget* button = bar->widgetForAction(a))
            button->setProperty("toolButtonStyle", int(Qt::ToolButtonIconOnly));
    for (QAction* a : {fitWidth, fitPage, zoomIn, zoomOut, first, previous, next, last, single, facing, all,
                       portrait, landscape, print, close})
        a->setToolTip(a->text().remove(QStringLiteral("...")));
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
    const bool landscape = m_printer.pageLayout().orientation() == QPageLayout::Landscape;
    toolAction(QStringLiteral("landscape"))->setChecked(landscape);
    toolAction(QStringLiteral("portrait"))->setChecked(!landscape);
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
    Prompter* prompter = ApplicationPrompter();
    if (prompter && prompter->print(m_printer, 1, m_pageCount)) {
        m_printing = true;
        m_failed = false;
        m_preview->print();
        m_printing = false;
        if (m_failed || m_printer.printerState() == QPrinter::Error)
            prompter->message(tr("The graph could not be printed."));
    }
    close();
}

void CPrintFrame::OnPageSetup()
{
    Prompter* prompter = ApplicationPrompter();
    if (prompter && prompter->pageSetup(m_printer))
        m_preview->updatePreview();
}

}  // namespace vantrel
