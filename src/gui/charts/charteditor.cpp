#include "charts/charteditor.h"

#include "common/prompter.h"

#include "charts/chartcontrol.h"
#include "charts/colourgradients.h"
#include "charts/sectionmapoptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <cfloat>

namespace vantrel {

namespace {

QDoubleSpinBox* rangeBox(double value)
{
    auto* box = new QDoubleSpinBox;
    box->setRange(-1e12, 1e12);
    box->setDecimals(4);
    box->setValue(value);
    box->setKeyboardTracking(false);
    return box;
}

QIcon swatch(const QColor& colour)
{
    QPixmap pixmap(14, 14);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

}  // namespace

QList<QPair<QString, QColor>> ChartEditor::colourChoices()
{
    return {
        {QStringLiteral("Grey"), colourOf(0x7C7C7C)},    {QStringLiteral("Black"), QColor(Qt::black)},
        {QStringLiteral("Red"), QColor(Qt::red)},        {QStringLiteral("Blue"), QColor(Qt::blue)},
        {QStringLiteral("Green"), QColor(0, 128, 0)},    {QStringLiteral("Orange"), QColor(255, 140, 0)},
        {QStringLiteral("Purple"), QColor(128, 0, 128)}, {QStringLiteral("Teal"), QColor(0, 128, 128)},
    };
}

ChartEditor::ChartEditor(ChartControl& chart, QWidget* parent) : QDialog(parent), m_chart(chart)
{
    setWindowTitle(tr("Chart Properties"));
    setObjectName(QStringLiteral("ChartEditor"));
    m_saved.title = chart.title();
    m_saved.titleVisible = chart.titleVisible();
    m_saved.regionsVisible = chart.regionsVisible();
    for (int i = 0; i < chart.customAxisCount(); ++i) {
        const QCPRange r = chart.customAxis(i)->range();
        m_saved.axes.push_back({chart.axisAutomatic(i), r.lower, r.upper});
    }
    for (int i = 0; i < chart.seriesCount(); ++i)
        m_saved.series.push_back({chart.seriesColour(i), chart.seriesVisible(i)});
    m_saved.colourMap = chart.colourMapOptions();

    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);

    auto* general = new QGroupBox(tr("Chart"));
    auto* form = new QFormLayout(general);
    m_title = new QLineEdit(chart.title());
    form->addRow(tr("Title:"), m_title);
    m_regions = new QCheckBox(tr("Show the shaded regions"));
    m_regions->setChecked(chart.regionsVisible());
    form->addRow(m_regions);
    m_regions->setVisible(!chart.colourMap());  // a colour map has no shaded regions
    column->addWidget(general);
    connect(m_title, &QLineEdit::textChanged, this, [this](const QString& text) { m_chart.setTitle(text); });
    connect(m_regions, &QCheckBox::toggled, this, [this](bool on) { m_chart.setRegionsVisible(on); });

    if (chart.customAxisCount() > 0) {
        auto* axes = new QGroupBox(tr("Vertical axes"));
        auto* grid = new QGridLayout(axes);
        grid->addWidget(new QLabel(tr("Axis")), 0, 0);
        grid->addWidget(new QLabel(tr("Automatic")), 0, 1);
        grid->addWidget(new QLabel(tr("Minimum")), 0, 2);
        grid->addWidget(new QLabel(tr("Maximum")), 0, 3);
        for (int i = 0; i < chart.customAxisCount(); ++i) {
            const QString name = chart.axisTitleVisible(i) && !chart.axisTitle(i).isEmpty()
                ? QStringLiteral("%1 (%2)").arg(i + 1).arg(chart.axisTitle(i))
                : QString::number(i + 1);
            AxisRow row;
            row.automatic = new QCheckBox;
            row.automatic->setChecked(chart.axisAutomatic(i));
            row.minimum = rangeBox(m_saved.axes[static_cast<std::size_t>(i)].lower);
            row.maximum = rangeBox(m_saved.axes[static_cast<std::size_t>(i)].upper);
            row.minimum->setEnabled(!chart.axisAutomatic(i));
            row.maximum->setEnabled(!chart.axisAutomatic(i));
            grid->addWidget(new QLabel(name), i + 1, 0);
            grid->addWidget(row.automatic, i + 1, 1, Qt::AlignCenter);
            grid->addWidget(row.minimum, i + 1, 2);
            grid->addWidget(row.maximum, i + 1, 3);
            m_axisRows << row;
            connect(row.automatic, &QCheckBox::toggled, this, [this, i] { applyAxis(i); });
            connect(row.minimum, &QDoubleSpinBox::valueChanged, this, [this, i] { applyAxis(i); });
            connect(row.maximum, &QDoubleSpinBox::valueChanged, this, [this, i] { applyAxis(i); });
        }
        column->addWidget(axes);
    }

