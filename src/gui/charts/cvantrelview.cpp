#include "charts/cvantrelview.h"

#include "common/commandids.h"
#include "common/commandrouter.h"
#include "charts/cdialog_pm.h"
#include "charts/cdialog_pmpm.h"
#include "charts/chartcontrol.h"
#include "charts/chartexport.h"
#include "common/prompter.h"
#include "charts/cprintframe.h"
#include "graphs/circulargraph.h"
#include "graphs/circularprint.h"
#include "charts/sectionchart.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>

#include <algorithm>
#include <climits>

namespace vantrel {

CVantrelView::CVantrelView(CommandRouter& router, Prompter& prompter, QWidget* parent)
    : QScrollArea(parent), m_router(router), m_prompter(prompter)
{
    setObjectName(QStringLiteral("ChartView"));
    setFrameShape(QFrame::NoFrame);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setMinimumSize(320, 200);
}

CVantrelView::~CVantrelView() = default;

CDialog_PM* CVantrelView::circularDialog(int graph) const
{
    const auto it = m_circular.find(graph);
    return it == m_circular.end() ? nullptr : it->second;
}

ChartControl* CVantrelView::chart() const
{
    if (m_profile)
        return m_profile->chart();
    if (m_section)
        return m_section->chart();
    return nullptr;
}

void CVantrelView::SetUpGraph(GraphKind kind, std::uint32_t count, const QString& title)
{
    if (m_kind != GraphKind::None || m_profile || m_section || !m_circular.empty())
        return;  // a window's graph is set up once
    if ((kind == GraphKind::Vertical || kind == GraphKind::Plane) && count > 0) {
        auto* dialog = new CDialog_PMPM;
        // Bands never shrink below what keeps their labels apart; a small
        // window scrolls instead.
        dialog->setMinimumHeight(kTitleRoom + static_cast<int>(count) * kMinimumBand);
        setWidgetResizable(true);
        setWidget(dialog);
        m_profile = dialog;
        dialog->StackAxes(static_cast<int>(count));
        dialog->SetChartTitle(title);
        connect(dialog, &CDialog_PMPM::pointerMoved, this, &CVantrelView::showPointer);
        offerMenu(dialog);
    } else if (kind == GraphKind::Section && count > 0) {
        auto* section = new SectionChart;
        section->setMinimumHeight(kTitleRoom + 4 * kMinimumBand);
        setWidgetResizable(true);
        setWidget(section);
        m_section = section;
        section->SetChartTitle(title);
        connect(section, &SectionChart::pointerMoved, this, &CVantrelView::showPointer);
        connect(section, &SectionChart::noteChanged, this, &CVantrelView::showPointer);
        offerMenu(section);
    } else if (kind == GraphKind::Circular && count > 0) {
        const CircularGrid grid = CircularGridOf(count);
        auto* canvas = new QWidget;
        canvas->setObjectName(QStringLiteral("CircularGrid"));
        canvas->setFixedSize(grid.scrollWidth, grid.scrollHeight);
        for (std::size_t i = 0; i < grid.cells.size(); ++i) {
            const GridCell& cell = grid.cells[i];
            auto* dialog = new CDialog_PM(canvas);
            dialog->setGeometry(cell.x, cell.y, cell.width, cell.height);
            dialog->show();
            m_circular[static_cast<int>(i)] = dialog;
            connect(dialog, &CDialog_PM::pointerMoved, this, &CVantrelView::showPointer);
            offerMenu(dialog);
        }
        setWidgetResizable(false);
        setWidget(canvas);
    }
    m_kind = kind;
}

template <typename Chart>
void CVantrelView::offerMenu(Chart* chart)
{
    m_router.ownCommands(chart).add(Chart::kPropertiesCommand,
                                    [this, chart] { chart->OnProperties(m_prompter); });
    connect(chart, &Chart::contextMenuWanted, this,
            [this, chart](const QPoint& at) { popup(chart->createContextMenu(this), chart, at); });
}

QMenu* CVantrelView::createEditMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    const struct {
        const char* text;
        int id;
    } items[] = {{QT_TR_NOOP("Cu&t\tCtrl+X"), cmd::ID_EDIT_CUT},
                 {QT_TR_NOOP("&Copy\tCtrl+C"), cmd::ID_EDIT_COPY},
                 {QT_TR_NOOP("&Paste\tCtrl+V"), cmd::ID_EDIT_PASTE}};
    for (const auto& item : items)
        menu->addAction(tr(item.text))->setData(item.id);
    return menu;
}

