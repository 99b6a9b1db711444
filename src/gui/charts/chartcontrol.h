#pragma once

#include "charts/customplot.h"
#include "geo/sectiongrid.h"
#include "graphs/contourlevels.h"

#include <QPointer>

#include <functional>
#include <optional>
#include <variant>
#include <vector>

class QPrinter;

namespace vantrel {

class BandLayout;
class PolarSeries;
class SeriesRegion;

/// The values of a series region tool as the profile chart sets them.
struct RegionStyle {
    int series = -1;
    double originLevel = 0;
    double lowerX = 0;
    double upperX = 0;
    std::optional<QColor> fillColour;
    QColor penColour = Qt::black;
    bool gradientVisible = false;
    std::optional<QColor> gradientStart;  ///< white when not set
    std::optional<QColor> gradientEnd;    ///< white when not set
};

/// How a colour map shows its readings; the chart keeps them, the chart
/// that owns the map draws by them (see colourMapOptionsChanged).
struct ColourMapOptions {
    bool interpolate = false;  ///< blend smoothly between rows instead of bands
    bool logarithmic = true;
    int gradient = 0;  ///< index into colourGradientNames()
    bool automaticRange = true;
    /// With an automatic range: the range of every file's readings, so the
    /// sections of several files compare.
    bool everyFileRange = false;
    double lower = 0;  ///< the fixed range, when not automatic
    double upper = 1;
    geo::GridMethod gridMethod = geo::GridMethod::InverseDistance;
    ContourChoice contours;  ///< the contour lines over the map
    bool operator==(const ColourMapOptions&) const = default;
};

/// The chart every graph window draws into: series, custom vertical axes
/// stacked in bands, tools (series regions and a text banner), a title, and
/// the pictures of it. Series, custom axes and tools are numbered 0, 1, 2 ...
/// in the order they are made; a call naming one that does not exist does
/// nothing (and a getter answers a neutral value).
///
/// Every picture of the chart, on screen or off it, is painted by the same
/// layer drawing; render() is the one entry for painters other than the
/// widget's own (pictures, print, the command line).
///
/// On screen the wheel zooms and a left drag pans the x axis (all bands
/// together), a double click goes back to the first view, and pointerText()
/// tells what lies under the mouse.
class ChartControl : public QCustomPlot {
    Q_OBJECT
public:
    enum class SeriesKind { Line = 0, Polar = 1 };

    explicit ChartControl(QWidget* parent = nullptr);
    ~ChartControl() override;

    // --- Series ---------------------------------------------------------------
    int seriesCount() const { return static_cast<int>(m_series.size()); }
    /// The line series' graph, nullptr for a missing or a polar series.
    QCPGraph* seriesGraph(int series) const;
    PolarSeries* polarSeries(int series) const;
    int addSeries(SeriesKind kind = SeriesKind::Line);
    /// Adds a point; the colour value is kept as the point's label colour
    /// index and does not change how a line series is drawn.
    void addPoint(int series, double x, double y, int colourValue = 0);
    void addPoints(int series, const QVector<double>& x, const QVector<double>& y);
    int pointCount(int series) const;
    void setSeriesColour(int series, const QColor& colour);
    QColor seriesColour(int series) const;
    void setSeriesVisible(int series, bool visible);
    bool seriesVisible(int series) const;
    /// Puts a line series on a custom vertical axis (its band).
    void setSeriesAxis(int series, int axis);
    int seriesAxis(int series) const;  ///< -1 when missing or on no custom axis

    // --- Custom vertical axes -------------------------------------------------
    int customAxisCount() const { return static_cast<int>(m_axes.size()); }
    /// A new vertical axis over the whole plot height (0 to 100 percent).
    int addCustomAxis();
    QCPAxis* customAxis(int axis) const;
    void setAxisStartPosition(int axis, double percent);
    void setAxisEndPosition(int axis, double percent);
    double axisStartPosition(int axis) const;
    double axisEndPosition(int axis) const;
    void setAxisMinMax(int axis, double minimum, double maximum);
    /// On: the axis fits the range of its series now and after every change.
    void setAxisAutomatic(int axis, bool automatic);
    bool axisAutomatic(int axis) const;
    void setAxisTitle(int axis, const QString& text);
    void setAxisTitleVisible(int axis, bool visible);
    QString axisTitle(int axis) const;
    bool axisTitleVisible(int axis) const;
    void setAxisGridVisible(int axis, bool visible);
    void setAxisMinorTicks(int axis, bool visible, int count);
    /// What the pointer text says of the band, e.g. "height=-15".
    void setAxisTag(int axis, const QString& tag);
    /// The x axis under the bands (hidden at first on profile charts).
    void setBottomAxisVisible(bool visible);

    // --- Tools ------------------------------------------------------------------
    int toolCount() const { return static_cast<int>(m_tools.size()); }
    int addRegionTool(const RegionStyle& style);
    SeriesRegion* regionTool(int tool) const;
    int addBannerTool(const QString& text);
    QCPItemText* bannerTool(int tool) const;
    void setBannerText(int tool, const QString& text);
    void setRegionsVisible(bool visible);
    bool regionsVisible() const { return m_regionsVisible; }

