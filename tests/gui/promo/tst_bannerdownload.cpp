// The picture panel's timer ticks against a real HTTP server on 127.0.0.1:
// the banner list, the downloads one per tick, the links, the old pictures,
// and what a broken or hostile server cannot do.

#include "testsupport.h"

#include "common/surveynotifier.h"
#include "panes/cfileview.h"
#include "panes/cmystatic.h"
#include "promo/bannerpictures.h"
#include "promo/bannerticker.h"
#include "survey.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace vantrel;

namespace {

/// A small HTTP/1.1 server: one reply per connection, by request path.
class HttpServer {
public:
    enum class Send { Whole, NoLength, Stall };

    HttpServer()
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = m_server.nextPendingConnection()) {
                s->setParent(&m_sockets);
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] { read(s); });
            }
        });
    }

    bool start(quint16 port = 0)
    {
        if (!m_server.listen(QHostAddress::LocalHost, port))
            return false;
        m_port = m_server.serverPort();
        return true;
    }
    /// The server goes down; start(port()) brings it back.
    void stop() { m_server.close(); }
    quint16 port() const { return m_port; }
    QUrl base() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_port)); }

    void setList(const QByteArray& body, Send send = Send::Whole)
    {
        m_routes["/api/misc/banners"] = {body, send};
    }
    void setFile(const QByteArray& name, const QByteArray& body, Send send = Send::Whole)
    {
        m_routes["/api/misc/files/" + name] = {body, send};
    }

    QList<QByteArray> requests;
    int count(const QByteArray& path) const { return static_cast<int>(requests.count(path)); }

private:
    void read(QTcpSocket* s)
    {
        QByteArray& buffer = m_pending[s];
        buffer += s->readAll();
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QByteArray path = buffer.left(buffer.indexOf("\r\n")).split(' ').value(1);
        m_pending.remove(s);
        requests << path;
        const auto it = m_routes.constFind(path);
        if (it == m_routes.cend()) {
            s->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            s->disconnectFromHost();
            return;
        }
        const auto& [body, send] = *it;
        QByteArray head = "HTTP/1.1 200 OK\r\nConnection: close\r\n";
        if (send != Send::NoLength)  // a stalled reply promises more than it sends
            head += "Content-Length: " + QByteArray::number(body.size() + (send == Send::Stall) * 100000) +
                "\r\n";
        s->write(head + "\r\n" + body);
        if (send != Send::Stall)
            s->disconnectFromHost();
    }

    QTcpServer m_server;
    QObject m_sockets;
    QHash<QTcpSocket*, QByteArray> m_pending;
    QHash<QByteArray, std::pair<QByteArray, Send>> m_routes;
    quint16 m_port = 0;
};

QByteArray Encoded(QColor colour, const char* format, QImage image = QImage(30, 20, QImage::Format_RGB32))
{
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

/// A banner list as the maker's server writes it (an empty name: a link alone).
QByteArray List(const QList<std::pair<QByteArray, QByteArray>>& banners)
{
    QByteArray body = "{\"code\":0,\"data\":[\n";
    for (const auto& [img, value] : banners)
        body +=
            (img.isEmpty() ? "  {" : "  {\"img\": \"" + img + "\", ") + "\"value\": \"" + value + "\"},\n";
    return body + "]}\n";
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QMap<QString, QString> Links()
{
    QSettings settings;
    QMap<QString, QString> links;
    const QString group = QString::fromLatin1(BannerTicker::kLinkGroup);
    if (settings.contains(group))
        links.insert(QString(), settings.value(group).toString());
    settings.beginGroup(group);
    for (const QString& key : settings.allKeys())
        links.insert(key, settings.value(key).toString());
    return links;
}

bool Near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 16 && qAbs(a.green() - b.green()) < 16 && qAbs(a.blue() - b.blue()) < 16;
}

}  // namespace

Q_DECLARE_METATYPE(HttpServer::Send)

class TestBannerDownload : public QObject {
    Q_OBJECT

    std::unique_ptr<test::InTemporaryFolder> m_folder;
    std::unique_ptr<SurveyNotifier> m_survey;
    std::unique_ptr<CFileView> m_pane;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<BannerTicker> m_ticker;
    int m_loads = 0;
    int m_shows = 0;