void CVantrelView::popup(QMenu* menu, QWidget* owner, const QPoint& at)
{
    m_router.popup(menu, owner, at);
    delete menu;
    if (owner != this)
        owner->setFocus();
}

void CVantrelView::contextMenuEvent(QContextMenuEvent* event)
{
    popup(createEditMenu(this), this, event->globalPos());
    event->accept();
}

void CVantrelView::PromptSaveGraph()
{
    if (m_kind == GraphKind::Circular)
        return;
    if (m_profile) {
        m_profile->PromptSaveGraph(m_prompter);
        return;
    }
    if (!m_prompter.question(tr("Please save graph data!")))
        return;
    // A window without a chart asks all the same, but has nothing to offer.
    if (ChartControl* chart = this->chart())
        exportChartPicture(*chart, m_prompter);
}

void CVantrelView::PrintGraph()
{
    // A window whose graph was never set up prints nothing, without a word.
    if (m_kind == GraphKind::None)
        return;
    const QString nothing = tr("There is no picture to print at the current window!");
    if (m_kind == GraphKind::Circular) {
        if (m_circular.empty()) {
            m_prompter.message(nothing);
            return;
        }
        if (!m_printFrame) {
            const auto pages = CircularPrintPageCount(m_circular.size());
            m_printFrame = new CPrintFrame(this, m_router, m_prompter,
                                           static_cast<int>(std::min<std::uint64_t>(pages, INT_MAX)),
                                           [this](QCPPainter& painter, const QSize& area, int page) {
                                               DrawCircularPrintPage(painter, area, page);
                                           });
        }
        m_printFrame->showMaximized();
        m_printFrame->raise();
        m_printFrame->activateWindow();
        return;
    }
    ChartControl* chart = this->chart();
    if (!chart) {
        m_prompter.message(nothing);
        return;
    }
    // At the screen's resolution the chart's texts, sized in points, keep
    // their size against its lines; the page stays vectors all the same.
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setDocName(chart->title());
    // A wide chart starts on a landscape page, so it gets the paper's length.
    printer.setPageOrientation(chart->width() > chart->height() ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait);
    if (!m_prompter.print(printer, 1, 1))
        return;
    if (!chart->print(printer))
        m_prompter.message(tr("The graph could not be printed."));
}

CPrintFrame* CVantrelView::printFrame() const
{
    return m_printFrame;
}

void CVantrelView::DrawCircularPrintPage(QCPPainter& painter, const QSize& area, int page)
{
    for (const auto& [key, dialog] : m_circular) {
        ChartControl* chart = dialog ? dialog->chart() : nullptr;
        if (!chart)
            continue;
        // The chart as the window shows it, scaled evenly into its cell.
        const QSize size = chart->width() > 1 && chart->height() > 1
            ? chart->size()
            : QSize(CDialog_PM::kSide, CDialog_PM::kSide);
        const auto cell =
            CircularPrintCell(key, page, area.width(), area.height(), size.width(), size.height());
        if (!cell)
            continue;
        painter.save();
        painter.translate(cell->x, cell->y);
        painter.scale(cell->width / size.width(), cell->height / size.height());
        chart->render(&painter, size);
        painter.restore();
    }
}

void CVantrelView::OnSavePicture()
{
    if (ChartControl* chart = this->chart())
        exportChartPicture(*chart, m_prompter);
}

void CVantrelView::showPointer(const QString& text)
{
    Q_EMIT statusInfo(text, 0);
}

