#include "instrument/instrumentcommand.h"

#include "common/prompter.h"
#include "instrument/bluetoothlistener.h"
#include "instrument/instrumentreader.h"
#include "instrument/instrumentwaitdialog.h"

#include <QWidget>

namespace vantrel {

InstrumentCommand::InstrumentCommand(QWidget& window, PrompterSource prompter, QObject* parent)
    : QObject(parent), m_window(window), m_prompter(std::move(prompter))
{}

InstrumentCommand::~InstrumentCommand()
{
    release();
}

void InstrumentCommand::run()
{
    if (m_link) {
        if (m_dialog) {
            m_dialog->show();
            m_dialog->raise();
            m_dialog->activateWindow();
        }
        return;
    }
    InstrumentListener* listener = m_listenerFactory ? m_listenerFactory() : new BluetoothListener;
    auto* link = new InstrumentLink(listener, m_timeout, this);
    const QString error = link->start();
    if (!error.isEmpty()) {
        delete link;
        m_prompter().message(error);
        return;
    }
    m_link = link;
    m_dialog = new InstrumentWaitDialog(m_timeout, &m_window);
    connect(m_dialog, &QDialog::rejected, this, &InstrumentCommand::cancel);
    connect(m_link, &InstrumentLink::phaseChanged, m_dialog,
            [dialog = m_dialog](InstrumentLink::Phase phase) {
                if (phase == InstrumentLink::Phase::Reading && dialog)
                    dialog->showReading();
            });
    connect(m_link, &InstrumentLink::finished, this, &InstrumentCommand::onFinished);
    m_dialog->show();
}

void InstrumentCommand::cancel()
{
    if (m_link)
        m_link->cancel();
}

void InstrumentCommand::onFinished(InstrumentLink::Outcome outcome, const QString& text)
{
    // The link has closed the connection and the server already; it goes
    // once its signal has returned.
    const QByteArray bytes = m_link ? m_link->bytes() : QByteArray();
    if (m_link) {
        m_link->disconnect(this);
        m_link->deleteLater();
        m_link = nullptr;
    }
    release();
    switch (outcome) {
    case InstrumentLink::Outcome::Received: {
        const QString shown = tr("The instrument sent: %1").arg(InstrumentReader::hex(bytes));
        Q_EMIT statusInfo(shown, 0);
        m_prompter().message(shown);
        break;
    }
    case InstrumentLink::Outcome::Failed:
    case InstrumentLink::Outcome::TimedOut: m_prompter().message(text); break;
    case InstrumentLink::Outcome::Cancelled: break;
    }
    Q_EMIT finished();
}

void InstrumentCommand::release()
{
    if (m_dialog) {
        m_dialog->disconnect(this);
        delete m_dialog.data();
    }
    // Deleting the link closes whatever it still has open.
    delete m_link;
    m_link = nullptr;
}

}  // namespace vantrel
