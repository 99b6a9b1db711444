#include "charts/cchildframe.h"

#include "common/commandids.h"

#include <QIcon>

namespace vantrel {

CChildFrame::CChildFrame(const QString& title, QWidget* parent) : QMdiSubWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/icons/chart-window.svg")));
    auto* view = new QWidget;
    view->setObjectName(QStringLiteral("ChartView"));
    view->setAutoFillBackground(true);
    view->setBackgroundRole(QPalette::Base);
    view->setMinimumSize(320, 200);
    setWidget(view);
    setDocumentTitle(title);
    // The document closes its window (Close(&C) in the File menu).
    m_documentCommands.add(cmd::ID_FILE_CLOSE, [this] { close(); });
}

CChildFrame::~CChildFrame() = default;

void CChildFrame::setDocumentTitle(const QString& title)
{
    m_title = title;
    setWindowTitle(title);
    Q_EMIT titleChanged(title);
}

CommandMap* CChildFrame::commands(CommandRouter::Level level)
{
    switch (level) {
    case CommandRouter::Level::View: return &m_viewCommands;
    case CommandRouter::Level::Document: return &m_documentCommands;
    case CommandRouter::Level::ChildFrame: return &m_frameCommands;
    default: return nullptr;
    }
}

void CChildFrame::setView(QWidget* view)
{
    QWidget* old = widget();
    setWidget(view);
    delete old;
}

void CChildFrame::destroyForShutdown()
{
    if (m_shutdownHook) {
        auto hook = std::move(m_shutdownHook);
        hook();
    }
    delete widget();
    close();
}

}  // namespace vantrel
