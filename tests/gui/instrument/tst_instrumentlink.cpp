// The instrument link: the four-byte reading against devices the test feeds,
// the waiting dialog, the time-out, Cancel, no Bluetooth, the frame going while
// the command waits, and the command's place in the toolbar customization.

#include "testsupport.h"

#include "common/commandids.h"
#include "app/customizedialog.h"
#include "instrument/bluetoothlistener.h"
#include "instrument/instrumentcommand.h"
#include "instrument/instrumentlistener.h"
#include "instrument/instrumentreader.h"
#include "instrument/instrumentwaitdialog.h"

#include <QComboBox>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>

#include <cstring>

using namespace vantrel;
using namespace vantrel::cmd;
using namespace vantrel::test;
using namespace std::chrono_literals;

namespace {

/// A connection whose bytes the test hands in. Unbuffered, so what the
/// reader leaves unread stays in the device.
class FeedDevice : public QIODevice {
public:
    FeedDevice() { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
    void feed(const QByteArray& bytes)
    {
        m_data += bytes;
        Q_EMIT readyRead();
    }
    void hangUp() { Q_EMIT readChannelFinished(); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_data.size() + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* data, qint64 max) override
    {
        const qint64 n = std::min<qint64>(max, m_data.size());
        std::memcpy(data, m_data.constData(), size_t(n));
        m_data.remove(0, n);
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_data;
};

/// Listens nowhere: the test connects its own devices.
class FakeListener : public InstrumentListener {
public:
    QString error;
    int starts = 0;
    int stops = 0;
    QString start() override
    {
        ++starts;
        return error;
    }
    void stop() override { ++stops; }
    void deliver(QIODevice* device) { Q_EMIT connected(device); }
};

const QByteArray kBytes("\x0a\x1b\x2c\x3d", 4);
const QString kShown = QStringLiteral("The instrument sent: 0A 1B 2C 3D");

/// A reader on a device the test feeds, with its signals recorded.
struct Reading {
    FeedDevice device;
    InstrumentReader reader{&device};
    QSignalSpy received{&reader, &InstrumentReader::received};
    QSignalSpy failed{&reader, &InstrumentReader::failed};
};

/// A main frame whose instrument command listens through fakes; `listener`
/// follows the newest.
struct Linked : Shell {
    QPointer<FakeListener> listener;
    QString startError;  // what the next listener answers when started
    explicit Linked(std::chrono::milliseconds timeout = 60s) { useFakes(timeout); }
    void useFakes(std::chrono::milliseconds timeout = 60s)
    {
        command()->setTimeout(timeout);
        command()->setListenerFactory([this] {
            listener = new FakeListener;
            listener->error = startError;
            return listener.data();
        });
    }
    InstrumentCommand* command() const { return frame->findChild<InstrumentCommand*>(); }
    /// Starts the command and connects a fresh instrument to it.
    QPointer<FeedDevice> connectInstrument()
    {
        run(ID_BLUETOOTH);
        QPointer<FeedDevice> device = new FeedDevice;
        listener->deliver(device);
        return device;
    }
};

}  // namespace

class TestInstrumentLink : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readerTakesExactlyFourBytes()
    {
        {  // five, partly before the reader starts: the first four; the fifth stays unread
            Reading r;
            r.device.feed(kBytes.left(2));
            r.reader.start();
            r.device.feed(kBytes.mid(2) + QByteArray("\xff", 1));
            QCOMPARE(r.received.size(), 1);
            QCOMPARE(r.received[0][0].toByteArray(), kBytes);
            QCOMPARE(r.device.bytesAvailable(), 1);
            r.device.hangUp();  // too late to matter
            QCOMPARE(r.failed.size(), 0);
            QCOMPARE(r.received.size(), 1);
        }
        {  // two, then the instrument goes: a failure, nothing kept, nothing after counts
            Reading r;
            r.reader.start();
            r.device.feed(kBytes.left(2));
            r.device.hangUp();
            QCOMPARE(r.failed.size(), 1);
            QVERIFY(r.failed[0][0].toString().contains("after 2 of 4 bytes"));
            QVERIFY(r.reader.bytes().isEmpty());
            r.device.feed(kBytes.mid(2));
            QCOMPARE(r.received.size(), 0);
        }
        {  // the device goes away under the reader
            auto* device = new FeedDevice;
            InstrumentReader reader(device);
            QSignalSpy failed(&reader, &InstrumentReader::failed);
            reader.start();
            delete device;
            QCOMPARE(failed.size(), 1);
        }
    }

    void commandShowsTheFourBytes()
    {
        Linked s;
        QVERIFY(s.run(ID_BLUETOOTH));
        QVERIFY(s.listener && s.listener->starts == 1);

        // The window stays usable: the waiting dialog is open but not modal.
        InstrumentWaitDialog* dialog = s.command()->waitDialog();
        QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(dialog->text(), QString("Waiting for the instrument..."));

        // Running the command again while it waits starts nothing new.
        QVERIFY(s.run(ID_BLUETOOTH));
        QCOMPARE(s.listener->starts, 1);

        QPointer<FeedDevice> device = new FeedDevice;
        s.listener->deliver(device);
        QVERIFY(s.listener->stops >= 1);  // one instrument at a time
        QVERIFY(dialog->text() != QString("Waiting for the instrument..."));
        device->feed(kBytes.left(1));
        device->feed(kBytes.mid(1) + "\x4e");
        QTRY_COMPARE(s.prompter.messages, QStringList{kShown});
        QCOMPARE(s.frame->statusBar()->currentMessage(), kShown);
        QTRY_VERIFY(!device);  // connection closed and gone
        QTRY_VERIFY(!s.listener);
        QVERIFY(!s.command()->isBusy() && !s.command()->waitDialog());

        // A short reading says so and shows nothing.
        s.prompter.messages.clear();
        device = s.connectInstrument();
        device->feed(kBytes.left(2));
        device->hangUp();
        QTRY_COMPARE(
            s.prompter.messages,
            QStringList{"The instrument closed the connection after 2 of 4 bytes; nothing was received."});
        QVERIFY(!s.command()->isBusy());

        // A listener that cannot start says why and leaves nothing behind.
        s.prompter.messages.clear();
        s.startError = QStringLiteral("The Bluetooth server could not be started.");
        s.run(ID_BLUETOOTH);
        QCOMPARE(s.prompter.messages, QStringList{s.startError});
        QVERIFY(!s.listener && !s.command()->isBusy() && !s.command()->waitDialog());
    }