    /// One timer tick, run to the end of its steps.
    bool tick(int waitMs = 10000)
    {
        QSignalSpy finished(m_ticker.get(), &BannerTicker::tickFinished);
        m_ticker->OnTimer();
        return finished.count() == 1 || finished.wait(waitMs);
    }
    /// Lists `name` with the link http://name/ and serves it as a red JPEG.
    void serve(const QByteArray& name)
    {
        m_server->setList(List({{name, "http://" + name + "/"}}));
        m_server->setFile(name, Encoded(Qt::red, "JPG"));
    }
    void serveThree()
    {
        m_server->setFile("a.jpg", Encoded(Qt::red, "JPG"));
        m_server->setFile("b.png", Encoded(Qt::green, "PNG"));
        m_server->setFile("c.bmp", Encoded(Qt::blue, "BMP"));
    }
    /// Old pictures from an earlier run, each with its link.
    static void makeOld(const QStringList& names)
    {
        for (const QString& name : names) {
            QSettings().setValue("SelvoSoftwareHttpLink/" + name.section('.', 0, 0), "http://old.example/");
            QVERIFY(test::writeFile(QStringLiteral("Picture/") + name, Encoded(Qt::gray, "BMP")));
        }
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<test::InTemporaryFolder>();
        QVERIFY(QDir().mkdir(QStringLiteral("Picture")));
        QSettings().clear();
        m_survey = std::make_unique<SurveyNotifier>();
        m_pane = std::make_unique<CFileView>(*m_survey);
        m_server = std::make_unique<HttpServer>();
        QVERIFY(m_server->start());
        m_loads = m_shows = 0;
        const auto load = [this] {
            ++m_loads;
            m_pane->LoadPictures();
        };
        const auto show = [this] {
            ++m_shows;
            m_pane->ShowNextPicture();
        };
        m_ticker = std::make_unique<BannerTicker>(BannerTicker::Panel{load, show});
        m_ticker->setServer(m_server->base());
    }

    void cleanup()
    {
        m_ticker.reset();
        m_server.reset();
        m_pane.reset();
        m_survey.reset();
        m_folder.reset();
    }

    void threeBannersOnePerTick()
    {
        makeOld({"old.bmp", "old.jpg", "old.png"});
        // A link before the first picture goes under the empty key; a name that
        // would leave the picture folder is passed over, link and all (which
        // names are refused is the banner reply's test).
        m_server->setList(List({{"", "http://first.example/"},
                                {"../x.bmp", "http://x/"},
                                {"a.jpg", "https://example.com/a"},
                                {"b.png", "https://example.com/b?id=2"},
                                {"c.bmp", "http://example.com/c"}}));
        serveThree();

        QVERIFY(tick());
        QCOMPARE(Links(),
                 (QMap<QString, QString>{{"", "http://first.example/"},
                                         {"a", "https://example.com/a"},
                                         {"b", "https://example.com/b?id=2"},
                                         {"c", "http://example.com/c"}}));
        QCOMPARE(Entries("Picture"), QStringList({"a.bmp", "a.jpg", "old.png"}));
        QCOMPARE(m_pane->picturePaths(), QStringList({"Picture/a.bmp"}));
        QCOMPARE(m_pane->pictureLinks(), QStringList({"https://example.com/a"}));
        QVERIFY(Near(m_pane->pictureControl()->picture().pixelColor(5, 5), Qt::red));
        QCOMPARE(m_shows, 1);

        QVERIFY(tick());
        QVERIFY(tick());
        QCOMPARE(Entries("Picture"), QStringList({"a.bmp", "a.jpg", "b.bmp", "b.png", "c.bmp", "old.png"}));
        QCOMPARE(QImage("Picture/b.bmp").pixelColor(3, 3), QColor(Qt::green));
        QCOMPARE(QImage("Picture/c.bmp").pixelColor(3, 3), QColor(Qt::blue));
        QCOMPARE(m_pane->picturePaths().size(), 3);

        QVERIFY(tick());  // idle: the picture only
        QCOMPARE(m_server->requests,
                 QList<QByteArray>({"/api/misc/banners", "/api/misc/files/a.jpg", "/api/misc/files/b.png",
                                    "/api/misc/files/c.bmp"}));
        QCOMPARE(Entries("."), QStringList({"Picture"}));
        QCOMPARE(m_shows, 4);
        QCOMPARE(m_loads, 3);
    }

    void existingFileBlocksTheRest()
    {
        QVERIFY(test::writeFile(QStringLiteral("Picture/b.png"), "mine"));
        m_server->setList(List({{"a.jpg", "http://a/"}, {"b.png", "http://b/"}, {"c.bmp", "http://c/"}}));
        serveThree();
        for (int i = 0; i < 4; ++i)
            QVERIFY(tick());
        QCOMPARE(m_server->requests, QList<QByteArray>({"/api/misc/banners", "/api/misc/files/a.jpg"}));
        QCOMPARE(test::contents(QStringLiteral("Picture/b.png")), QByteArray("mine"));
        QCOMPARE(m_ticker->schedule().State(), BannerState::Downloading);
        QCOMPARE(m_shows, 4);
        QCOMPARE(m_loads, 4);
    }