void CVantrelView::ClearGraph()
{
    if (m_printFrame)
        m_printFrame->close();
    delete takeWidget();
    m_circular.clear();
    m_kind = GraphKind::None;
}

void CVantrelView::followSurvey(SurveyNotifier& notifier, std::function<void()> redraw)
{
    if (m_notifier != &notifier) {
        if (m_notifier)
            m_notifier->disconnect(this);
        m_notifier = &notifier;
        connect(&notifier, &SurveyNotifier::changed, this, &CVantrelView::checkSource);
    }
    m_redrawGraph = std::move(redraw);
    markDrawn();
}

void CVantrelView::markDrawn()
{
    if (m_notifier)
        m_drawnFrom = sourceOf(m_notifier->revision());
    if (m_staleBar)
        m_staleBar->hide();
    setViewportMargins(0, 0, 0, 0);
}

SurveyRevision CVantrelView::sourceOf(const SurveyRevision& revision) const
{
    SurveyRevision used;
    const auto take = [&](int table) {
        used.tables[static_cast<std::size_t>(table)] = revision.tables[static_cast<std::size_t>(table)];
    };
    switch (m_kind) {
    case GraphKind::Vertical:
        take(OutputTables::DepthTab);
        used.settings = revision.settings;
        break;
    case GraphKind::Plane:
        take(OutputTables::ProcessingTab);
        used.settings = revision.settings;
        break;
    case GraphKind::Circular:
        take(OutputTables::ProcessingTab);
        take(OutputTables::DepthTab);
        break;
    case GraphKind::Section: take(OutputTables::DepthTab); break;
    case GraphKind::None: break;
    }
    return used;
}

void CVantrelView::checkSource()
{
    if (!m_notifier || m_kind == GraphKind::None)
        return;
    if (sourceOf(m_notifier->revision()) == m_drawnFrom) {
        // Undo or Redo back to the state it was drawn from.
        markDrawn();
        return;
    }
    if (!isOutOfDate())
        showOutOfDate(tr("The data this chart was drawn from has changed: the picture is out of date."));
}

void CVantrelView::showOutOfDate(const QString& text)
{
    if (!m_staleBar) {
        m_staleBar = new QFrame(this);
        m_staleBar->setObjectName(QStringLiteral("OutOfDateBar"));
        // A style sheet of its own: the looks' sheets would override a palette.
        m_staleBar->setStyleSheet(QStringLiteral("#OutOfDateBar { background: #fff3cd; border: none;"
                                                 " border-bottom: 1px solid #e0c46c; }"
                                                 "#OutOfDateBar QLabel { color: #5a3c00; }"));
        auto* layout = new QHBoxLayout(m_staleBar);
        layout->setContentsMargins(8, 3, 8, 3);
        m_staleText = new QLabel(m_staleBar);
        m_staleText->setWordWrap(true);
        m_redraw = new QPushButton(tr("Redraw"), m_staleBar);
        m_redraw->setObjectName(QStringLiteral("Redraw"));
        layout->addWidget(m_staleText, 1);
        layout->addWidget(m_redraw);
        connect(m_redraw, &QPushButton::clicked, this, [this] {
            if (m_redrawGraph)
                m_redrawGraph();
        });
    }
    m_staleText->setText(text);
    m_redraw->setEnabled(static_cast<bool>(m_redrawGraph));
    m_staleBar->show();
    m_staleBar->raise();
    placeBar();
}

bool CVantrelView::isOutOfDate() const
{
    return m_staleBar && !m_staleBar->isHidden();
}

void CVantrelView::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    placeBar();
}

void CVantrelView::placeBar()
{
    if (!isOutOfDate())
        return;
    const int height = m_staleBar->heightForWidth(width()) > 0 ? m_staleBar->heightForWidth(width())
                                                               : m_staleBar->sizeHint().height();
    m_staleBar->setGeometry(0, 0, width(), height);
    setViewportMargins(0, height, 0, 0);
}

}  // namespace vantrel
