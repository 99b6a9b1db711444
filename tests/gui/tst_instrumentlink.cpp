// The instrument link (command 32826): the four-byte reading against devices
// the test feeds, the waiting dialog, the time-out, Cancel, the machine
// without Bluetooth, the frame going while the command waits, and the
// command's place in the toolbar customization.

#include "testsupport.h"

#include "common/commandids.h"
#include "app/customizedialog.h"
#include "app/toolbarset.h"
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

InstrumentCommand* commandOf(CMainFrame* frame)
{
    return frame->findChild<InstrumentCommand*>();
}

}  // namespace

class TestInstrumentLink : public QObject {
    Q_OBJECT

    /// Gives the command of `s` fake listeners; `last` follows the newest.
    static void useFakes(Shell& s, QPointer<FakeListener>& last, std::chrono::milliseconds timeout = 60s)
    {
        commandOf(s.frame)->setTimeout(timeout);
        commandOf(s.frame)->setListenerFactory([&last] {
            last = new FakeListener;
            return last.data();
        });
    }

private Q_SLOTS:
    void readerTakesExactlyFourBytes()
    {
        {  // one byte, then three
            FeedDevice device;
            InstrumentReader reader(&device);
            QSignalSpy received(&reader, &InstrumentReader::received);
            reader.start();
            device.feed(kBytes.left(1));
            QCOMPARE(received.size(), 0);
            device.feed(kBytes.mid(1));
            QCOMPARE(received.size(), 1);
            QCOMPARE(InstrumentReader::hex(received[0][0].toByteArray()), QString("0A 1B 2C 3D"));
        }
        {  // five at once, partly before the reader starts: the first four; the fifth stays unread
            FeedDevice device;
            device.feed(kBytes.left(2));
            InstrumentReader reader(&device);
            QSignalSpy received(&reader, &InstrumentReader::received);
            QSignalSpy failed(&reader, &InstrumentReader::failed);
            reader.start();
            device.feed(kBytes.mid(2) + QByteArray("\xff", 1));
            QCOMPARE(received.size(), 1);
            QCOMPARE(received[0][0].toByteArray(), kBytes);
            QCOMPARE(device.bytesAvailable(), 1);
            device.hangUp();  // too late to matter
            QCOMPARE(failed.size(), 0);
            QCOMPARE(received.size(), 1);
        }
        {  // two, then the instrument goes: a failure, nothing kept
            FeedDevice device;
            InstrumentReader reader(&device);
            QSignalSpy received(&reader, &InstrumentReader::received);
            QSignalSpy failed(&reader, &InstrumentReader::failed);
            reader.start();
            device.feed(kBytes.left(2));
            device.hangUp();
            QCOMPARE(received.size(), 0);
            QCOMPARE(failed.size(), 1);
            QVERIFY(failed[0][0].toString().contains("after 2 of 4 bytes"));
            QVERIFY(reader.bytes().isEmpty());
            device.feed(kBytes.mid(2));  // nothing after the end counts
            QCOMPARE(received.size(), 0);
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
        Shell s;
        QPointer<FakeListener> listener;
        useFakes(s, listener);
        QVERIFY(s.enabled(ID_BLUETOOTH));
        QVERIFY(s.run(ID_BLUETOOTH));
        QVERIFY(listener && listener->starts == 1);

        // The window stays usable: the waiting dialog is open but not modal.
        InstrumentWaitDialog* dialog = commandOf(s.frame)->waitDialog();
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(!dialog->isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(dialog->text(), QString("Waiting for the instrument..."));

        // Running the command again while it waits starts nothing new.
        QVERIFY(s.run(ID_BLUETOOTH));
        QCOMPARE(listener->starts, 1);

        QPointer<FeedDevice> device = new FeedDevice;
        listener->deliver(device);
        QVERIFY(listener->stops >= 1);  // one instrument at a time
        QVERIFY(dialog->text() != QString("Waiting for the instrument..."));
        device->feed(kBytes.left(1));
        device->feed(kBytes.mid(1) + "\x4e");
        QTRY_COMPARE(s.prompter.messages, QStringList{kShown});
        QCOMPARE(s.frame->statusBar()->currentMessage(), kShown);
        QTRY_VERIFY(!device);  // connection closed and gone
        QTRY_VERIFY(!listener);
        QVERIFY(!commandOf(s.frame)->isBusy());
        QVERIFY(!commandOf(s.frame)->waitDialog());
    }

    void commandReportsAShortReading()
    {
        Shell s;
        QPointer<FakeListener> listener;
        useFakes(s, listener);
        s.run(ID_BLUETOOTH);
        auto* device = new FeedDevice;
        listener->deliver(device);
        device->feed(kBytes.left(2));
        device->hangUp();
        QTRY_COMPARE(s.prompter.messages.size(), 1);
        QCOMPARE(s.prompter.messages[0],
                 QString("The instrument closed the connection after 2 of 4 bytes; nothing was received."));
        QVERIFY(!s.frame->statusBar()->currentMessage().contains("The instrument sent"));
        QVERIFY(!commandOf(s.frame)->isBusy());
    }

    void commandGivesUpAfterTheTimeout()
    {
        Shell s;
        QPointer<FakeListener> listener;
        useFakes(s, listener, 60ms);
        s.run(ID_BLUETOOTH);
        QVERIFY(commandOf(s.frame)->isBusy());
        QTRY_COMPARE(s.prompter.messages, QStringList{"No instrument connected within 0.06 seconds."});
        QVERIFY(!commandOf(s.frame)->waitDialog());
        QTRY_VERIFY(!listener);

        // Connected, but the instrument stops after two bytes.
        s.prompter.messages.clear();
        s.run(ID_BLUETOOTH);
        QPointer<FeedDevice> device = new FeedDevice;
        listener->deliver(device);
        device->feed(kBytes.left(2));
        QTRY_COMPARE(
            s.prompter.messages,
            QStringList{"The instrument connected but did not send its four bytes within 0.06 seconds."});
        QTRY_VERIFY(!device);
        QVERIFY(!commandOf(s.frame)->isBusy());
    }

    void cancelEndsTheWaitQuietly()
    {
        Shell s;
        QPointer<FakeListener> listener;
        useFakes(s, listener, 200ms);
        s.run(ID_BLUETOOTH);
        QPointer<InstrumentWaitDialog> dialog = commandOf(s.frame)->waitDialog();
        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
        QTRY_VERIFY(!commandOf(s.frame)->isBusy());
        QVERIFY(!dialog);
        QTRY_VERIFY(!listener);
        // The time-out of the cancelled wait does not come later.
        QTest::qWait(300);
        QVERIFY(s.prompter.messages.isEmpty());

        // A new wait after Cancel, ended with Escape while an instrument is connected.
        s.run(ID_BLUETOOTH);
        QVERIFY(listener);
        QPointer<FeedDevice> device = new FeedDevice;
        listener->deliver(device);
        QTest::keyClick(commandOf(s.frame)->waitDialog(), Qt::Key_Escape);
        QTRY_VERIFY(!device);
        QTRY_VERIFY(!commandOf(s.frame)->isBusy());
        QVERIFY(s.prompter.messages.isEmpty());
    }

    void noAdapterSaysSoAndNothingElse()
    {
        if (BluetoothListener::adapterAvailable())
            QSKIP("this machine has a Bluetooth adapter");
        Shell s;
        const QString before = s.frame->statusBar()->currentMessage();
        QVERIFY(s.run(ID_BLUETOOTH));
        QCOMPARE(s.prompter.messages, QStringList{"No Bluetooth adapter is available."});
        QVERIFY(!commandOf(s.frame)->isBusy());
        QVERIFY(!commandOf(s.frame)->waitDialog());
        QVERIFY(!s.frame->findChild<InstrumentWaitDialog*>());
        QCOMPARE(s.frame->statusBar()->currentMessage(), before);

        // A listener that cannot start leaves nothing behind either.
        QPointer<FakeListener> listener;
        useFakes(s, listener);
        commandOf(s.frame)->setListenerFactory([&listener] {
            listener = new FakeListener;
            listener->error = QStringLiteral("The Bluetooth server could not be started.");
            return listener.data();
        });
        s.run(ID_BLUETOOTH);
        QCOMPARE(s.prompter.messages.last(), QString("The Bluetooth server could not be started."));
        QVERIFY(!listener);
        QVERIFY(!commandOf(s.frame)->isBusy());
    }

    void frameDestroyedWhileWaiting()
    {
        Shell s;
        QPointer<FakeListener> listener;
        useFakes(s, listener);
        s.run(ID_BLUETOOTH);
        QPointer<InstrumentWaitDialog> dialog = commandOf(s.frame)->waitDialog();
        QVERIFY(listener && dialog);
        Shell::app()->ExitInstance();  // deletes the frame
        QVERIFY(!listener);
        QVERIFY(!dialog);

        // Again with an instrument connected and half-way through its bytes.
        s.restart();
        useFakes(s, listener);
        s.run(ID_BLUETOOTH);
        QPointer<FeedDevice> device = new FeedDevice;
        listener->deliver(device);
        device->feed(kBytes.left(1));
        QPointer<InstrumentCommand> command = commandOf(s.frame);
        Shell::app()->ExitInstance();
        QVERIFY(!device);
        QVERIFY(!listener);
        QVERIFY(!command);
        QTest::qWait(50);  // nothing queued may come back to what is gone
        QVERIFY(s.prompter.messages.isEmpty());
        s.restart();
    }

    void customizationListsTheCommandOnly()
    {
        Shell s;
        QAction* link = s.action(ID_BLUETOOTH);
        QCOMPARE(link->text(), QString("Instrument Link"));
        QVERIFY(!link->icon().isNull());
        QVERIFY(link->shortcuts().isEmpty());
        // On no menu and no toolbar.
        std::function<bool(const QWidget*)> shows = [&](const QWidget* w) {
            for (QAction* a : w->actions())
                if (a == link || (a->menu() && shows(a->menu())))
                    return true;
            return false;
        };
        QVERIFY(!shows(s.frame->menuBar()));
        for (QToolBar* bar : s.frame->toolbars()->all())
            QVERIFY(!bar->actions().contains(link));

        QStringList listed;
        bool onUserToolbar = false;
        s.runner = [&](QDialog& d) {
            auto* dialog = qobject_cast<CustomizeDialog*>(&d);
            QComboBox* categories = nullptr;
            for (QComboBox* c : d.findChildren<QComboBox*>())
                if (c->findText("Data Processing") >= 0)
                    categories = c;
            if (!dialog || !categories)
                return 0;
            categories->setCurrentIndex(categories->findText("Data Processing"));
            QListWidget* commands = nullptr;
            for (QListWidget* l : d.findChildren<QListWidget*>())
                if (!l->findItems("Config", Qt::MatchExactly).isEmpty())
                    commands = l;
            if (!commands)
                return 0;
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
