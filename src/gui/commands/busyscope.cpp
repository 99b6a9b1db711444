#include "commands/busyscope.h"

#include <algorithm>

namespace vantrel {

BusyScope::BusyScope(Report report, const QString& text) : m_report(std::move(report)), m_text(text)
{
    show(text);
}

BusyScope::~BusyScope()
{
    if (m_report)
        m_report(false, QString());
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
    if (m_report)
        m_report(true, text);
}

}  // namespace vantrel
