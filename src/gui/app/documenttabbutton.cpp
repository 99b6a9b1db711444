#include "app/documenttabbutton.h"

#include "charts/cchildframe.h"
#include "common/commandrouter.h"

#include <QAction>
#include <QEvent>
#include <QMdiArea>
#include <QMenu>
#include <QTabBar>
#include <QTimer>

namespace vantrel {

DocumentTabButton::DocumentTabButton(QMdiArea& area, WindowList windows, QAction* windowManager,
                                     CommandRouter* router)
    : QToolButton(&area), m_area(area), m_windows(std::move(windows)), m_windowManager(windowManager),
      m_router(router), m_menu(new QMenu(this))
{
    setObjectName(QStringLiteral("DocumentMenuButton"));
    setIcon(QIcon(QStringLiteral(":/icons/document-menu.svg")));
    setToolTip(tr("Windows"));
    setAutoRaise(true);
    setPopupMode(QToolButton::InstantPopup);
    setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
    setMenu(m_menu);
    hide();
    connect(m_menu, &QMenu::aboutToShow, this, &DocumentTabButton::fillMenu);
    m_area.installEventFilter(this);
}

void DocumentTabButton::fillMenu()
{
    m_menu->clear();
    const auto* active = qobject_cast<CChildFrame*>(m_area.currentSubWindow());
    for (CChildFrame* w : m_windows()) {
        QAction* a = m_menu->addAction(w->windowIcon(), w->documentTitle());
        a->setCheckable(true);
        a->setChecked(w == active);
        connect(a, &QAction::triggered, this, [this, w] { m_area.setActiveSubWindow(w); });
    }
    m_menu->addSeparator();
    m_menu->addAction(m_windowManager);
    if (m_router)
        m_router->updateActions();
}

bool DocumentTabButton::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((watched == &m_area && type == QEvent::Resize) ||
        (qobject_cast<QTabBar*>(watched) &&
         (type == QEvent::Resize || type == QEvent::Show || type == QEvent::Hide)))
        QTimer::singleShot(0, this, &DocumentTabButton::place);
    return QToolButton::eventFilter(watched, event);
}

void DocumentTabButton::place()
{
    auto* tabs = m_area.findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (!tabs || !tabs->isVisible() || m_windows().isEmpty()) {
        hide();
        return;
    }
    if (!tabs->property("vantrelWatched").toBool()) {
        tabs->setProperty("vantrelWatched", true);
        tabs->installEventFilter(this);
        tabs->setExpanding(false);
        tabs->setIconSize(QSize(0, 0));  // no document icons on the tabs
        tabs->setElideMode(Qt::ElideRight);
        connect(tabs, &QTabBar::currentChanged, this, &DocumentTabButton::updateTabCloseButtons);
    }
    const int side = tabs->height();
    const int width = side + 4;
    const int full = m_area.width();
    if (tabs->width() != full - width)
        tabs->setGeometry(tabs->x(), tabs->y(), full - width, side);
    setGeometry(full - width, tabs->y(), width, side);
    show();
    raise();
}

void DocumentTabButton::updateTabCloseButtons()
{
    auto* tabs = m_area.findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (!tabs)
        return;
    for (int i = 0; i < tabs->count(); ++i) {
        for (auto side : {QTabBar::LeftSide, QTabBar::RightSide})
            if (QWidget* b = tabs->tabButton(i, side))
                b->setVisible(i == tabs->currentIndex());
    }
}

}  // namespace vantrel
