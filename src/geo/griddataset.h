#pragma once

#include <gdal.h>

namespace vantrel::geo {

struct SectionGrid;

/// A section grid as a GDAL dataset in memory, one float32 band: X is the
/// position along the line, Y the depth negative down (row 0 the shallowest,
/// at the top), blank nodes set to a NoData value that no reading has.
class GridDataset {
public:
    explicit GridDataset(const SectionGrid& grid);
    ~GridDataset();
    GridDataset(const GridDataset&) = delete;
    GridDataset& operator=(const GridDataset&) = delete;

    GDALDatasetH Handle() const { return m_dataset; }
    GDALRasterBandH Band() const;
    double NoData() const { return m_noData; }

private:
    GDALDatasetH m_dataset = nullptr;
    double m_noData = -9999;
};

}  // namespace vantrel::geo
