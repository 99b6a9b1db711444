#include "cvantrelview.h"

#include "common/commandids.h"
#include "cdialog_pm.h"
#include "cdialog_pmpm.h"
#include "chartcontrol.h"
#include "graphs/circulargraph.h"
#include "sectionchart.h"

#include <QContextMenuEvent>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

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
    if (m_section) {
        m_section->PromptSaveGraph();
        return;
    }
    // No profile chart was made: the question still comes, but offers nothing.
    CDialog_PMPM empty;
    empty.PromptSaveGraph();
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
