// The main frame's commands: menus, toolbar, accelerators, both languages and
// the routing of commands through chart window, application and frame.

#include "charts/cchildframe.h"
#include "common/commandids.h"
#include "app/translations.h"
#include "panes/cfileview.h"
#include "panes/cfileviewtoolbar.h"
#include "panes/coutputwnd.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTextStream>
#include <QWidgetAction>

#include <algorithm>
#include <QMenuBar>
#include <QMdiArea>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QXmlStreamReader>

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

QString iconKey(const QAction* a)
{
    if (a->icon().isNull())
        return QStringLiteral("-");
    const QImage image = a->icon().pixmap(32).toImage();
    const QByteArray bits(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    return QString::fromLatin1(QCryptographicHash::hash(bits, QCryptographicHash::Md5).toHex().left(8));
}

void dumpEntries(QTextStream& ts, const QWidget* w, int depth)
{
    if (auto* menu = qobject_cast<QMenu*>(const_cast<QWidget*>(w)))
        Q_EMIT menu->aboutToShow();
    for (const QAction* a : w->actions()) {
        if (!a->isVisible())
            continue;
        ts << QString(depth * 2, QLatin1Char(' '));
        if (a->isSeparator())
            ts << "--\n";
        else if (qobject_cast<const QWidgetAction*>(a))
            ts << "(widget)\n";
        else
            ts << a->data().toInt() << ' ' << QString(a->text()).replace('\t', "\\t") << '\n';
        if (a->menu())
            dumpEntries(ts, a->menu(), depth + 1);
    }
}

// Everything the frame shows of its commands: the menus (sub-menus
// indented), the edit menu, the toolbars, then every action by id.
QString commandDump(CMainFrame* frame)
{
    QString out;
    QTextStream ts(&out);
    dumpEntries(ts, frame->menuBar(), 0);
    ts << "== edit menu\n";
    dumpEntries(ts, frame->editContextMenu(), 0);
    ts << "== standard toolbar\n";
    dumpEntries(ts, frame->standardToolBar(), 0);
    ts << "== file view toolbar\n";
    for (const QAction* a : frame->fileView()->toolBar()->actions())
        ts << a->data().toInt() << " | " << a->text() << " | " << a->statusTip() << " | " << a->toolTip()
           << " | " << iconKey(a) << '\n';
    ts << "== actions\n";
    QList<int> ids = frame->actionIds();
    std::sort(ids.begin(), ids.end());
    frame->router()->updateActions();
    for (int id : ids) {
        const QAction* a = frame->action(id);
        ts << id << " | " << QString(a->text()).replace('\t', "\\t") << " | "
           << QKeySequence::listToString(a->shortcuts(), QKeySequence::PortableText) << " | "
           << a->statusTip() << " | " << a->toolTip() << " | " << iconKey(a) << " | "
           << (a->isEnabled() ? "on" : "off")
           << (a->isCheckable() ? (a->isChecked() ? " checked" : " unchecked") : "")
           << (a->actionGroup() ? " grouped" : "") << '\n';
    }
    return out;
}

}  // namespace

class TestShellCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
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
                 (QList<int>{ID_FILE_OPEN, ID_FILE_SAVE, ID_SAVE_DEPTH_DATA, ID_SAVE_PICTURE, ID_FILE_CLOSE,
                             0, ID_PRINT_PICTURE, ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE1 + 1,
                             ID_FILE_MRU_FILE1 + 2, ID_FILE_MRU_FILE1 + 3, 0, ID_APP_EXIT}));
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
        QCOMPARE(bar->widgetForAction(s.action(ID_FILE_OPEN))->size(), QSize(42, 42));
        auto* more = bar->findChild<QToolButton*>("CustomizeButton");  // it ends with the customization
        QVERIFY(more);
        QCOMPARE(more->defaultAction()->data().toInt(), ID_VIEW_CUSTOMIZE);
    }

    void accelerators()
    {
        Shell s;
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

    // The whole command set in each language against its record
    // (VANTREL_WRITE_RECORDS=1 writes the records anew, for a deliberate change).
    void commandsMatchTheirRecord()
    {
        using L = Translations::Language;
        Shell s;
        for (L language : {L::English, L::Chinese}) {
            Shell::app()->setLanguage(language);
            s.restart();
            const QString name = language == L::Chinese ? "commands-zh.txt" : "commands-en.txt";
            const QString dump = commandDump(s.frame);
            if (qEnvironmentVariableIsSet("VANTREL_WRITE_RECORDS")) {
                QFile f(vantrel::test::fixture(name));
                QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
                f.write(dump.toUtf8());
            }
            const QStringList want =
                QString::fromUtf8(vantrel::test::contents(vantrel::test::fixture(name))).split('\n');
            const QStringList got = dump.split('\n');
            for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i)
                QCOMPARE(got.value(i), want.value(i));
        }
        Shell::app()->setLanguage(L::English);
    }

    void languageChoice()
    {
        using L = Translations::Language;
        for (const char* zh : {"zh-CN", "zh_TW", " ZH"})
            QCOMPARE(Translations::languageFor(zh), L::Chinese);
        for (const char* other : {"en-US", "de", ""})
            QCOMPARE(Translations::languageFor(other), L::English);
        const QByteArray before = qgetenv("VANTREL_UI_LANGUAGE");
        qputenv("VANTREL_UI_LANGUAGE", "zh");
        QCOMPARE(Translations::forSystem(), L::Chinese);
        qputenv("VANTREL_UI_LANGUAGE", "en");
        QCOMPARE(Translations::forSystem(), L::English);
        qputenv("VANTREL_UI_LANGUAGE", before);
        for (L language : {L::Chinese, L::English})
            QVERIFY(QFile::exists(Translations::catalogue(language)));
    }

    // What the frame shows in each language: the texts of the two string
    // tables of the earlier releases, and the menus, which are the same in both.
    void bothLanguagesShowTheirTexts()
    {
        using L = Translations::Language;
        const struct {
            L language;
            int id;
            const char *prompt, *tip;
        } rows[] = {
            {L::Chinese, ID_FILE_OPEN, "Open a exist file", "Open"},
            {L::English, ID_FILE_OPEN, "Open an existing File", "Open"},
            {L::Chinese, ID_SAVE_DEPTH_DATA, "Save Depth Data", "Save Depth Data"},
            {L::English, ID_SAVE_DEPTH_DATA, "Save depth data", "Depth Save"},
            {L::Chinese, ID_ROUND_GRAPH, "Draw  Round Graph", " Round Graph"},
            {L::English, ID_ROUND_GRAPH, "Draw a ring chart", "Ring Chart"},
            {L::English, ID_VERTICAL_GRAPH, "Draw vertical cross-section chart ", "vertical Chart"},
            {L::Chinese, ID_APP_EXIT, "Exit the Sofeware；mantion save the file", "Exit"},
            {L::Chinese, ID_VIEW_STATUS_BAR, "显示或隐藏状态栏", "切换状态栏"},
            {L::English, ID_VIEW_STATUS_BAR, "Show or hide the status bar ", "Toggle Status Bar"},
            {L::Chinese, ID_PROCESSED_DATA, "Process Data", "Process Data"},
            {L::English, ID_APP_ABOUT, "Display program information version number and copyright information",
             "About"},
            {L::Chinese, ID_FILE_NEW, "Create new file", "New"},
            {L::Chinese, ID_CONFIG, "", "Config"},  // no prompt: the tip is the menu text
        };
        const QStringList menus{"File(&F)", "View(&V)", "Data Processing", "Curving", "Help(&H)"};
        Shell s;
        for (L language : {L::Chinese, L::English}) {
            const bool zh = language == L::Chinese;
            Shell::app()->setLanguage(language);
            s.restart();
            for (const auto& r : rows) {
                if (r.language != language)
                    continue;
                QCOMPARE(s.action(r.id)->statusTip(), QString::fromUtf8(r.prompt));
                QCOMPARE(s.action(r.id)->toolTip(), QString::fromUtf8(r.tip));
            }
            QCOMPARE(
                s.frame->windowTitle(),
                zh ? QString(
                         "Selvo Intelligent data processing software V1.6.8-- 塞尔沃智能勘探技术有限公司 -- "
                         "地球物理勘查研究所")
                   : QString("Selvo Intelligent data processing software V1.6"));
            QCOMPARE(s.frame->statusBar()->currentMessage(), QString("Ready"));
            QStringList titles;
            for (QAction* a : s.frame->menuBar()->actions())
                titles << a->text();
            QCOMPARE(titles, menus);
            QCOMPARE(s.action(ID_EDIT_UNDO)->text() + s.action(ID_EDIT_REDO)->text(),
                     zh ? QString("撤消(&U)\tCtrl+Z重做(&R)\tCtrl+Y")
                        : QString("&Undo\tCtrl+Z&Redo\tCtrl+Y"));
            QCOMPARE(s.action(ID_FILE_OPEN)->text(), QString("Open(&O)...\tCtrl+O"));

            auto* fileView = s.frame->fileView();
            auto* output = s.frame->outputPane();
            QVERIFY(fileView && output);
            QCOMPARE(fileView->windowTitle(), QString("File View"));
            QCOMPARE(output->windowTitle(), QString("Show Table"));
            QCOMPARE(output->tabs()->tabText(1),
                     zh ? QString("Processing Data") : QString("Data Processing"));
            QCOMPARE(fileView->toolBar()->action(ID_SELECT_DATA)->toolTip(),
                     zh ? QString("select") : QString("Select"));
            QCOMPARE(fileView->toolBar()->action(ID_FILEVIEW_PROCESS_SELECTED)->statusTip(),
                     zh ? QString("process selected files")
                        : QString("The selection of the source file for field treatment"));
            QCOMPARE(output->contextMenu()->actions().first()->text(), QString("坏点检查"));
            QCOMPARE(fileView->contextMenu()->actions().first()->text(), QString("打开(&O)"));

            QVERIFY(s.run(ID_PRINT_PICTURE));
            QCOMPARE(s.prompter.messages, QStringList{"There is no picture to print at the current window!"});
            s.prompter.messages.clear();
        }
        Shell::app()->setLanguage(L::English);
    }

    // A text added to the program without its Chinese version would show in
    // English on a Chinese system.
    void theChineseCatalogueIsComplete()
    {
        QFile ts(QStringLiteral(VANTREL_TRANSLATIONS "/vantrel_zh_CN.ts"));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        int messages = 0;
        QStringList open;
        QString source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            else if (xml.name() == QLatin1String("translation")) {
                ++messages;
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                if (!type.isEmpty() || xml.readElementText().isEmpty())
                    open << source;
            }
        }
        QVERIFY(!xml.hasError());
        QVERIFY(messages > 100);
        QVERIFY2(open.isEmpty(), qPrintable(open.join(QLatin1String(" | "))));
    }

    // The button at the right end of the document tabs: only with chart
    // windows, its menu lists them and switches between them.
    void documentTabButton()
    {
        Shell s;
        s.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.frame));
        QToolButton* button = s.frame->documentMenuButton();
        QVERIFY(button->isHidden());
        CChildFrame* first = s.frame->newChartWindow("one");
        s.frame->newChartWindow("two");
        QTRY_VERIFY(button->isVisible());
        auto* tabs = s.frame->mdiArea()->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(tabs);
        QTRY_COMPARE(button->geometry().right(), s.frame->mdiArea()->width() - 1);
        QVERIFY(tabs->geometry().right() < button->geometry().left());

        QMenu* menu = button->menu();
        Q_EMIT menu->aboutToShow();
        QCOMPARE(entries(menu).second, (QStringList{"one", "two", QString(), "Window(&W)..."}));
        QCOMPARE(entries(menu).first.last(), ID_WINDOW_MANAGER);
        QVERIFY(!menu->actions()[0]->isChecked() && menu->actions()[1]->isChecked());
        menu->actions()[0]->trigger();
        QCOMPARE(s.frame->activeChartWindow(), first);
        // Only the active tab offers its close button.
        for (int i = 0; i < tabs->count(); ++i) {
            QWidget* close = tabs->tabButton(i, QTabBar::RightSide) ? tabs->tabButton(i, QTabBar::RightSide)
                                                                    : tabs->tabButton(i, QTabBar::LeftSide);
            if (close)
                QCOMPARE(!close->isHidden(), i == tabs->currentIndex());
        }

        QVERIFY(s.run(ID_FILE_CLOSE));
        QVERIFY(s.run(ID_FILE_CLOSE));
        QTRY_VERIFY(s.frame->chartWindows().isEmpty());
        QTRY_VERIFY(button->isHidden());
    }

    void unhandledCommandsShowDisabled()
    {
        Shell s;
        // Nobody handles the edit commands, nor Close without a chart window;
        // Undo and Redo wait for a data step.
        for (int id : {ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CUT, ID_EDIT_UNDO, ID_EDIT_REDO, ID_FILE_CLOSE})
            QVERIFY2(!s.enabled(id), qPrintable(QString::number(id)));
        QVERIFY(!s.run(ID_EDIT_COPY));
        for (int id : {ID_CONFIG, ID_SAVE_DEPTH_DATA, ID_PRINT_PICTURE, ID_VERTICAL_GRAPH, ID_APP_ABOUT,
                       ID_APP_EXIT, ID_BLUETOOTH, ID_VIEW_CUSTOMIZE, ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE,
                       ID_CHOOSE_DATA, ID_PROCESSED_DATA, ID_DEPTH_DISPLAY})
            QVERIFY2(s.enabled(id), qPrintable(QString::number(id)));
        // A handler plugged in later enables the command at once; its state function is honoured.
        bool allowed = false;
        int runs = 0;
        s.frame->router()->addHandler(
            CommandRouter::Level::MainFrame, ID_EDIT_PASTE, [&] { ++runs; }, [&] { return allowed; });
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
        QVERIFY(s.run(ID_FILE_NEW));  // no chart window: the main frame first
        CChildFrame* chart = s.frame->newChartWindow("chart");
        QVERIFY(s.run(ID_FILE_NEW));  // a chart window: the application before the main frame
        const std::pair<CommandRouter::Level, const char*> levels[] = {
            {CommandRouter::Level::ChildFrame, "child"},
            {CommandRouter::Level::Document, "doc"},
            {CommandRouter::Level::View, "view"}};
        for (const auto& [level, name] : levels) {
            chart->commands(level)->add(ID_FILE_NEW, [&calls, name] { calls << name; });
            QVERIFY(s.run(ID_FILE_NEW));
        }
        QCOMPARE(calls, (QStringList{"frame", "app", "child", "doc", "view"}));
        // A disabled entry stops the route: the command shows disabled.
        chart->commands(CommandRouter::Level::View)
            ->add(
                ID_FILE_NEW, [&] { calls << "view"; }, [] { return false; });
        QVERIFY(!s.enabled(ID_FILE_NEW));
        // Without the chart window the main frame answers again.
        delete chart;
        QVERIFY(s.run(ID_FILE_NEW));
        QCOMPARE(calls.last(), QString("frame"));
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
        QCOMPARE(s.prompter.messages,
                 QStringList(3, "Please choose data!")
                     << "There is no picture to print at the current window!");
        QVERIFY(s.frame->chartWindows().isEmpty());

        // Data chosen but no current frequency entry: only the plane graph refuses.
        s.prompter.messages.clear();
        s.frame->survey().m_frame.SetDataSelected(true);
        QVERIFY(s.run(ID_ICHNOGRAPHY_GRAPH));
        s.frame->survey().m_tree.AddFrequency("16HZ");
        s.frame->survey().m_tree.SetCurrentFrequency(-1);
        QVERIFY(s.run(ID_ICHNOGRAPHY_GRAPH));
        QCOMPARE(s.prompter.messages, QStringList(2, "Please choose data!"));
        s.prompter.messages.clear();
        s.frame->survey().m_tree.SetCurrentFrequency(0);

        QList<int> kinds;
        s.frame->setGraphDrawer([&](GraphKind kind, const GraphOptions&, const BuiltGraph&, CChildFrame& w) {
            QCOMPARE(&w, s.frame->activeChartWindow());
            kinds << int(kind);
        });
        QStringList titles;
        for (int id : graphs) {
            QVERIFY(s.run(id));
            titles << s.frame->activeChartWindow()->documentTitle();
        }
        QCOMPARE(titles, (QStringList{"垂直剖面图", "平面剖面图", "环形图"}));
        QCOMPARE(kinds, (QList<int>{1, 2, 3}));
        QCOMPARE(s.frame->chartWindows().size(), 3);
        // With a chart window, Print and Save Picture (the frame's) show nothing.
        for (int id : {ID_PRINT_PICTURE, ID_SAVE_PICTURE})
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
