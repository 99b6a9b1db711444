#include "cvantrelview.h"

#include "common/commandids.h"
#include "cdialog_pm.h"
#include "cdialog_pmpm.h"
#include "chartcontrol.h"
#include "chartexport.h"
#include "common/prompter.h"
#include "cprintframe.h"
#include "graphs/circulargraph.h"
#include "graphs/circularprint.h"
#include "sectionchart.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QPrinter>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

#include <algorithm>
#include <climits>

namespace vantrel {

CVantrelView::CVantrelView(QWidget* parent) : QScrollArea(parent)
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
    } else if (kind == GraphKind::Section && count > 0) {
        auto* section = new SectionChart;
        section->setMinimumHeight(kTitleRoom + 4 * kMinimumBand);
        setWidgetResizable(true);
        setWidget(section);
        m_section = section;
        section->SetChartTitle(title);
        connect(section, &SectionChart::pointerMoved, this, &CVantrelView::showPointer);
        connect(section, &SectionChart::noteChanged, this, &CVantrelView::showPointer);
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
        }
        setWidgetResizable(false);
        setWidget(canvas);
    }
    m_kind = kind;
}

QMenu* CVantrelView::createEditMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    const struct {
        const char* text;
        int id;
    } items[] = {{"剪切(&T)\tCtrl+X", cmd::ID_EDIT_CUT},
                 {"复制(&C)\tCtrl+C", cmd::ID_EDIT_COPY},
                 {"粘贴(&P)\tCtrl+V", cmd::ID_EDIT_PASTE}};
    for (const auto& item : items) {
        QAction* action = menu->addAction(QString::fromUtf8(item.text));
        action->setData(item.id);
        action->setEnabled(false);
    }
    return menu;
}

void CVantrelView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createEditMenu(this);
    menu->exec(event->globalPos());
    delete menu;
    event->accept();
}

void CVantrelView::PromptSaveGraph()
{
    if (m_kind == GraphKind::Circular)
        return;
    if (m_profile) {
        m_profile->PromptSaveGraph();
        return;
    }
    Prompter* prompter = ApplicationPrompter();
    if (!prompter || !prompter->question(QStringLiteral("Please save graph data!")))
        return;
    // A window without a chart asks all the same, but has nothing to offer.
    if (ChartControl* chart = this->chart())
        ExportChartPicture(*chart, *prompter);
}

void CVantrelView::PrintGraph()
{
    Prompter* prompter = ApplicationPrompter();
    // A window whose graph was never set up prints nothing, without a word.
    if (!prompter || m_kind == GraphKind::None)
        return;
    const QString nothing =
        QCoreApplication::translate("CMainFrame", "There is no picture to print at the current window!");
    if (m_kind == GraphKind::Circular) {
        if (m_circular.empty()) {
            prompter->message(nothing);
            return;
        }
        if (!m_printFrame) {
            const auto pages = CircularPrintPageCount(m_circular.size());
            m_printFrame = new CPrintFrame(this, static_cast<int>(std::min<std::uint64_t>(pages, INT_MAX)),
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
        prompter->message(nothing);
        return;
    }
    // At the screen's resolution the chart's texts, sized in points, keep
    // their size against its lines; the page stays vectors all the same.
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setDocName(chart->title());
    // A wide chart starts on a landscape page, so it gets the paper's length.
    printer.setPageOrientation(chart->width() > chart->height() ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait);
    if (!prompter->print(printer, 1, 1))
        return;
    if (!chart->print(printer))
        prompter->message(tr("The graph could not be printed."));
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
    ChartControl* chart = this->chart();
    Prompter* prompter = ApplicationPrompter();
    if (chart && prompter)
        ExportChartPicture(*chart, *prompter);
}

void CVantrelView::showPointer(const QString& text)
{
    auto* frame = qobject_cast<QMainWindow*>(window());
    if (!frame || !frame->statusBar())
        return;
    if (text.isEmpty())
        frame->statusBar()->clearMessage();
    else
        frame->statusBar()->showMessage(text);
}

}  // namespace vantrel
