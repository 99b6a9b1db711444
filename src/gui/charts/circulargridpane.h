#pragma once

#include "charts/chartpane.h"

#include <QPointer>

#include <vector>

class QCPPainter;

namespace vantrel {

class CDialog_PM;

/// The pane of a circular graph: one circular chart for each frequency in a
/// grid of three columns of 336 x 336 pixels, which keeps its size while the
/// window scrolls. It has no one chart to print or to save: Print opens its
/// print preview of six charts a page, and the close question is not asked.
class CircularGridPane : public ChartPane {
    Q_OBJECT
public:
    explicit CircularGridPane(QWidget* parent = nullptr);
    ~CircularGridPane() override;

    /// Draws each chart of a CircularGraph into its cell; false for a graph
    /// without charts.
    bool draw(const Graph& graph) override;
    bool fillsView() const override { return false; }
    ChartControl* printableChart() const override { return nullptr; }
    void attach(CommandRouter& router, Prompter& prompter, const Popup& popup) override;
    void promptSave(Prompter&) override {}
    /// Opens the print preview, or brings the open one forward; a grid
    /// without charts says there is no picture.
    void print(CommandRouter& router, Prompter& prompter) override;
    CPrintFrame* printFrame() const override;
    /// The whole grid as the window shows it, at its own size or scaled
    /// evenly into `size` and centred.
    QString writePicture(const QString& path, QSize size) override;

    int count() const { return static_cast<int>(m_charts.size()); }
    /// The chart `index` (from 0 in reading order), nullptr past the last.
    CDialog_PM* chartAt(int index) const;
    /// Paints the charts of page `page` (from 1), six a page in two columns
    /// by three rows, each straight from its chart, into a printable area of
    /// `area` pixels.
    void drawPrintPage(QCPPainter& painter, const QSize& area, int page);

private:
    std::vector<CDialog_PM*> m_charts;
    QString m_title;
    std::function<void(CDialog_PM*)> m_attached;
    QPointer<CPrintFrame> m_printFrame;
};

}  // namespace vantrel