    if (chart.seriesCount() > 0) {
        auto* series = new QGroupBox(tr("Series"));
        auto* grid = new QGridLayout(series);
        for (int i = 0; i < chart.seriesCount(); ++i) {
            SeriesRow row;
            row.visible = new QCheckBox(tr("Series %1").arg(i + 1));
            row.visible->setChecked(chart.seriesVisible(i));
            row.colour = new QComboBox;
            const QColor current = chart.seriesColour(i);
            bool known = false;
            for (const auto& [name, colour] : colourChoices()) {
                row.colour->addItem(swatch(colour), name, colour);
                known = known || colour == current;
            }
            if (!known)
                row.colour->insertItem(0, swatch(current), tr("Current"), current);
            row.colour->setCurrentIndex(row.colour->findData(current));
            grid->addWidget(row.visible, i, 0);
            grid->addWidget(row.colour, i, 1);
            m_seriesRows << row;
            connect(row.visible, &QCheckBox::toggled, this,
                    [this, i](bool on) { m_chart.setSeriesVisible(i, on); });
            connect(row.colour, &QComboBox::currentIndexChanged, this, [this, i] {
                m_chart.setSeriesColour(i, m_seriesRows[i].colour->currentData().value<QColor>());
            });
        }
        column->addWidget(series);
    }
    if (chart.colourMap())
        addColourMapGroup(column);
    column->addStretch();

    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
    resize(460, 520);
}

void ChartEditor::applyAxis(int axis)
{
    const AxisRow& row = m_axisRows[axis];
    const bool automatic = row.automatic->isChecked();
    row.minimum->setEnabled(!automatic);
    row.maximum->setEnabled(!automatic);
    if (automatic)
        m_chart.setAxisAutomatic(axis, true);
    else if (row.minimum->value() < row.maximum->value())
        m_chart.setAxisMinMax(axis, row.minimum->value(), row.maximum->value());
}

void ChartEditor::addColourMapGroup(QVBoxLayout* column)
{
    const ColourMapOptions& o = m_chart.colourMapOptions();
    auto* group = new QGroupBox(tr("Colour map"));
    auto* form = new QFormLayout(group);
    m_colour.smooth = new QCheckBox(tr("Blend smoothly between heights"));
    m_colour.smooth->setChecked(o.interpolate);
    m_colour.smooth->setEnabled(o.gridMethod == geo::GridMethod::MeasuredCells);
    form->addRow(m_colour.smooth);
    m_colour.scale = new QComboBox;
    m_colour.scale->addItems({tr("Linear"), tr("Logarithmic")});
    m_colour.scale->setCurrentIndex(o.logarithmic ? 1 : 0);
    form->addRow(tr("Scale:"), m_colour.scale);
    m_colour.gradient = new QComboBox;
    m_colour.gradient->addItems(colourGradientNames());
    m_colour.gradient->setCurrentIndex(std::clamp(o.gradient, 0, m_colour.gradient->count() - 1));
    form->addRow(tr("Colours:"), m_colour.gradient);
    m_colour.automatic = new QCheckBox(tr("Automatic range"));
    m_colour.automatic->setChecked(o.automaticRange);
    form->addRow(m_colour.automatic);
    // A fixed range starts from what the bar shows now.
    const QCPRange shown = m_chart.colourScale()->dataRange();
    m_colour.lower = rangeBox(o.automaticRange ? shown.lower : o.lower);
    m_colour.upper = rangeBox(o.automaticRange ? shown.upper : o.upper);
    m_colour.lower->setEnabled(!o.automaticRange);
    m_colour.upper->setEnabled(!o.automaticRange);
    form->addRow(tr("From:"), m_colour.lower);
    form->addRow(tr("To:"), m_colour.upper);
    m_colour.section = new SectionMapOptions(o);
    form->addRow(m_colour.section);
    column->addWidget(group);
    connect(m_colour.section, &SectionMapOptions::changed, this, &ChartEditor::applyColourMap);
    connect(m_colour.smooth, &QCheckBox::toggled, this, &ChartEditor::applyColourMap);
    connect(m_colour.scale, &QComboBox::currentIndexChanged, this, &ChartEditor::applyColourMap);
    connect(m_colour.gradient, &QComboBox::currentIndexChanged, this, &ChartEditor::applyColourMap);
    connect(m_colour.automatic, &QCheckBox::toggled, this, &ChartEditor::applyColourMap);
    connect(m_colour.lower, &QDoubleSpinBox::valueChanged, this, &ChartEditor::applyColourMap);
    connect(m_colour.upper, &QDoubleSpinBox::valueChanged, this, &ChartEditor::applyColourMap);
}

void ChartEditor::applyColourMap()
{
    ColourMapOptions o = m_chart.colourMapOptions();
    o.interpolate = m_colour.smooth->isChecked();
    o.logarithmic = m_colour.scale->currentIndex() == 1;
    o.gradient = m_colour.gradient->currentIndex();
    o.automaticRange = m_colour.automatic->isChecked();
    m_colour.lower->setEnabled(!o.automaticRange);
    m_colour.upper->setEnabled(!o.automaticRange);
    m_colour.section->setAutomaticRange(o.automaticRange);
    m_colour.section->applyTo(o);
    m_colour.smooth->setEnabled(o.gridMethod == geo::GridMethod::MeasuredCells);
    if (!o.automaticRange) {
        // An empty range draws nothing; keep the last one until it opens again.
        if (!(m_colour.lower->value() != m_colour.upper->value()))
            return;
        o.lower = m_colour.lower->value();
        o.upper = m_colour.upper->value();
    }
    m_chart.setColourMapOptions(o);
}

void ChartEditor::restore()
{
    m_chart.setColourMapOptions(m_saved.colourMap);
    m_chart.setTitle(m_saved.title);
    m_chart.setTitleVisible(m_saved.titleVisible);
    m_chart.setRegionsVisible(m_saved.regionsVisible);
    for (std::size_t i = 0; i < m_saved.axes.size(); ++i) {
        const auto& a = m_saved.axes[i];
        if (a.automatic)
            m_chart.setAxisAutomatic(static_cast<int>(i), true);
        else
            m_chart.setAxisMinMax(static_cast<int>(i), a.lower, a.upper);
    }
    for (std::size_t i = 0; i < m_saved.series.size(); ++i) {
        m_chart.setSeriesColour(static_cast<int>(i), m_saved.series[i].colour);
        m_chart.setSeriesVisible(static_cast<int>(i), m_saved.series[i].visible);
    }
}

void ChartEditor::reject()
{
    restore();
    QDialog::reject();
}

void ChartEditor::edit(ChartControl& chart, QWidget* parent, Prompter& prompter)
{
    ChartEditor editor(chart, parent);
    prompter.runDialog(editor);
}

QString ChartEditor::propertiesText()
{
    return QCoreApplication::translate("vantrel::CDialog_PMPM", "Properties");
}

}  // namespace vantrel
