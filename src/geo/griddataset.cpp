#include "griddataset.h"

#include "gdalerrortrap.h"
#include "sectiongrid.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vantrel::geo {

GridDataset::GridDataset(const SectionGrid& grid)
{
    RegisterGdalDrivers();
    // -9999 is what most tools expect; a reading that happens to be it
    // moves the marker on.
    for (const double candidate : {-9999.0, -99999.0, -999999.0, -3.0e38}) {
        m_noData = candidate;
        if (std::none_of(grid.values.begin(), grid.values.end(),
                         [&](float v) { return v == static_cast<float>(candidate); }))
            break;
    }
    GDALDriverH memory = GDALGetDriverByName("MEM");
    m_dataset = GDALCreate(memory, "", grid.columns, grid.rows, 1, GDT_Float32, nullptr);
    if (!m_dataset)
        return;
    double transform[6] = {grid.x0 - grid.dx / 2,          grid.dx, 0,
                           -grid.depth0 + grid.dDepth / 2, 0,       -grid.dDepth};
    GDALSetGeoTransform(m_dataset, transform);
    GDALRasterBandH band = Band();
    GDALSetRasterNoDataValue(band, m_noData);
    std::vector<float> cells(grid.values);
    for (float& v : cells)
        if (!std::isfinite(v))
            v = static_cast<float>(m_noData);
    if (GDALRasterIO(band, GF_Write, 0, 0, grid.columns, grid.rows, cells.data(), grid.columns, grid.rows,
                     GDT_Float32, 0, 0) != CE_None) {
        GDALClose(m_dataset);
        m_dataset = nullptr;
    }
}

GridDataset::~GridDataset()
{
    if (m_dataset)
        GDALClose(m_dataset);
}

GDALRasterBandH GridDataset::Band() const
{
    return m_dataset ? GDALGetRasterBand(m_dataset, 1) : nullptr;
}

}  // namespace vantrel::geo
