#include "charts/bandlayout.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

BandLayout::~BandLayout()
{
    // Elements are owned by the layout, as in QCustomPlot's own layouts.
    while (!m_items.empty())
        delete takeAt(0);
}

void BandLayout::addElement(QCPLayoutElement* element)
{
    if (!element)
        return;
    if (element->layout())
        element->layout()->take(element);
    m_items.push_back({element, 0, 100});
    adoptElement(element);
}

void BandLayout::setBand(int index, double start, double end)
{
    if (index < 0 || index >= elementCount())
        return;
    m_items[static_cast<std::size_t>(index)].start = start;
    m_items[static_cast<std::size_t>(index)].end = end;
}

double BandLayout::bandStart(int index) const
{
    return index >= 0 && index < elementCount() ? m_items[static_cast<std::size_t>(index)].start : 0;
}

double BandLayout::bandEnd(int index) const
{
    return index >= 0 && index < elementCount() ? m_items[static_cast<std::size_t>(index)].end : 0;
}

QCPLayoutElement* BandLayout::elementAt(int index) const
{
    return index >= 0 && index < elementCount() ? m_items[static_cast<std::size_t>(index)].element : nullptr;
}

QCPLayoutElement* BandLayout::takeAt(int index)
{
    if (index < 0 || index >= elementCount())
        return nullptr;
    QCPLayoutElement* element = m_items[static_cast<std::size_t>(index)].element;
    m_items.erase(m_items.begin() + index);
    releaseElement(element);
    return element;
}

bool BandLayout::take(QCPLayoutElement* element)
{
    for (int i = 0; i < elementCount(); ++i)
        if (m_items[static_cast<std::size_t>(i)].element == element) {
            takeAt(i);
            return true;
        }
    return false;
}

void BandLayout::updateLayout()
{
    const QRect area = rect();
    for (const Item& item : m_items) {
        // Start and end may come in either order (an axis gets its end first).
        const double lo = std::clamp(std::min(item.start, item.end), 0.0, 100.0);
        const double hi = std::clamp(std::max(item.start, item.end), 0.0, 100.0);
        const int top = area.top() + static_cast<int>(std::lround(area.height() * lo / 100.0));
        const int bottom = area.top() + static_cast<int>(std::lround(area.height() * hi / 100.0));
        item.element->setOuterRect(QRect(area.left(), top, area.width(), std::max(0, bottom - top)));
    }
}

}  // namespace vantrel
