#include "charts/cvantrelview.h"

#include "charts/chartcontrol.h"
#include "charts/chartexport.h"
#include "charts/chartkinds.h"
#include "charts/chartpane.h"
#include "charts/cprintframe.h"
#include "common/commandids.h"
#include "common/commandrouter.h"
#include "common/prompter.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

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

ChartControl* CVantrelView::chart() const
{
    return m_pane ? m_pane->printableChart() : nullptr;
}

bool CVantrelView::drawGraph(const Graph& graph, const ColourMapOptions* colours)
{
    const ChartKind* kind = chartKindOf(graph);
    if (m_pane || !kind)
        return false;  // a window's graph is drawn once
    ChartPane* pane = kind->makePane();
    pane->attach(m_router, m_prompter,
                 [this](QMenu* menu, QWidget* owner, const QPoint& at) { popup(menu, owner, at); });
    connect(pane, &ChartPane::statusText, this, &CVantrelView::showPointer);
    // Before the graph, so that it is worked out once, by these.
    if (ChartControl* chart = pane->printableChart(); chart && colours)
        chart->setColourMapOptions(*colours);
    if (!pane->draw(graph)) {
        delete pane;
        return false;
    }
    setWidgetResizable(pane->fillsView());
    setWidget(pane);
    m_pane = pane;
    m_kind = kind;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    return true;
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
    if (m_pane) {
        m_pane->promptSave(m_prompter);
        return;
    }
    // A window without a graph asks all the same, but has nothing to offer.
    m_prompter.question(ChartPane::tr("Please save graph data!"));
}

void CVantrelView::PrintGraph()
{
    // A window whose graph was never drawn prints nothing, without a word.
    if (m_pane)
        m_pane->print(m_router, m_prompter);
}

CPrintFrame* CVantrelView::printFrame() const
{
    return m_pane ? m_pane->printFrame() : nullptr;
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
    if (CPrintFrame* preview = printFrame())
        preview->close();
    delete takeWidget();
    m_kind = nullptr;
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
    if (!m_kind)
        return used;
    const auto take = [&](bool wanted, int table) {
        if (wanted)
            used.tables[static_cast<std::size_t>(table)] = revision.tables[static_cast<std::size_t>(table)];
    };
    take(m_kind->drawnFrom.processing, OutputTables::ProcessingTab);
    take(m_kind->drawnFrom.depth, OutputTables::DepthTab);
    if (m_kind->drawnFrom.settings)
        used.settings = revision.settings;
    return used;
}

void CVantrelView::checkSource()
{
    if (!m_notifier || !m_kind)
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
