#pragma once

#include "charts/customplot.h"

#include <vector>

namespace vantrel {

/// Lays its elements out one above the other by bands given in percent of
/// its own height, counted from the top (0 the top edge, 100 the bottom), so
/// the first of stacked bands is the top one.
/// Bands may overlap or leave gaps; each element spans the whole width.
class BandLayout : public QCPLayout {
    Q_OBJECT
public:
    BandLayout() = default;
    ~BandLayout() override;

    /// Adds `element` (the layout takes it) with the band 0..100.
    void addElement(QCPLayoutElement* element);
    void setBand(int index, double start, double end);
    double bandStart(int index) const;
    double bandEnd(int index) const;

    int elementCount() const override { return static_cast<int>(m_items.size()); }
    QCPLayoutElement* elementAt(int index) const override;
    QCPLayoutElement* takeAt(int index) override;
    bool take(QCPLayoutElement* element) override;

protected:
    void updateLayout() override;

private:
    struct Item {
        QCPLayoutElement* element = nullptr;
        double start = 0;
        double end = 100;
    };
    std::vector<Item> m_items;
};

}  // namespace vantrel