    // --- Colour map ---------------------------------------------------------------
    /// A colour map over custom axis `axis`, with its colour scale right of
    /// the bands; a chart has one at most (a second call answers the first).
    QCPColorMap* addColourMap(int axis);
    QCPColorMap* colourMap() const { return m_colourMap; }
    QCPColorScale* colourScale() const { return m_colourScale; }
    int colourMapAxis() const { return m_colourMapAxis; }
    /// The pointer text over the colour map, from the key and value under the pointer.
    void setColourMapReadout(std::function<QString(double key, double value)> readout);
    void setColourMapOptions(const ColourMapOptions& options);
    const ColourMapOptions& colourMapOptions() const { return m_colourOptions; }

    // --- Title, pictures --------------------------------------------------------
    void setTitle(const QString& text);
    QString title() const;
    bool titleVisible() const;
    void setTitleVisible(bool visible);
    void setFramed(bool framed) { m_framed = framed; }

    /// Paints the whole chart at `size` into `painter`, from its origin,
    /// after the chart's owner has finished what it was still working out
    /// (see setBeforeRender).
    void render(QCPPainter* painter, const QSize& size);
    void setBeforeRender(std::function<void()> settle) { m_beforeRender = std::move(settle); }
    /// Prints the chart on one page: its proportions on screen, filling the
    /// printable area, centred; false when the printer cannot be opened.
    bool print(QPrinter& printer);
    /// Writes a picture of the chart (by extension: png, jpg, jpeg, bmp, pdf,
    /// svg); an error text, empty when written.
    QString exportPicture(const QString& path, const QSize& size);

    /// Fits the x axis to all series (unless the user zoomed or panned) and
    /// every automatic axis to its series, if anything changed since.
    void refresh();
    /// The first view again (after zooming and panning).
    void resetView();
    /// The x range shown, and whether the chart is zoomed or panned.
    QCPRange xRange() const;
    bool isHomeView() const;

    /// What lies under this widget position: "x=…  height=…  reading=…" for a
    /// band, "angle=…  reading=…" for a polar series; empty over nothing.
    QString pointerText(const QPoint& pos) const;

Q_SIGNALS:
    void pointerMoved(const QString& text);
    /// The colour map's options were changed (by the chart editor).
    void colourMapOptionsChanged();
    /// A context menu was asked for at this global position.
    void contextMenuWanted(const QPoint& globalPos);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Series {
        SeriesKind kind = SeriesKind::Line;
        QCPGraph* graph = nullptr;
        PolarSeries* polar = nullptr;
        int axis = -1;
        QColor colour = Qt::red;
        bool visible = true;
        std::vector<int> colourValues;
    };
    struct Axis {
        QCPAxisRect* rect = nullptr;
        bool automatic = false;
        bool titleVisible = true;
        QString title;
        double minimum = 0;
        double maximum = 1;
        QString tag;
    };
    using Tool = std::variant<SeriesRegion*, QCPItemText*>;

    const Series* seriesEntry(int series) const;
    Series* seriesEntry(int series);
    const Axis* axisEntry(int axis) const;
    Axis* axisEntry(int axis);
    QCPAxisRect* rectAt(const QPointF& pos) const;
    void fitAxis(Axis& axis);
    void applyXRange(const QCPRange& range);
    void zoomAt(double pixelX, double factor);
    void requestReplot();
    void scheduleReplot();
    void rescaleAll();
    void updateBands(int plotHeight);
    void resizeEvent(QResizeEvent* event) override;

    QCPTextElement* m_title = nullptr;
    BandLayout* m_bands = nullptr;
    QCPMarginGroup* m_margins = nullptr;
    QCPAxisRect* m_base = nullptr;
    std::vector<Series> m_series;
    std::vector<Axis> m_axes;
    std::vector<Tool> m_tools;
    bool m_regionsVisible = true;
    QCPColorMap* m_colourMap = nullptr;
    QCPColorScale* m_colourScale = nullptr;
    int m_colourMapAxis = -1;
    std::function<QString(double, double)> m_colourMapReadout;
    ColourMapOptions m_colourOptions;
    std::function<void()> m_beforeRender;
    bool m_framed = true;
    bool m_bottomAxisVisible = true;
    std::optional<QCPRange> m_home;
    QCPRange m_xRange{0, 1};
    bool m_dirty = true;
    bool m_replotPending = false;  ///< a replot is due before the next paint
    bool m_replotPosted = false;   ///< and the event loop has been asked for it
    bool m_userView = false;       ///< zoomed or panned since the first view
    bool m_dragging = false;
    QPointF m_dragFrom;
    QCPRange m_dragRange;
};

}  // namespace vantrel

namespace vantrel {

/// A colour given as 0x00BBGGRR.
inline QColor colourOf(unsigned bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

}  // namespace vantrel