    void unusableListChangesNothing_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::newRow("server down") << "down";
        QTest::newRow("no img") << "no img";
        QTest::newRow("error page") << "404";
        QTest::newRow("stalled list") << "stall";
    }
    void unusableListChangesNothing()
    {
        QFETCH(QString, trouble);
        makeOld({"old1.bmp", "old2.bmp"});
        m_pane->LoadPictures();
        const QByteArray good = List({{"a.jpg", "http://a/"}});
        m_server->setFile("a.jpg", Encoded(Qt::red, "JPG"));
        if (trouble == "down")
            m_server->stop();
        else if (trouble == "no img")
            m_server->setList("{\"code\":0,\"data\":[],\"value\":\"http://x/\"}");
        else if (trouble == "stall")
            m_server->setList(good, HttpServer::Send::Stall);
        m_ticker->setTimeouts(300, 1000);

        QSignalSpy finished(m_ticker.get(), &BannerTicker::tickFinished);
        m_ticker->OnTimer();
        if (trouble == "stall") {
            // A second tick while the list is on its way asks for no other one
            // and shows the next picture.
            QCOMPARE(finished.count(), 0);
            m_ticker->OnTimer();
            QCOMPARE(finished.count(), 1);
            QCOMPARE(m_shows, 1);
            m_shows = 0;
        }
        QVERIFY(finished.count() == (trouble == "stall" ? 2 : 1) || finished.wait(5000));
        QCOMPARE(Entries("Picture"), QStringList({"old1.bmp", "old2.bmp"}));
        QCOMPARE(Links(),
                 (QMap<QString, QString>{{"old1", "http://old.example/"}, {"old2", "http://old.example/"}}));
        QCOMPARE(m_shows, 0);  // the picture does not advance on this tick
        QCOMPARE(m_ticker->schedule().State(), BannerState::NotFetched);

        // The next tick asks again.
        if (trouble == "down")
            QVERIFY(m_server->start(m_server->port()));
        m_server->setList(good);
        QVERIFY(tick());
        QCOMPARE(Entries("Picture"), QStringList({"a.bmp", "a.jpg"}));
        QCOMPARE(m_shows, 1);
        QCOMPARE(m_server->count("/api/misc/banners"), trouble == "down" ? 1 : 2);
    }

    void listRequestGivesUpWithoutAConnection()
    {
        // A listener whose backlog is full answers no further connection attempt.
        const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
        QVERIFY(listener >= 0);
        const auto closeListener = qScopeGuard([listener] { ::close(listener); });
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        QVERIFY(::bind(listener, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
                ::listen(listener, 0) == 0);
        QVERIFY(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) == 0);
        const quint16 port = ntohs(address.sin_port);
        QTcpSocket fillers[3];
        for (QTcpSocket& f : fillers)
            f.connectToHost(QHostAddress::LocalHost, port);
        QTest::qWait(200);

        m_ticker->setServer(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port)));
        m_ticker->setTimeouts(300, 5000);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(tick());
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(m_ticker->schedule().State(), BannerState::NotFetched);
        QCOMPARE(m_shows, 0);
    }

    void stallingDownloadKeepsTheWindowAlive()
    {
        m_ticker->setTimeouts(300, 1500);
        m_server->setList(List({{"slow.jpg", "http://slow/"}, {"after.jpg", "http://after/"}}));
        m_server->setFile("slow.jpg", Encoded(Qt::red, "JPG"), HttpServer::Send::Stall);
        m_server->setFile("after.jpg", Encoded(Qt::red, "JPG"));

        int beats = 0;
        QTimer heartbeat;
        connect(&heartbeat, &QTimer::timeout, [&beats] { ++beats; });
        heartbeat.start(20);

        QSignalSpy finished(m_ticker.get(), &BannerTicker::tickFinished);
        QElapsedTimer clock;
        clock.start();
        m_ticker->OnTimer();
        QVERIFY2(clock.elapsed() < 500, "the tick returned at once");
        QVERIFY(QTest::qWaitFor([this] { return m_server->count("/api/misc/files/slow.jpg") == 1; }, 3000));
        QCOMPARE(finished.count(), 0);

        m_ticker->OnTimer();  // the download still runs: this tick skips it
        QCOMPARE(finished.count(), 1);
        QCOMPARE(m_server->count("/api/misc/files/after.jpg"), 0);

        QVERIFY(finished.wait(5000));
        QVERIFY(clock.elapsed() >= 1400);
        QVERIFY2(beats >= 25, qPrintable(QString::number(beats)));
        QCOMPARE(Entries("Picture"), QStringList());

        QVERIFY(tick());
        QCOMPARE(Entries("Picture"), QStringList({"after.bmp", "after.jpg"}));
    }

    void unusablePicturesGetNoCopy_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<HttpServer::Send>("send");
        QTest::addColumn<bool>("kept");  // the download itself stays, byte for byte
        QByteArray big = Encoded(Qt::red, "PNG") + QByteArray(30 * 1024 * 1024, 'x');
        QTest::newRow("oversized, with its length") << big << HttpServer::Send::Whole << false;
        QTest::newRow("oversized, without a length") << big << HttpServer::Send::NoLength << false;
        const QByteArray text = QByteArray("GIF89a? no, just text\n").repeated(20);
        QTest::newRow("not an image") << text << HttpServer::Send::Whole << true;
        // 81 MB of grey once decoded: within Qt's own default limit, past ours.
        QTest::newRow("9000 x 9000 grey")
            << Encoded(Qt::black, "PNG", QImage(9000, 9000, QImage::Format_Grayscale8))
            << HttpServer::Send::Whole << true;
    }
    void unusablePicturesGetNoCopy()
    {
        QFETCH(QByteArray, body);
        QFETCH(HttpServer::Send, send);
        QFETCH(bool, kept);
        m_server->setList(List({{"odd.jpg", "http://odd/"}, {"next.jpg", "http://next/"}}));
        m_server->setFile("odd.jpg", body, send);
        m_server->setFile("next.jpg", Encoded(Qt::red, "JPG"));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(tick());
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(Entries("Picture"), kept ? QStringList({"odd.jpg"}) : QStringList());
        if (kept)
            QCOMPARE(test::contents("Picture/odd.jpg"), body);
        QVERIFY(m_pane->picturePaths().isEmpty());
        QVERIFY(tick());
        QCOMPARE(m_pane->picturePaths(), QStringList({"Picture/next.bmp"}));
        QCOMPARE(m_ticker->schedule().State(), BannerState::Idle);
    }

    void undeletableOldPictureDoesNotStopTheList()
    {
        QVERIFY(QDir().mkpath(QStringLiteral("Picture/stuck.bmp/inside")));
        makeOld({"old.jpg"});
        serve("a.jpg");
        QVERIFY(tick());
        QVERIFY(m_ticker->schedule().BannersFetched());
        QCOMPARE(Entries("Picture"), QStringList({"a.bmp", "a.jpg", "stuck.bmp"}));
        QVERIFY(tick());
        QCOMPARE(m_server->count("/api/misc/banners"), 1);
    }

    void missingFolderDownloadsNothing()
    {
        QVERIFY(QDir(QStringLiteral("Picture")).removeRecursively());
        serve("a.jpg");
        QVERIFY(tick());
        QCOMPARE(m_server->requests, QList<QByteArray>({"/api/misc/banners"}));
        QCOMPARE(Entries("."), QStringList());
        QCOMPARE(m_ticker->schedule().State(), BannerState::Idle);
    }

    void theFramesTimerDrivesThePane()
    {
        m_ticker.reset();
        makeOld({"p1.bmp", "p2.bmp"});
        serve("a.jpg");

        {
            // No server set: no request, the ticks only show the next picture.
            test::Shell shell;
            QVERIFY(shell.frame->findChild<BannerTicker*>()->server().isEmpty());
            auto* pane = shell.frame->findChild<CFileView*>();
            QCOMPARE(pane->picturePaths().size(), 2);
            const int before = pane->pictureIndex();
            Q_EMIT shell.frame->bannerTimerTick();
            QCOMPARE(pane->pictureIndex(), (before + 1) % 2);
        }
        QCOMPARE(m_server->requests.size(), 0);

        QSettings().setValue(QString::fromLatin1(BannerTicker::kServerKey), m_server->base().toString());
        test::Shell shell;
        auto* ticker = shell.frame->findChild<BannerTicker*>();
        QCOMPARE(ticker->server(), m_server->base());
        QSignalSpy finished(ticker, &BannerTicker::tickFinished);
        Q_EMIT shell.frame->bannerTimerTick();
        QVERIFY(finished.wait(10000));
        QCOMPARE(shell.frame->findChild<CFileView*>()->picturePaths(), QStringList({"Picture/a.bmp"}));

        QSettings().setValue(QString::fromLatin1(BannerTicker::kServerKey), QStringLiteral("file:///etc"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no http or https address"));
        QVERIFY(BannerTicker::serverFromSettings().isEmpty());
    }
};

VANTREL_GUI_TEST_MAIN(TestBannerDownload, "bannerdownload")
#include "tst_bannerdownload.moc"
