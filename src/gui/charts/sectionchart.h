#pragma once

#include "charts/chartpane.h"
#include "charts/sectionwork.h"
#include "datafile/datatable.h"
#include "graphs/sectiongraph.h"

#include <QFuture>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QMenu;

namespace vantrel {

class ChartControl;
class ContourLayer;
class Prompter;
class SectionFileSelector;

/// The pseudo-section chart: a survey line's readings as colours, the
/// position across and the depth down (0 at the top), with a colour bar
/// titled by the reading and contour lines over the colours. The readings
/// are laid on a regular grid by the chart's gridding method (inverse
/// distance by default; "Measured cells" keeps each reading's own band,
/// halfway to its neighbours); cells outside the measured area stay empty.
/// How the colours and lines are laid is the chart's colour map options,
/// which the chart editor changes.
///
/// Gridding, and contouring a large section, run on a worker: the window
/// keeps the picture it has until the new one is ready, and a result that a
/// newer request overtook is dropped. Pictures and print wait for it.
class SectionChart : public ChartPane {
    Q_OBJECT
public:
    static constexpr int kPropertiesCommand = 32783;
    /// Gridding by GDAL is always worked out on a worker; the measured cells
    /// and new contour lines over the grid drawn already are for sections of
    /// at least this many cells.
    static constexpr std::size_t kBackgroundCells = 60000;
    /// Depth rows from which the range of every file is read on another thread.
    static constexpr std::size_t kBackgroundRangeRows = 1000000;

    explicit SectionChart(QWidget* parent = nullptr);
    ~SectionChart() override;

    ChartControl* chart() const { return m_chart; }
    const SectionGraph& graph() const { return *m_graph; }

    void SetChartTitle(const QString& text);
    /// Draws a section by the chart's colour map options. Their logarithmic
    /// default holds only when every reading is above 0; otherwise the scale
    /// is linear and the note says why.
    void setGraph(const SectionGraph& graph);
    /// The files of the Depth table the selector offers, and how to take the
    /// table (a copy, sharing its cells) whose readings give "Same colour
    /// range for every file": taken once, when that range is first drawn. A
    /// big table's range is read on another thread, and the section is drawn
    /// on it once it is known.
    void setFiles(const std::vector<int>& files, std::function<DataTable()> depth);
    /// Works out pictures on the calling thread (pictures and print of a
    /// chart that is never shown).
    void setSynchronous(bool synchronous) { m_synchronous = synchronous; }
    /// Waits for the grid and contours being worked out, and draws them.
    void settle();
    bool isWorking() const { return m_working.isRunning() || m_everyFilePending; }

    /// What the status bar is told after drawing (why the scale is linear,
    /// that nothing could be drawn, that no contour line fits); empty when
    /// all is as asked.
    QString note() const { return m_note; }
    /// The readings' scale and range as drawn now.
    const SectionColourScale& colourScale() const { return m_scale; }
    /// The grid the colour map shows now (null before anything is drawn).
    std::shared_ptr<const geo::SectionGrid> grid() const { return m_grid; }
    /// The contour levels drawn now.
    const std::vector<double>& levels() const { return m_levels; }
    ContourLayer* contourLayer() const { return m_contours; }
    SectionFileSelector* fileSelector() const { return m_files; }
    /// The pointer text at a position and depth of the chart's axes.
    QString readout(double x, double depth) const;

    /// The context menu's items: "Properties".
    QMenu* createContextMenu(QWidget* parent);
    /// Opens the chart editor over this chart (the Properties command).
    void OnProperties(Prompter& prompter);

    /// As the pane of a section window: the window's section, its one chart,
    /// and the read-out and the note for the status bar.
    bool draw(const Graph& graph) override;
    ChartControl* printableChart() const override { return m_chart; }
    void attach(CommandRouter& router, Prompter& prompter, const Popup& popup) override;

Q_SIGNALS:
    void pointerMoved(const QString& text);
    /// A right click on the chart, at this global position.
    void contextMenuWanted(const QPoint& at);
    void noteChanged(const QString& text);
    /// The user chose another file in the selector.
    void fileChosen(int file);
    /// A new grid or new contour lines are drawn.
    void pictureReady();

private:
    void redraw();
    /// Whether the range of every file is known now; when it is not, it is
    /// read on another thread and the section drawn again after.
    bool everyFileRangeKnown();
    void start(SectionWork::Order order);
    void apply(SectionWork work, const SectionWork::Order& order);
    void fillMap(const geo::SectionGrid* grid);
    void updateNote();

    ChartControl* m_chart;
    SectionFileSelector* m_files;
    QLabel* m_noteLabel;
    ContourLayer* m_contours = nullptr;
    std::shared_ptr<const SectionGraph> m_graph;
    std::function<DataTable()> m_everyFileSource;
    std::optional<ReadingRange> m_everyFile;
    /// The range of every file being read, for the files given last.
    QFuture<ReadingRange> m_everyFileWork;
    bool m_everyFilePending = false;
    unsigned m_everyFileRequest = 0;
    std::vector<int> m_fileList;
    SectionColourScale m_scale;
    std::shared_ptr<const geo::SectionGrid> m_grid;
    geo::GridMethod m_gridMethod = geo::GridMethod::InverseDistance;
    bool m_gridBlend = false;
    bool m_given = false;  ///< a section was given to draw
    bool m_drawn = false;
    std::vector<double> m_levels;
    std::string m_gridProblem;
    std::string m_contourProblem;
    bool m_noLevels = false;
    /// The contour levels changed while the grid was worked out.
    bool m_newLevels = false;
    bool m_synchronous = false;
    /// The request being worked on, and how to stop it.
    QFuture<SectionWork> m_working;
    SectionWork::Order m_workingOrder;
    std::shared_ptr<std::atomic<bool>> m_stop;
    unsigned m_request = 0;
    QString m_note;
};

}  // namespace vantrel
