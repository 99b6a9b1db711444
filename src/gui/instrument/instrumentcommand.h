#pragma once

#include "instrument/instrumentlink.h"
#include "instrument/instrumentwaitdialog.h"

#include <QObject>
#include <QPointer>

#include <chrono>
#include <functional>

class QWidget;

namespace vantrel {

class InstrumentListener;
class Prompter;

/// The instrument link command (32826): waits for one instrument to connect
/// over Bluetooth and shows the four bytes it sends, in the status bar and in
/// a message ("The instrument sent: 0A 1B 2C 3D"). While it waits, a
/// non-modal dialog offers Cancel; it gives up after the time-out.
///
/// The main frame owns the command and deletes it first when it goes, which
/// releases the server and any open connection.
class InstrumentCommand : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{60000};
    using PrompterSource = std::function<Prompter&()>;
    /// Makes the listener of one run; the default listens over Bluetooth.
    using ListenerFactory = std::function<InstrumentListener*()>;

    InstrumentCommand(QWidget& window, PrompterSource prompter, QObject* parent = nullptr);
    ~InstrumentCommand() override;

    /// Starts waiting; while a wait is on, brings its dialog forward instead.
    void run();
    /// Ends a wait without a message.
    void cancel();
    bool isBusy() const { return m_link != nullptr; }
    InstrumentWaitDialog* waitDialog() const { return m_dialog; }

    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    void setListenerFactory(ListenerFactory factory) { m_listenerFactory = std::move(factory); }

Q_SIGNALS:
    /// A run ended (received, failed, timed out or cancelled) and its message
    /// has been shown.
    void finished();
    /// A note for the status bar (what the instrument sent).
    void statusInfo(const QString& text, int timeout);

private:
    void onFinished(InstrumentLink::Outcome outcome, const QString& text);
    void release();

    QWidget& m_window;  // the wait dialog's parent
    PrompterSource m_prompter;
    ListenerFactory m_listenerFactory;
    std::chrono::milliseconds m_timeout = kDefaultTimeout;
    InstrumentLink* m_link = nullptr;
    QPointer<InstrumentWaitDialog> m_dialog;
};

}  // namespace vantrel
