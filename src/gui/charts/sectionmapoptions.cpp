#include "charts/sectionmapoptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QSpinBox>

#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

// The methods' names as the editor lists them, in GridMethods() order.
const char* const kMethodNames[] = {
    QT_TRANSLATE_NOOP("vantrel::SectionMapOptions", "Inverse distance to a power"),
    QT_TRANSLATE_NOOP("vantrel::SectionMapOptions", "Nearest reading"),
    QT_TRANSLATE_NOOP("vantrel::SectionMapOptions", "Linear"),
    QT_TRANSLATE_NOOP("vantrel::SectionMapOptions", "Measured cells"),
};

enum LevelMode { kAutomatic, kCount, kGiven };

QString listText(const std::vector<double>& levels)
{
    QStringList parts;
    for (const double level : levels)
        parts << QLocale::c().toString(level, 'g', 12);
    return parts.join(QStringLiteral(", "));
}

/// The levels of a list such as "10, 20; 50 100", ascending and each once;
/// the first part that is no number, if any.
std::vector<double> parseList(const QString& text, QString* wrong)
{
    std::vector<double> levels;
    const QStringList parts = text.split(QRegularExpression(QStringLiteral("[,;\\s]+")), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        bool ok = false;
        const double level = QLocale::c().toDouble(part, &ok);
        if (!ok || !std::isfinite(level)) {
            *wrong = part;
            return {};
        }
        levels.push_back(level);
    }
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    if (levels.size() > static_cast<std::size_t>(kMaxContourLevels))
        levels.resize(static_cast<std::size_t>(kMaxContourLevels));
    return levels;
}

}  // namespace

SectionMapOptions::SectionMapOptions(const ColourMapOptions& o, QWidget* parent)
    : QWidget(parent), m_everyFile(new QCheckBox(tr("Same colour range for every file"))),
      m_method(new QComboBox), m_contours(new QCheckBox(tr("Contour lines"))), m_levelMode(new QComboBox),
      m_count(new QSpinBox), m_list(new QLineEdit), m_problem(new QLabel)
{
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    m_everyFile->setChecked(o.everyFileRange);
    form->addRow(m_everyFile);
    for (const geo::GridMethodInfo& info : geo::GridMethods())
        m_method->addItem(tr(kMethodNames[m_method->count()]), static_cast<int>(info.method));
    m_method->setCurrentIndex(std::max(0, m_method->findData(static_cast<int>(o.gridMethod))));
    form->addRow(tr("Gridding:"), m_method);

    const ContourChoice& c = o.contours;
    m_contours->setChecked(c.mode != ContourChoice::Mode::Off);
    form->addRow(m_contours);
    m_levelMode->addItems({tr("Automatic"), tr("Number of levels"), tr("These levels")});
    m_levelMode->setCurrentIndex(c.mode == ContourChoice::Mode::Count       ? kCount
                                     : c.mode == ContourChoice::Mode::Given ? kGiven
                                                                            : kAutomatic);
    form->addRow(tr("Levels:"), m_levelMode);
    m_count->setRange(1, kMaxContourLevels);
    m_count->setValue(c.count > 0 ? c.count : 10);
    m_count->setKeyboardTracking(false);
    form->addRow(tr("Number:"), m_count);
    m_list->setText(listText(c.levels));
    m_list->setPlaceholderText(tr("e.g. 10, 20, 50, 100"));
    form->addRow(tr("Levels at:"), m_list);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b00020"));
    m_problem->hide();
    form->addRow(m_problem);
    updateStates();

    connect(m_everyFile, &QCheckBox::toggled, this, &SectionMapOptions::changed);
    connect(m_method, &QComboBox::currentIndexChanged, this, &SectionMapOptions::changed);
    connect(m_contours, &QCheckBox::toggled, this, [this] {
        updateStates();
        Q_EMIT changed();
    });
    connect(m_levelMode, &QComboBox::currentIndexChanged, this, [this] {
        updateStates();
        Q_EMIT changed();
    });
    connect(m_count, &QSpinBox::valueChanged, this, &SectionMapOptions::changed);
    connect(m_list, &QLineEdit::editingFinished, this, &SectionMapOptions::changed);
}

void SectionMapOptions::updateStates()
{
    const bool on = m_contours->isChecked();
    m_levelMode->setEnabled(on);
    m_count->setEnabled(on && m_levelMode->currentIndex() == kCount);
    m_list->setEnabled(on && m_levelMode->currentIndex() == kGiven);
}

void SectionMapOptions::setAutomaticRange(bool automatic)
{
    m_everyFile->setEnabled(automatic);
}

void SectionMapOptions::applyTo(ColourMapOptions& o) const
{
    o.everyFileRange = m_everyFile->isChecked();
    o.gridMethod = static_cast<geo::GridMethod>(m_method->currentData().toInt());
    m_problem->hide();
    ContourChoice c;
    if (!m_contours->isChecked()) {
        c.mode = ContourChoice::Mode::Off;
    } else if (m_levelMode->currentIndex() == kCount) {
        c.mode = ContourChoice::Mode::Count;
        c.count = m_count->value();
    } else if (m_levelMode->currentIndex() == kGiven) {
        QString wrong;
        c.mode = ContourChoice::Mode::Given;
        c.levels = parseList(m_list->text(), &wrong);
        if (!wrong.isEmpty() || c.levels.empty()) {
            m_problem->setText(wrong.isEmpty()
                                   ? tr("Give the levels as numbers separated by commas.")
                                   : tr("A contour level must be a number, not \"%1\".").arg(wrong));
            m_problem->show();
            return;
        }
    } else {
        c.mode = ContourChoice::Mode::Automatic;
    }
    o.contours = c;
}

}  // namespace vantrel
