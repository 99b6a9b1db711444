// Files from outside the program: its command line and files dropped on the window.

#include "app/startupoptions.h"
#include "messages.h"
#include "testsupport.h"

#include <QMimeData>

using namespace vantrel;
using vantrel::test::Shell;
using Action = StartupOptions::Action;

namespace {

QString openFileName(const Shell& s)
{
    return QFileInfo(QString::fromStdString(s.frame->survey().m_frame.DataFile())).fileName();
}

/// Drags `paths` over the frame and drops them; true when the frame took the drag.
bool drop(Shell& s, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& p : paths)
        urls << QUrl::fromLocalFile(p);
    data.setUrls(urls);
    const QPoint at = s.frame->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(s.frame, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(s.frame, &dropped);
    return dropped.isAccepted();
}

}  // namespace

class TestShellStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commandLineWords()
    {
        const QString here = QDir::currentPath() + QLatin1Char('/');
        const struct {
            QStringList words;
            Action action;
            QStringList files;
            const char* error;
        } rows[] = {
            {{}, Action::Start, {}, ""},
            {{"a.dat", "/tmp/b.csv"}, Action::Start, {here + "a.dat", "/tmp/b.csv"}, ""},
            {{"file:///tmp/with%20space.dat"}, Action::Start, {"/tmp/with space.dat"}, ""},
            {{"--", "-odd.dat", "--help"}, Action::Start, {here + "-odd.dat", here + "--help"}, ""},
            {{"-x", "a.dat", "--y"},
             Action::Error,
             {here + "a.dat"},
             "vantrel: unknown option '-x'\nTry 'vantrel --help' for more information.\n"},
            // Qt's options are still on the line before the application takes them.
            {{"-platform", "offscreen", "--version"}, Action::Version, {}, ""},
            {{"a.dat", "-h"}, Action::Help, {}, ""},
        };
        for (const auto& row : rows) {
            const StartupOptions o = StartupOptions::parse(QStringList{"vantrel"} + row.words);
            QCOMPARE(o.action, row.action);
            QCOMPARE(o.files, row.files);
            QCOMPARE(o.error, QString::fromUtf8(row.error));
        }
        QVERIFY(
            StartupOptions::versionText().startsWith("vantrel " + QCoreApplication::applicationVersion()));
    }

    // A file named on the command line opens as File > Open opens it, the
    // close question included; the files after the first say they were not opened.
    void namedFilesOpen()
    {
        Shell s;
        const QString road = test::fixture("road.dat");
        s.app()->openFiles(StartupOptions::parse({"vantrel", road}).files);
        QCOMPARE(openFileName(s), QString("road.dat"));
        QCOMPARE(s.frame->survey().m_tables.Origin().RowCount(), std::size_t(16));
        QVERIFY(s.prompter.messages.isEmpty());

        s.prompter.answers << false;  // keep the open file
        s.app()->openFiles({test::fixture("alternating.dat")});
        QCOMPARE(s.prompter.questions, QStringList{QString::fromUtf8(msg::kCloseOpenFile)});
        QCOMPARE(openFileName(s), QString("road.dat"));

        s.prompter.answers << true;
        // Several survey files are one survey; these two have other columns.
        s.app()->openFiles({test::fixture("alternating.dat"), road, "/tmp/x.vantrel"});
        QVERIFY(!s.frame->survey().m_frame.HasOpenFile());
        QCOMPARE(
            s.prompter.messages,
            QStringList(
                {"/tmp/x.vantrel is a Vantrel project. This version of the program opens survey files "
                 "(.dat, .csv) only.",
                 "road.dat does not have the columns of alternating.dat: none of the files was loaded."}));
    }

    void droppedFilesOpen()
    {
        Shell s;
        QVERIFY(!drop(s, {"/tmp/notes.txt"}));
        QVERIFY(drop(s, {test::fixture("other_layout.csv")}));
        QTRY_COMPARE(openFileName(s), QString("other_layout.csv"));
        // A file of a kind the window does not open is left out of a mixed drop.
        s.prompter.answers << true;
        QVERIFY(drop(s, {"/tmp/notes.txt", test::fixture("road.dat")}));
        QTRY_COMPARE(openFileName(s), QString("road.dat"));
        QCOMPARE(s.prompter.questions, QStringList{QString::fromUtf8(msg::kCloseOpenFile)});
    }
};

VANTREL_GUI_TEST_MAIN(TestShellStartup, "startup")
#include "tst_shellstartup.moc"