    void cancelOrTheTimeoutEndsTheWait()
    {
        Linked s(250ms);
        s.run(ID_BLUETOOTH);
        QPointer<InstrumentWaitDialog> dialog = s.command()->waitDialog();
        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
        QTRY_VERIFY(!s.command()->isBusy());
        QVERIFY(!dialog);
        QTRY_VERIFY(!s.listener);
        QTest::qWait(350);  // the time-out of the cancelled wait does not come later
        QVERIFY(s.prompter.messages.isEmpty());

        // A new wait after Cancel, ended with Escape while an instrument is connected.
        QPointer<FeedDevice> device = s.connectInstrument();
        QTest::keyClick(s.command()->waitDialog(), Qt::Key_Escape);
        QTRY_VERIFY(!device);
        QTRY_VERIFY(!s.command()->isBusy());
        QVERIFY(s.prompter.messages.isEmpty());

        // Left alone, the wait gives up after its time-out.
        s.run(ID_BLUETOOTH);
        QVERIFY(s.command()->isBusy());
        QTRY_COMPARE(s.prompter.messages, QStringList{"No instrument connected within 0.25 seconds."});
        QVERIFY(!s.command()->waitDialog());
        QTRY_VERIFY(!s.listener);

        // Connected, but the instrument stops after two bytes.
        s.prompter.messages.clear();
        device = s.connectInstrument();
        device->feed(kBytes.left(2));
        QTRY_COMPARE(
            s.prompter.messages,
            QStringList{"The instrument connected but did not send its four bytes within 0.25 seconds."});
        QTRY_VERIFY(!device);
        QVERIFY(!s.command()->isBusy());
    }

    void noAdapterSaysSoAndNothingElse()
    {
        if (BluetoothListener::adapterAvailable())
            QSKIP("this machine has a Bluetooth adapter");
        Shell plain;
        const QString before = plain.frame->statusBar()->currentMessage();
        QVERIFY(plain.run(ID_BLUETOOTH));
        QCOMPARE(plain.prompter.messages, QStringList{"No Bluetooth adapter is available."});
        QVERIFY(!plain.frame->findChild<InstrumentCommand*>()->isBusy());
        QVERIFY(!plain.frame->findChild<InstrumentWaitDialog*>());
        QCOMPARE(plain.frame->statusBar()->currentMessage(), before);
    }

    void frameDestroyedWhileWaiting()
    {
        Linked s;
        s.run(ID_BLUETOOTH);
        QPointer<InstrumentWaitDialog> dialog = s.command()->waitDialog();
        QVERIFY(s.listener && dialog);
        Shell::app()->ExitInstance();  // deletes the frame
        QVERIFY(!s.listener && !dialog);

        // Again with an instrument connected and half-way through its bytes.
        s.restart();
        s.useFakes();
        QPointer<FeedDevice> device = s.connectInstrument();
        device->feed(kBytes.left(1));
        QPointer<InstrumentCommand> command = s.command();
        Shell::app()->ExitInstance();
        QVERIFY(!device && !s.listener && !command);
        QTest::qWait(50);  // nothing queued may come back to what is gone
        QVERIFY(s.prompter.messages.isEmpty());
        s.restart();
    }

    void customizationListsTheCommandOnly()
    {
        Shell s;
        QAction* link = s.action(ID_BLUETOOTH);
        // On no menu (the command records say so for a fresh frame), even once on a toolbar.
        std::function<bool(const QWidget*)> shows = [&](const QWidget* w) {
            for (QAction* a : w->actions())
                if (a == link || (a->menu() && shows(a->menu())))
                    return true;
            return false;
        };

        QStringList listed;
        bool onUserToolbar = false;
        s.runner = [&](QDialog& d) {
            auto* dialog = qobject_cast<CustomizeDialog*>(&d);
            auto* categories = d.findChild<QComboBox*>("category");
            auto* commands = d.findChild<QListWidget*>("commandList");
            if (!dialog || !categories || !commands)
                return 0;
            categories->setCurrentIndex(categories->findText("Data Processing"));
            for (int i = 0; i < commands->count(); ++i)
                listed << commands->item(i)->text();
            // A toolbar of the user's own can carry it.
            dialog->newToolbar("Field");
            dialog->addCommand(ID_BLUETOOTH);
            onUserToolbar = dialog->currentToolbar()->actions().contains(link);
            return 0;
        };
        QVERIFY(s.run(ID_VIEW_CUSTOMIZE));
        QCOMPARE(
            listed,
            (QStringList{"Config", "Choose Data", "Processed Data", "Depth Display", "Instrument Link"}));
        QVERIFY(onUserToolbar);
        QVERIFY(!shows(s.frame->menuBar()));
    }
};

VANTREL_GUI_TEST_MAIN(TestInstrumentLink, "instrumentlink")
#include "tst_instrumentlink.moc"
