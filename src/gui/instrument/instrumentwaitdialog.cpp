#include "instrument/instrumentwaitdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vantrel {

InstrumentWaitDialog::InstrumentWaitDialog(std::chrono::milliseconds timeout, QWidget* parent)
    : QDialog(parent), m_clock(new QTimer(this)), m_deadline(std::chrono::steady_clock::now() + timeout)
{
    setObjectName(QStringLiteral("InstrumentWaitDialog"));
    setWindowTitle(QStringLiteral("Instrument Link"));
    setModal(false);
    m_text = new QLabel(QStringLiteral("Waiting for the instrument..."));
    m_timeLeft = new QLabel;
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    m_cancel = buttons->button(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_timeLeft);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_clock->setInterval(500);
    connect(m_clock, &QTimer::timeout, this, &InstrumentWaitDialog::updateTimeLeft);
    m_clock->start();
    updateTimeLeft();
}

void InstrumentWaitDialog::showReading()
{
    m_text->setText(QStringLiteral("The instrument is connected. Reading..."));
}

QString InstrumentWaitDialog::text() const
{
    return m_text->text();
}

void InstrumentWaitDialog::updateTimeLeft()
{
    using namespace std::chrono;
    const auto left = duration_cast<milliseconds>(m_deadline - steady_clock::now()).count();
    const long long seconds = std::max<long long>(0, (left + 999) / 1000);
    m_timeLeft->setText(QStringLiteral("Time left: %1 s").arg(seconds));
}

}  // namespace vantrel
