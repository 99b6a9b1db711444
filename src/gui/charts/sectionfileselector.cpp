#include "charts/sectionfileselector.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace vantrel {

SectionFileSelector::SectionFileSelector(QWidget* parent) : QWidget(parent), m_box(new QComboBox)
{
    setObjectName(QStringLiteral("SectionFileSelector"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr("File:"));
    label->setBuddy(m_box);
    layout->addWidget(label);
    layout->addWidget(m_box);
    layout->addStretch(1);  // the box beside its label, however wide the window
    m_box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_box->setToolTip(tr("The file of the depth table this section shows"));
    connect(m_box, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            Q_EMIT fileChosen(m_box->itemData(index).toInt());
    });
}

void SectionFileSelector::setFiles(const std::vector<int>& files, int current)
{
    const QSignalBlocker quiet(m_box);
    m_box->clear();
    for (const int file : files)
        m_box->addItem(tr("File%1").arg(file), file);
    m_box->setCurrentIndex(m_box->findData(current));
    setEnabled(files.size() > 1);
}

}  // namespace vantrel
