#include "commands/busyscope.h"

#include <QApplication>
#include <QStatusBar>

namespace vantrel {

BusyScope::BusyScope(QStatusBar* statusBar, const QString& text) : m_statusBar(statusBar), m_text(text)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    show(text);
}

BusyScope::~BusyScope()
{
    QApplication::restoreOverrideCursor();
    if (m_statusBar)
        m_statusBar->clearMessage();
}

void BusyScope::progress(std::uint64_t done, std::uint64_t total)
{
    if (total == 0)
        return;
    const int percent = static_cast<int>(std::min<std::uint64_t>(100, done * 100 / total));
    if (percent == m_percent || (m_sinceShown.isValid() && m_sinceShown.elapsed() < 150 && percent < 100))
        return;
    m_percent = percent;
    show(QStringLiteral("%1  %2%").arg(m_text).arg(percent));
}

void BusyScope::show(const QString& text)
{
    m_sinceShown.start();
    if (!m_statusBar)
        return;
    m_statusBar->showMessage(text);
    m_statusBar->repaint();
}

}  // namespace vantrel
