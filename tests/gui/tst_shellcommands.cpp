// The main frame's commands: menus, toolbar, accelerators, string tables and
// the routing of commands through chart window, application and frame.

#include "app/cchildframe.h"
#include "app/commandids.h"
#include "app/stringtable.h"
#include "app/toolbarset.h"
#include "shelltestsupport.h"

#include <QDockWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

using namespace vantrel;
using namespace vantrel::cmd;
using vantrel::test::menuIds;
using vantrel::test::menuTexts;
using vantrel::test::Shell;

namespace {

QMenu* topMenu(CMainFrame* frame, const QString& title)
{
    for (QAction* a : frame->menuBar()->actions())
        if (a->text() == title)
            return a->menu();
    return nullptr;
}

QMenu* subMenu(QMenu* menu, const QString& title)
{
    for (QAction* a : menu->actions())
        if (a->menu() && a->text() == title)
            return a->menu();
    return nullptr;
}

}  // namespace

class TestShellCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuBarHasTheMenusInOrder()
    {
        Shell s;
        QStringList titles;
        for (QAction* a : s.frame->menuBar()->actions())
            titles << a->text();
        QCOMPARE(titles, (QStringList{"File(&F)", "View(&V)", "Data Processing", "Curving", "Help(&H)"}));
    }

    void fileMenuEntriesAndIds()
    {
        Shell s;
        QMenu* file = topMenu(s.frame, "File(&F)");
        QVERIFY(file);
        Q_EMIT file->aboutToShow();
        QCOMPARE(menuIds(file), (QList<int>{57601, 57603, 32807, 32812, 57602, 0, 32811, 57616, 0, 57665}));
        QCOMPARE(menuTexts(file), (QStringList{"Open(&O)...\tCtrl+O", "Save Original Data", "Save Depth Data",
                                               "Save Picture", "Close(&C)", "", "Print", "Recent File", "",
                                               "Exit(&X)"}));
        // The recent-file placeholder is disabled while the list is empty.
        QVERIFY(!s.enabled(ID_FILE_MRU_FILE1));
    }

    void recentFilesReplaceThePlaceholder()
    {
        Shell s;
        QTemporaryDir dir;
        for (const char* name : {"a.dat", "b.dat", "c.dat", "d.dat", "e.dat"}) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            s.frame->addRecentFile(f.fileName());
        }
        QMenu* file = topMenu(s.frame, "File(&F)");
        Q_EMIT file->aboutToShow();
        QCOMPARE(menuIds(file), (QList<int>{57601, 57603, 32807, 32812, 57602, 0, 32811, 57616, 57617, 57618, 57619,
                                            0, 57665}));
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
        QCOMPARE(s.prompter.messages.size(), 1);
        QVERIFY(s.prompter.messages.first().endsWith(" File open failed!"));
        QVERIFY(!s.frame->recentFiles().contains(dir.filePath("c.dat")));
    }

    void viewMenuAndLooks()
    {
        Shell s;
        QMenu* view = topMenu(s.frame, "View(&V)");
        QCOMPARE(menuTexts(view), (QStringList{"Toolbar and DockWindows(&T)", "StatusBar(&S)", "Software Pattern(&A)"}));
        QCOMPARE(view->actions().at(1)->data().toInt(), ID_VIEW_STATUS_BAR);

        QMenu* looks = subMenu(view, "Software Pattern(&A)");
        QVERIFY(looks);
        QCOMPARE(menuIds(looks), (QList<int>{205, 206, 207, 208, 209, 210, -1}));
        QCOMPARE(menuTexts(looks), (QStringList{"Windows 2000(&2)", "Office XP(&X)", "Windows XP(&W)",
                                                "Office 2003(&3)", "Visual Studio 200&5", "Visual Studio 200&8",
                                                "Office 2007(&7)"}));
        QMenu* office = subMenu(looks, "Office 2007(&7)");
        QVERIFY(office);
        QCOMPARE(menuIds(office), (QList<int>{215, 216, 217, 218}));
        QCOMPARE(menuTexts(office), (QStringList{"Blue(&B)", "Black(&L)", "Silvery(&S)", "Aqua(&A)"}));

        // The toolbar list names the toolbar and both panes and ends with the customization.
        QMenu* bars = subMenu(view, "Toolbar and DockWindows(&T)");
        Q_EMIT bars->aboutToShow();
        QStringList texts = menuTexts(bars);
        QVERIFY(texts.contains("Standard"));
        QVERIFY(texts.contains("File View"));
        QVERIFY(texts.contains("Show Table"));
        QCOMPARE(texts.last(), QString("Definition..."));
        QCOMPARE(bars->actions().last()->data().toInt(), ID_VIEW_CUSTOMIZE);
    }

    void dataCurvingAndHelpMenus()
    {
        Shell s;
        QMenu* data = topMenu(s.frame, "Data Processing");
        QCOMPARE(menuIds(data), (QList<int>{32822, 32794, 32816, 32792}));
        QCOMPARE(menuTexts(data), (QStringList{"Config", "Choose Data", "Processed Data", "Depth Display"}));
        QMenu* curving = topMenu(s.frame, "Curving");
        QCOMPARE(menuIds(curving), (QList<int>{32786, 32781, 32779}));
        QCOMPARE(menuTexts(curving),
                 (QStringList{"Ichnography Curving Graph", "Vertical Curving Graph", " Round Graph"}));
        QMenu* help = topMenu(s.frame, "Help(&H)");
        QCOMPARE(menuIds(help), (QList<int>{57664, 32818, 32820}));
        QCOMPARE(menuTexts(help), (QStringList{"About", "Help", "About Company"}));
    }

    void standardToolbarOrderAndSizes()
    {
        Shell s;
        QToolBar* bar = s.frame->standardToolBar();
        QCOMPARE(bar->objectName(), QString("Standard"));
        QCOMPARE(bar->windowTitle(), QString("Standard"));
        QCOMPARE(bar->iconSize(), QSize(32, 32));
        QList<int> ids;
        const QList<QAction*> actions = bar->actions();
        for (QAction* a : actions.mid(0, actions.size() - 1))
            ids << (a->isSeparator() ? 0 : a->data().toInt());
        QCOMPARE(ids, (QList<int>{57601, 57603, 32811, 32807, 57634, 57637, 0, 32786, 32781, 32779}));
        QWidget* open = bar->widgetForAction(s.action(ID_FILE_OPEN));
        QVERIFY(open);
        QCOMPARE(open->size(), QSize(42, 42));
        // It ends with the customize button.
        auto* more = bar->findChild<QToolButton*>("CustomizeButton");
        QVERIFY(more);
        QCOMPARE(more->defaultAction()->data().toInt(), ID_VIEW_CUSTOMIZE);
        QCOMPARE(more->defaultAction()->text(), QString("Definition..."));
    }

    void accelerators()
    {
        Shell s;
        const QList<std::pair<int, QList<QKeySequence>>> expected = {
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
        for (const auto& [id, keys] : expected) {
            QVERIFY2(s.action(id), qPrintable(QString::number(id)));
            QCOMPARE(s.action(id)->shortcuts(), keys);
            // Accelerators work without a menu entry: the actions sit on the frame.
            QVERIFY(s.frame->actions().contains(s.action(id)));
        }
        // No other command has a key.
        for (int id : s.frame->actionIds()) {
            const bool listed = std::any_of(expected.begin(), expected.end(), [id](auto& e) { return e.first == id; });
            if (!listed)
                QVERIFY2(s.action(id)->shortcuts().isEmpty(), qPrintable(QString::number(id)));
        }
    }

    void ctrlNOpensAnEmptyChartWindow()
    {
        Shell s;
        s.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.frame));
        QVERIFY(s.frame->chartWindows().isEmpty());
        QTest::keyClick(s.frame, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(s.frame->chartWindows().size(), 1);
        QVERIFY(s.frame->windowTitle().endsWith(" - " + s.frame->activeChartWindow()->documentTitle()));
        // Close(&C) is the document's: enabled only with a chart window.
        QVERIFY(s.enabled(ID_FILE_CLOSE));
        QVERIFY(s.run(ID_FILE_CLOSE));
        QTRY_VERIFY(s.frame->chartWindows().isEmpty());
        QVERIFY(!s.enabled(ID_FILE_CLOSE));
    }

    void stringTables_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("tip");
        const int zh = int(StringTable::Language::Chinese), en = int(StringTable::Language::English);
        QTest::newRow("zh open") << zh << 57601 << "Open a exist file" << "Open";
        QTest::newRow("en open") << en << 57601 << "Open an existing File" << "Open";
        QTest::newRow("zh depth") << zh << 32807 << "Save Depth Data" << "Save Depth Data";
        QTest::newRow("en depth") << en << 32807 << "Save depth data" << "Depth Save";
        QTest::newRow("zh round") << zh << 32779 << "Draw  Round Graph" << " Round Graph";
        QTest::newRow("en round") << en << 32779 << "Draw a ring chart" << "Ring Chart";
        QTest::newRow("en vertical") << en << 32781 << "Draw vertical cross-section chart " << "vertical Chart";
        QTest::newRow("zh exit") << zh << 57665 << "Exit the Sofeware；mantion save the file" << "Exit";
        QTest::newRow("zh status bar") << zh << 59393 << "显示或隐藏状态栏" << "切换状态栏";
        QTest::newRow("en status bar") << en << 59393 << "Show or hide the status bar " << "Toggle Status Bar";
        QTest::newRow("both about") << en << 57664
                                    << "Display program information version number and copyright information"
                                    << "About";
        QTest::newRow("no prompt") << zh << 32822 << "" << "";
    }

    void stringTables()
    {
        QFETCH(int, language);
        QFETCH(int, id);
        QFETCH(QString, prompt);
        QFETCH(QString, tip);
        const StringTable table(static_cast<StringTable::Language>(language));
        QCOMPARE(table.prompt(id), prompt);
        QCOMPARE(table.toolTip(id), tip);
    }

    void stringTableChoiceAndTitles()
    {
        QCOMPARE(StringTable::languageFor("zh-CN"), StringTable::Language::Chinese);
        QCOMPARE(StringTable::languageFor("zh_TW"), StringTable::Language::Chinese);
        QCOMPARE(StringTable::languageFor("en-US"), StringTable::Language::English);
        QCOMPARE(StringTable::languageFor("de"), StringTable::Language::English);
        QCOMPARE(StringTable::languageFor(""), StringTable::Language::English);
        const StringTable zh(StringTable::Language::Chinese), en(StringTable::Language::English);
        QCOMPARE(en.windowTitle(), QString("Selvo Intelligent data processing software V1.6"));
        QVERIFY(zh.windowTitle().startsWith("Selvo Intelligent data processing software V1.6.8-- "));
        QVERIFY(zh.windowTitle().contains(" -- "));
        QCOMPARE(zh.idlePrompt(), QString("Ready"));
        QCOMPARE(en.idlePrompt(), QString("Ready"));
    }

    void frameShowsTheTableItWasGiven()
    {
        Shell s;
        QCOMPARE(s.frame->windowTitle(), QString("Selvo Intelligent data processing software V1.6"));
        QCOMPARE(s.action(ID_FILE_OPEN)->statusTip(), QString("Open an existing File"));
        QCOMPARE(s.action(ID_FILE_OPEN)->toolTip(), QString("Open"));
        QCOMPARE(s.frame->statusBar()->currentMessage(), QString("Ready"));

        Shell::app()->setStringTable(StringTable(StringTable::Language::Chinese));
        s.restart();
        QCOMPARE(s.action(ID_VIEW_STATUS_BAR)->statusTip(), QString("显示或隐藏状态栏"));
        QCOMPARE(s.action(ID_ROUND_GRAPH)->toolTip(), QString(" Round Graph"));
        QVERIFY(s.frame->windowTitle().startsWith("Selvo Intelligent data processing software V1.6.8--"));
        Shell::app()->setStringTable(StringTable(StringTable::Language::English));
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
        // A handler plugged in later enables the command at once.
        int opened = 0;
        s.frame->router()->addHandler(CommandRouter::Level::MainFrame, ID_EDIT_CUT, [&] { ++opened; });
        QVERIFY(s.enabled(ID_EDIT_CUT));
        s.action(ID_EDIT_CUT)->trigger();
        QCOMPARE(opened, 1);
        // Its enabled-state function is honoured.
        bool allowed = false;
        s.frame->router()->addHandler(CommandRouter::Level::MainFrame, ID_EDIT_PASTE, [&] { ++opened; },
                                      [&] { return allowed; });
        QVERIFY(!s.enabled(ID_EDIT_PASTE));
        QVERIFY(!s.run(ID_EDIT_PASTE));
        allowed = true;
        QVERIFY(s.enabled(ID_EDIT_PASTE));
        QVERIFY(s.run(ID_EDIT_PASTE));
        QCOMPARE(opened, 2);
    }

    void routingOrder()
    {
        Shell s;
        QStringList calls;
        CommandRouter* r = s.frame->router();
        r->addHandler(CommandRouter::Level::MainFrame, ID_FILE_OPEN, [&] { calls << "frame"; });
        r->addHandler(CommandRouter::Level::Application, ID_FILE_OPEN, [&] { calls << "app"; });
        QVERIFY(s.run(ID_FILE_OPEN));
        CChildFrame* chart = s.frame->newChartWindow("chart");
        chart->commands(CommandRouter::Level::ChildFrame)->add(ID_FILE_OPEN, [&] { calls << "child"; });
        QVERIFY(s.run(ID_FILE_OPEN));
        chart->commands(CommandRouter::Level::Document)->add(ID_FILE_OPEN, [&] { calls << "doc"; });
        QVERIFY(s.run(ID_FILE_OPEN));
        chart->commands(CommandRouter::Level::View)->add(ID_FILE_OPEN, [&] { calls << "view"; });
        QVERIFY(s.run(ID_FILE_OPEN));
        QCOMPARE(calls, (QStringList{"app", "child", "doc", "view"}));
        // A disabled entry stops the route: the command shows disabled.
        chart->commands(CommandRouter::Level::View)->add(ID_FILE_OPEN, [&] { calls << "view"; }, [] { return false; });
        QVERIFY(!s.enabled(ID_FILE_OPEN));
        // Without the chart window the application answers again.
        delete chart;
        QVERIFY(s.run(ID_FILE_OPEN));
        QCOMPARE(calls.last(), QString("app"));
        QCOMPARE(r->handlerLevel(ID_BLUETOOTH), int(CommandRouter::Level::MainFrame));
        QCOMPARE(r->handlerLevel(ID_ROUND_GRAPH), int(CommandRouter::Level::Application));
    }

    void graphCommandsRefuseWithoutData()
    {
        Shell s;
        for (int id : {ID_VERTICAL_GRAPH, ID_ICHNOGRAPHY_GRAPH, ID_ROUND_GRAPH})
            QVERIFY(s.run(id));
        QCOMPARE(s.prompter.messages, QStringList(3, "Please choose data!"));
        QVERIFY(s.frame->chartWindows().isEmpty());

        // Data chosen but no frequency entry: only the plane graph refuses.
        s.prompter.messages.clear();
        s.frame->survey().m_frame.m_bDataSelected = true;
        QVERIFY(s.run(ID_ICHNOGRAPHY_GRAPH));
        QCOMPARE(s.prompter.messages, QStringList{"Please choose data!"});
        s.frame->survey().m_tree.AddFrequency("16HZ");
        s.frame->survey().m_tree.SetCurrentFrequency(-1);
        QVERIFY(s.run(ID_ICHNOGRAPHY_GRAPH));
        QCOMPARE(s.prompter.messages.size(), 2);  // entries, but none current
        s.prompter.messages.clear();
        s.frame->survey().m_tree.SetCurrentFrequency(0);

        QList<int> kinds;
        s.frame->setGraphDrawer([&](int kind, CChildFrame* w) {
            QCOMPARE(w, s.frame->activeChartWindow());
            kinds << kind;
        });
        QVERIFY(s.run(ID_VERTICAL_GRAPH));
        QCOMPARE(s.frame->activeChartWindow()->documentTitle(), QString("垂直剖面图"));
        QVERIFY(s.run(ID_ICHNOGRAPHY_GRAPH));
        QCOMPARE(s.frame->activeChartWindow()->documentTitle(), QString("平面剖面图"));
        QVERIFY(s.run(ID_ROUND_GRAPH));
        QCOMPARE(s.frame->activeChartWindow()->documentTitle(), QString("环形图"));
        QCOMPARE(kinds, (QList<int>{1, 2, 3}));
        QStringList titles;
        for (CChildFrame* w : s.frame->chartWindows())
            titles << w->documentTitle();
        QCOMPARE(titles, (QStringList{"垂直剖面图", "平面剖面图", "环形图"}));
        QVERIFY(s.prompter.messages.isEmpty());
    }

    void printNeedsAChartWindow()
    {
        Shell s;
        QVERIFY(s.run(ID_PRINT_PICTURE));
        QCOMPARE(s.prompter.messages, QStringList{"There is no picture to print at the current window!"});
        s.frame->newChartWindow("chart");
        QVERIFY(s.run(ID_PRINT_PICTURE));
        QCOMPARE(s.prompter.messages.size(), 1);
        // Save Picture and the Bluetooth command are the frame's and show nothing.
        QVERIFY(s.run(ID_SAVE_PICTURE));
        QVERIFY(s.run(ID_BLUETOOTH));
        QCOMPARE(s.prompter.messages.size(), 1);
    }

    void exitAnswers()
    {
        Shell s;
        s.prompter.answers = {true};
        QVERIFY(s.run(ID_APP_EXIT));
        QCOMPARE(s.prompter.questions, QStringList{"Please save the data!"});
        QVERIFY(s.exitCalls.isEmpty());  // OK goes back to the program

        s.prompter.answers = {false};
        QVERIFY(s.run(ID_APP_EXIT));
        QCOMPARE(s.exitCalls, QList<int>{0});  // Cancel ends at once with status 0
        // No close sequence ran: nothing else was asked.
        QCOMPARE(s.prompter.questions.size(), 2);
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
        QVERIFY(opened[0].isLocalFile());
        QCOMPARE(opened[0].toLocalFile(), QDir::current().absoluteFilePath("help.doc"));
        QCOMPARE(opened[1].scheme(), QString("http"));
        QVERIFY(!opened[1].host().isEmpty());

        {
            QSettings().setValue(CVantrelApp::kMakerAddressKey, "https://example.org/about");
        }
        QCOMPARE(Shell::app()->makerAddress(), QUrl("https://example.org/about"));
        QVERIFY(!Shell::app()->openExternal(QUrl("javascript:alert(1)")));
        QVERIFY(!Shell::app()->openExternal(QUrl("ftp://example.org/x")));
        QVERIFY(!Shell::app()->openExternal(QUrl("smb://server/share")));
        QVERIFY(Shell::app()->openExternal(QUrl("https://example.org")));
        QSettings().remove(CVantrelApp::kMakerAddressKey);
    }

    void panesAndDocumentArea()
    {
        Shell s;
        QCOMPARE(s.frame->fileViewDock()->objectName(), QString("FileViewPane"));
        QCOMPARE(s.frame->fileViewDock()->windowTitle(), QString("File View"));
        QCOMPARE(s.frame->dockWidgetArea(s.frame->fileViewDock()), Qt::LeftDockWidgetArea);
        QCOMPARE(s.frame->outputDock()->objectName(), QString("OutputPane"));
        QCOMPARE(s.frame->outputDock()->windowTitle(), QString("Show Table"));
        QCOMPARE(s.frame->dockWidgetArea(s.frame->outputDock()), Qt::BottomDockWidgetArea);
        QCOMPARE(s.frame->mdiArea()->viewMode(), QMdiArea::TabbedView);
        QVERIFY(s.frame->chartWindows().isEmpty());

        // A pane plugged in later takes the old one's place and name.
        s.frame->addDockWidget(Qt::RightDockWidgetArea, s.frame->outputDock());
        auto* pane = new QDockWidget;
        s.frame->setOutputPane(pane);
        QCOMPARE(s.frame->outputDock(), pane);
        QCOMPARE(pane->objectName(), QString("OutputPane"));
        QCOMPARE(pane->windowTitle(), QString("Show Table"));
        QCOMPARE(s.frame->dockWidgetArea(pane), Qt::RightDockWidgetArea);
    }
};

VANTREL_SHELL_TEST_MAIN(TestShellCommands, "shellcommands")
#include "tst_shellcommands.moc"
