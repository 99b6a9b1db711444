// The main frame's commands: menus, toolbar, accelerators, string tables and
// the routing of commands through chart window, application and frame.

#include "app/cchildframe.h"
#include "app/commandids.h"
#include "app/stringtable.h"
#include "testsupport.h"

#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

using namespace vantrel;
using namespace vantrel::cmd;
using vantrel::test::entries;
using vantrel::test::Shell;

namespace {

QMenu* menuAt(CMainFrame* frame, const QStringList& path)
{
    QMenu* menu = nullptr;
    for (const QString& title : path) {
        const QList<QAction*> items = menu ? menu->actions() : frame->menuBar()->actions();
        menu = nullptr;
        for (QAction* a : items)
            if (a->menu() && a->text() == title)
                menu = a->menu();
        if (!menu)
            return nullptr;
    }
    return menu;
}

}  // namespace

class TestShellCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menus_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("File") << QStringList{"File(&F)"}
                              << QList<int>{57601, 57603, 32807, 32812, 57602, 0, 32811, 57616, 0, 57665}
                              << QStringList{"Open(&O)...\tCtrl+O", "Save Original Data", "Save Depth Data",
                                             "Save Picture", "Close(&C)", "", "Print", "Recent File", "", "Exit(&X)"};
        QTest::newRow("View") << QStringList{"View(&V)"} << QList<int>{-1, ID_VIEW_STATUS_BAR, -1}
                              << QStringList{"Toolbar and DockWindows(&T)", "StatusBar(&S)", "Software Pattern(&A)"};
        QTest::newRow("Looks") << QStringList{"View(&V)", "Software Pattern(&A)"}
                               << QList<int>{205, 206, 207, 208, 209, 210, -1}
                               << QStringList{"Windows 2000(&2)", "Office XP(&X)", "Windows XP(&W)", "Office 2003(&3)",
                                              "Visual Studio 200&5", "Visual Studio 200&8", "Office 2007(&7)"};
        QTest::newRow("Office 2007") << QStringList{"View(&V)", "Software Pattern(&A)", "Office 2007(&7)"}
                                     << QList<int>{215, 216, 217, 218}
                                     << QStringList{"Blue(&B)", "Black(&L)", "Silvery(&S)", "Aqua(&A)"};
        QTest::newRow("Data Processing") << QStringList{"Data Processing"} << QList<int>{32822, 32794, 32816, 32792}
                                         << QStringList{"Config", "Choose Data", "Processed Data", "Depth Display"};
        QTest::newRow("Curving") << QStringList{"Curving"} << QList<int>{32786, 32781, 32779}
                                 << QStringList{"Ichnography Curving Graph", "Vertical Curving Graph", " Round Graph"};
        QTest::newRow("Toolbars") << QStringList{"View(&V)", "Toolbar and DockWindows(&T)"}
                                  << QList<int>{0, 0, 0, 0, 0, ID_VIEW_CUSTOMIZE}  // the toggles carry no id
                                  << QStringList{"Standard", "", "File View", "Show Table", "", "Definition..."};
        QTest::newRow("Help") << QStringList{"Help(&H)"} << QList<int>{57664, 32818, 32820}
                              << QStringList{"About", "Help", "About Company"};
    }

    void menus()
    {
        QFETCH(QStringList, path);
        QFETCH(QList<int>, ids);
        QFETCH(QStringList, texts);
        Shell s;
        QStringList titles;
        for (QAction* a : s.frame->menuBar()->actions())
            titles << a->text();
        QCOMPARE(titles, (QStringList{"File(&F)", "View(&V)", "Data Processing", "Curving", "Help(&H)"}));
        QMenu* menu = menuAt(s.frame, path);
        QVERIFY(menu);
        Q_EMIT menu->aboutToShow();
        QCOMPARE(entries(menu).first, ids);
        QCOMPARE(entries(menu).second, texts);
    }

    void recentFiles()
    {
        Shell s;
        QVERIFY(!s.enabled(ID_FILE_MRU_FILE1));  // the placeholder, while the list is empty
        QTemporaryDir dir;
        for (const char* name : {"a.dat", "b.dat", "c.dat", "d.dat", "e.dat"}) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            s.frame->addRecentFile(f.fileName());
        }
        QMenu* file = menuAt(s.frame, {"File(&F)"});
        Q_EMIT file->aboutToShow();
        QCOMPARE(entries(file).first,
                 (QList<int>{57601, 57603, 32807, 32812, 57602, 0, 32811, 57616, 57617, 57618, 57619, 0, 57665}));
        QCOMPARE(s.frame->recentFiles().size(), 4);
        QVERIFY(s.frame->recentFiles().first().endsWith("e.dat"));
        QVERIFY(s.enabled(ID_FILE_MRU_FILE1 + 3));
        // Opening one gives an empty chart window named after the file.
        QVERIFY(s.run(ID_FILE_MRU_FILE1 + 1));
        QCOMPARE(s.frame->activeChartWindow()->documentTitle(), QString("d.dat"));
        // A file that is gone is reported and leaves the list.
        QFile::remove(dir.filePath("c.dat"));
        const int index = int(s.frame->recentFiles().indexOf(dir.filePath("c.dat")));
        QVERIFY(index >= 0);
        QVERIFY(s.run(ID_FILE_MRU_FILE1 + index));
        QCOMPARE(s.prompter.messages, QStringList{dir.filePath("c.dat") + " File open failed!"});
        QVERIFY(!s.frame->recentFiles().contains(dir.filePath("c.dat")));
    }

    void standardToolbar()
    {
        Shell s;
        QToolBar* bar = s.frame->standardToolBar();
        QCOMPARE(bar->iconSize(), QSize(32, 32));
        QCOMPARE(entries(bar).first, (QList<int>{57601, 57603, 32811, 32807, 57634, 57637, 0, 32786, 32781, 32779}));
        QCOMPARE(bar->widgetForAction(s.action(ID_FILE_OPEN))->size(), QSize(42, 42));
        auto* more = bar->findChild<QToolButton*>("CustomizeButton");  // it ends with the customization
        QVERIFY(more);
        QCOMPARE(more->defaultAction()->data().toInt(), ID_VIEW_CUSTOMIZE);
    }

    void accelerators()
    {
        Shell s;
        const QHash<int, QList<QKeySequence>> expected = {
            {ID_FILE_NEW, {QKeySequence("Ctrl+N")}},
            {ID_FILE_OPEN, {QKeySequence("Ctrl+O")}},
            {ID_FILE_SAVE, {QKeySequence("Ctrl+S")}},
            {ID_EDIT_UNDO, {QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}},
            {ID_EDIT_CUT, {QKeySequence("Ctrl+X"), QKeySequence("Shift+Del")}},
            {ID_EDIT_COPY, {QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Ins")}},
            {ID_EDIT_PASTE, {QKeySequence("Ctrl+V"), QKeySequence("Shift+Ins")}},
            {ID_NEXT_PANE, {QKeySequence("F6")}},
            {ID_PREV_PANE, {QKeySequence("Shift+F6")}},
        };
        for (int id : expected.keys())
            QVERIFY2(s.action(id) && s.frame->actions().contains(s.action(id)), qPrintable(QString::number(id)));
        // Every other command has no key.
        for (int id : s.frame->actionIds())
            QVERIFY2(s.action(id)->shortcuts() == expected.value(id), qPrintable(QString::number(id)));

        // Ctrl+N opens an empty chart window.
        s.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.frame));
        QTest::keyClick(s.frame, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(s.frame->chartWindows().size(), 1);
        QVERIFY(s.frame->windowTitle().endsWith(" - " + s.frame->activeChartWindow()->documentTitle()));
        // Close(&C) is the document's: enabled only with a chart window.
        QVERIFY(s.enabled(ID_FILE_CLOSE));
        QVERIFY(s.run(ID_FILE_CLOSE));
        QTRY_VERIFY(s.frame->chartWindows().isEmpty());
        QVERIFY(!s.enabled(ID_FILE_CLOSE));
    }

    void stringTables()
    {
        using L = StringTable::Language;
        const struct {
            L language;
            int id;
            const char *prompt, *tip;
        } rows[] = {
            {L::Chinese, 57601, "Open a exist file", "Open"},
            {L::English, 57601, "Open an existing File", "Open"},
            {L::Chinese, 32807, "Save Depth Data", "Save Depth Data"},
            {L::English, 32807, "Save depth data", "Depth Save"},
            {L::Chinese, 32779, "Draw  Round Graph", " Round Graph"},
            {L::English, 32779, "Draw a ring chart", "Ring Chart"},
            {L::English, 32781, "Draw vertical cross-section chart ", "vertical Chart"},
            {L::Chinese, 57665, "Exit the Sofeware；mantion save the file", "Exit"},
            {L::Chinese, 59393, "显示或隐藏状态栏", "切换状态栏"},
            {L::English, 59393, "Show or hide the status bar ", "Toggle Status Bar"},
            {L::English, 57664, "Display program information version number and copyright information", "About"},
            {L::Chinese, 32822, "", ""},
        };
        for (const auto& r : rows) {
            const StringTable table(r.language);
            QCOMPARE(table.prompt(r.id), QString::fromUtf8(r.prompt));
            QCOMPARE(table.toolTip(r.id), QString::fromUtf8(r.tip));
        }
    }

    void tableChoiceAndTheFrameShowingIt()
    {
        for (const char* zh : {"zh-CN", "zh_TW"})
            QCOMPARE(StringTable::languageFor(zh), StringTable::Language::Chinese);
        for (const char* other : {"en-US", "de", ""})
            QCOMPARE(StringTable::languageFor(other), StringTable::Language::English);
        Shell s;
        for (auto language : {StringTable::Language::Chinese, StringTable::Language::English}) {
            const StringTable table(language);
            Shell::app()->setStringTable(table);
            s.restart();
            QCOMPARE(s.frame->windowTitle(), table.windowTitle());
            QCOMPARE(table.idlePrompt(), QString("Ready"));
            QCOMPARE(s.frame->statusBar()->currentMessage(), table.idlePrompt());
            for (int id : s.frame->actionIds()) {
                QCOMPARE(s.action(id)->statusTip(), table.prompt(id));
                if (!table.toolTip(id).isEmpty())
                    QCOMPARE(s.action(id)->toolTip(), table.toolTip(id));
            }
        }
        QCOMPARE(StringTable(StringTable::Language::Chinese).windowTitle(),
                 QString("Selvo Intelligent data processing software V1.6.8-- 塞尔沃智能勘探技术有限公司 -- 地球物理勘查研究所"));
        QCOMPARE(s.frame->windowTitle(), QString("Selvo Intelligent data processing software V1.6"));
    }

    void unhandledCommandsShowDisabled()
    {
        Shell s;
        // Nobody handles the edit commands, nor Close without a chart window.
        for (int id : {ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CUT, ID_EDIT_UNDO, ID_FILE_CLOSE})
            QVERIFY2(!s.enabled(id), qPrintable(QString::number(id)));
        QVERIFY(!s.run(ID_EDIT_COPY));
        for (int id : {ID_CONFIG, ID_SAVE_DEPTH_DATA, ID_PRINT_PICTURE, ID_VERTICAL_GRAPH, ID_APP_ABOUT, ID_APP_EXIT,
                       ID_BLUETOOTH, ID_VIEW_CUSTOMIZE, ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_CHOOSE_DATA,
                       ID_PROCESSED_DATA, ID_DEPTH_DISPLAY})
            QVERIFY2(s.enabled(id), qPrintable(QString::number(id)));
        // A handler plugged in later enables the command at once; its state function is honoured.
        bool allowed = false;
        int runs = 0;
        s.frame->router()->addHandler(CommandRouter::Level::MainFrame, ID_EDIT_PASTE, [&] { ++runs; },
                                      [&] { return allowed; });
        QVERIFY(!s.enabled(ID_EDIT_PASTE));
        QVERIFY(!s.run(ID_EDIT_PASTE));
        allowed = true;
        QVERIFY(s.enabled(ID_EDIT_PASTE));
        s.action(ID_EDIT_PASTE)->trigger();
        QCOMPARE(runs, 1);
    }

    void routingOrder()
    {
        // Shown with New, which no chart level claims (a chart window's document
        // passes Open and Save on to the main frame itself).
        Shell s;
        QStringList calls;
        CommandRouter* r = s.frame->router();
        r->addHandler(CommandRouter::Level::MainFrame, ID_FILE_NEW, [&] { calls << "frame"; });
        r->addHandler(CommandRouter::Level::Application, ID_FILE_NEW, [&] { calls << "app"; });
        QVERIFY(s.run(ID_FILE_NEW));
        CChildFrame* chart = s.frame->newChartWindow("chart");
        const std::pair<CommandRouter::Level, const char*> levels[] = {{CommandRouter::Level::ChildFrame, "child"},
                                                                      {CommandRouter::Level::Document, "doc"},
                                                                      {CommandRouter::Level::View, "view"}};
        for (const auto& [level, name] : levels) {
            chart->commands(level)->add(ID_FILE_NEW, [&calls, name] { calls << name; });
            QVERIFY(s.run(ID_FILE_NEW));
        }
        QCOMPARE(calls, (QStringList{"app", "child", "doc", "view"}));
        // A disabled entry stops the route: the command shows disabled.
        chart->commands(CommandRouter::Level::View)->add(ID_FILE_NEW, [&] { calls << "view"; }, [] { return false; });
        QVERIFY(!s.enabled(ID_FILE_NEW));
        // Without the chart window the application answers again.
        delete chart;
        QVERIFY(s.run(ID_FILE_NEW));
        QCOMPARE(calls.last(), QString("app"));
        QCOMPARE(r->handlerLevel(ID_BLUETOOTH), int(CommandRouter::Level::MainFrame));
        QCOMPARE(r->handlerLevel(ID_ROUND_GRAPH), int(CommandRouter::Level::Application));
    }

    void graphAndPrintRefusals()
    {
        Shell s;
        const QList<int> graphs{ID_VERTICAL_GRAPH, ID_ICHNOGRAPHY_GRAPH, ID_ROUND_GRAPH};
        for (int id : graphs)
            QVERIFY(s.run(id));
        QVERIFY(s.run(ID_PRINT_PICTURE));
        QCOMPARE(s.prompter.messages, QStringList(3, "Please choose data!")
                                          << "There is no picture to print at the current window!");
        QVERIFY(s.frame->chartWindows().isEmpty());

        // Data chosen but no current frequency entry: only the plane graph refuses.
        s.prompter.messages.clear();
        s.frame->survey().m_frame.m_bDataSelected = true;
        QVERIFY(s.run(ID_ICHNOGRAPHY_GRAPH));
        s.frame->survey().m_tree.AddFrequency("16HZ");
        s.frame->survey().m_tree.SetCurrentFrequency(-1);
        QVERIFY(s.run(ID_ICHNOGRAPHY_GRAPH));
        QCOMPARE(s.prompter.messages, QStringList(2, "Please choose data!"));
        s.prompter.messages.clear();
        s.frame->survey().m_tree.SetCurrentFrequency(0);

        QList<int> kinds;
        s.frame->setGraphDrawer([&](int kind, CChildFrame* w) {
            QCOMPARE(w, s.frame->activeChartWindow());
            kinds << kind;
        });
        QStringList titles;
        for (int id : graphs) {
            QVERIFY(s.run(id));
            titles << s.frame->activeChartWindow()->documentTitle();
        }
        QCOMPARE(titles, (QStringList{"垂直剖面图", "平面剖面图", "环形图"}));
        QCOMPARE(kinds, (QList<int>{1, 2, 3}));
        QCOMPARE(s.frame->chartWindows().size(), 3);
        // With a chart window, Print, and Save Picture and Bluetooth (the frame's) show nothing.
        for (int id : {ID_PRINT_PICTURE, ID_SAVE_PICTURE, ID_BLUETOOTH})
            QVERIFY(s.run(id));
        QVERIFY(s.prompter.messages.isEmpty());
    }

    void helpAndCompanyOpenOnlyWhatTheyMay()
    {
        Shell s;
        QList<QUrl> opened;
        Shell::app()->setUrlOpener([&](const QUrl& url) {
            opened << url;
            return true;
        });
        QVERIFY(s.run(ID_HELP_DOC));
        QVERIFY(s.run(ID_ABOUT_COMPANY));
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened[0], QUrl::fromLocalFile(QDir::current().absoluteFilePath("help.doc")));
        QCOMPARE(opened[1].scheme(), QString("http"));
        QVERIFY(!opened[1].host().isEmpty());

        QSettings().setValue(CVantrelApp::kMakerAddressKey, "https://example.org/about");
        QCOMPARE(Shell::app()->makerAddress(), QUrl("https://example.org/about"));
        QSettings().remove(CVantrelApp::kMakerAddressKey);
        for (const char* refused : {"javascript:alert(1)", "ftp://example.org/x", "smb://server/share"})
            QVERIFY2(!Shell::app()->openExternal(QUrl(refused)), refused);
        QVERIFY(Shell::app()->openExternal(QUrl("https://example.org")));
    }
};

VANTREL_GUI_TEST_MAIN(TestShellCommands, "shellcommands")
#include "tst_shellcommands.moc"
