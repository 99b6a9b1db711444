// The section of one file of a big survey through GDAL: gridding by each
// method and contouring against building the section and its measured cells,
// and each export against writing the depth CSV of that file, side by side:
// as the window exports (the grid it shows, written once) and as the command
// line does (gridding, then writing). Contour lines are exported by the
// command line only; their window column writes the lines of a grid made.
//
// Usage: section_export_bench FILE [FILE_NUMBER]   (bench/section_bench.sh makes FILE)

#include "datafile/datafilereader.h"
#include "datafile/depthwriter.h"
#include "geo/sectioncontours.h"
#include "geo/sectionexport.h"
#include "geo/sectiongrid.h"
#include "graphs/contourlevels.h"
#include "graphs/sectiongraph.h"
#include "numbers.h"
#include "processing/dataselection.h"
#include "processing/depthcalculation.h"
#include "survey.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

using namespace vantrel;

namespace {

/// The best of five runs, in seconds.
double Best(const std::function<void()>& run)
{
    double best = 1e30;
    for (int i = 0; i < 5; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        best =
            std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: section_export_bench FILE [FILE_NUMBER]\n");
        return 2;
    }
    const int fileNumber = argc > 2 ? CAtoi(argv[2]) : 1;
    Survey s;
    DataFileReader reader(s.m_frame, s.m_tables, s.m_tree);
    if (!reader.ReadFile(argv[1]).Ok()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    // Only the file's rows are chosen, so the depth CSV is that file's.
    for (std::size_t f = 0; f < s.m_tree.Files().size(); ++f)
        if (s.m_tree.Files()[f].fileNumber == fileNumber)
            s.m_tree.ClickFileCheckBox(static_cast<int>(f));
    SelectData(s.m_tree, s.m_tables, s.m_frame);
    CalculateDepth(s.m_tables);
    const DataTable& depth = s.m_tables.Depth();
    std::printf("file %d: %zu depth rows\n", fileNumber, depth.RowCount());

    const auto folder = std::filesystem::temp_directory_path() / "vantrel-section-bench";
    std::filesystem::create_directories(folder);
    const auto in = [&](const char* name) { return (folder / name).string(); };

    SectionGraph graph;
    const double section = Best([&] { graph = PseudoSection(depth, fileNumber); });
    const double cells = Best([&] { (void)RasterizeSection(graph, false); });
    std::printf("section %zu positions x %zu depths: %.3f s, measured cells %.3f s\n", graph.x.size(),
                graph.depths.size(), section, cells);
    geo::SectionGrid grid;
    for (const geo::GridMethodInfo& method : geo::GridMethods()) {
        geo::SectionGrid made;
        const double t = Best([&] { made = geo::GridSection(graph, method.method).grid; });
        std::printf("  %-28s %4d x %4d nodes %.3f s (%.2f x section + cells)\n", method.name, made.columns,
                    made.rows, t, t / (section + cells));
        if (method.method == geo::GridMethod::InverseDistance)
            grid = made;
    }
    const SectionColourScale scale = ChooseSectionColourScale(graph, true, false);
    const std::vector<double> levels =
        ContourLevels({ContourChoice::Mode::Automatic, 0, {}}, scale.lower, scale.upper, scale.logarithmic);
    std::size_t lines = 0;
    const double contours = Best([&] { lines = geo::ContourSection(grid, levels).lines.size(); });
    std::printf("  contours: %zu levels, %zu lines %.3f s\n", levels.size(), lines, contours);

    // The window writes the grid it shows, made already; the command line
    // grids the section and then writes it.
    const double csv = Best([&] { DepthWriter::Save(in("depth.csv"), s.m_tables); });
    std::printf("depth CSV of the file: %.4f s (%.1f MB)\n", csv,
                static_cast<double>(std::filesystem::file_size(in("depth.csv"))) / 1e6);
    std::printf("  %-36s %-26s %s\n", "export", "window (grid made)", "command line (grid + write)");
    const auto row = [&](const char* name, double window, double line) {
        std::printf("  %-36s %.4f s (%6.2f x CSV)     %.4f s (%6.2f x CSV)\n", name, window, window / csv,
                    line, line / csv);
    };
    for (const geo::GridFormatInfo& format : geo::GridFormats()) {
        const std::string path = in((std::string("grid-") + format.key + format.extension).c_str());
        const double window = Best([&] { geo::ExportSectionGrid(grid, path, &format); });
        const double line = Best([&] {
            geo::ExportSectionGrid(geo::GridSection(graph, geo::GridMethod::InverseDistance).grid, path,
                                   &format);
        });
        row(format.name, window, line);
    }
    for (const geo::ContourFormatInfo& format : geo::ContourFormats()) {
        const std::string path = in((std::string("contours") + format.extension).c_str());
        const double window = Best([&] { geo::ExportSectionContours(grid, levels, path); });
        const double line = Best([&] {
            geo::ExportSectionContours(geo::GridSection(graph, geo::GridMethod::InverseDistance).grid, levels,
                                       path);
        });
        row(format.name, window, line);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
