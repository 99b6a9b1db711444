// The main frame's commands: menus, toolbar, accelerators, both languages,
// the routing of commands through chart window, application and frame; the
// Config and About dialogs and the desktop prompter's filters.

#include "app/caboutdlg.h"
#include "app/cdialog_data_set.h"
#include "app/dialogprompter.h"
#include "app/translations.h"
#include "app/windowsdialog.h"
#include "charts/cchildframe.h"
#include "common/commandids.h"
#include "panes/cfileviewtoolbar.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextStream>
#include <QToolBar>
#include <QToolButton>
#include <QXmlStreamReader>

#include <algorithm>

using namespace vantrel;
using namespace vantrel::cmd;
using vantrel::test::entries;
using vantrel::test::Shell;

namespace {

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
// indented), the edit menu, the toolbars, every action by id, then the
// frame's and the panes' own texts.
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
    ts << "== frame\n"
       << frame->windowTitle() << '\n'
       << frame->statusBar()->currentMessage() << '\n'
       << "icons " << frame->standardToolBar()->iconSize().width() << '\n'
       << frame->fileView()->windowTitle() << " | " << frame->outputPane()->windowTitle() << '\n';
    for (int i = 0; i < frame->outputPane()->tabs()->count(); ++i)
        ts << "tab " << frame->outputPane()->tabs()->tabText(i) << '\n';
    ts << "== output pane menu\n";
    dumpEntries(ts, frame->outputPane()->contextMenu(), 0);
    ts << "== file view menu\n";
    dumpEntries(ts, frame->fileView()->contextMenu(), 0);
    return out;
}

/// Runs the Config dialog through `body` (which ends it); returns the texts it opened with.
QStringList runConfig(Shell& s, const std::function<void(CDialog_Data_Set&)>& body)
{
    QStringList shown;
    s.runner = [&](QDialog& d) {
        auto& dialog = static_cast<CDialog_Data_Set&>(d);
        for (int id : CDialog_Data_Set::kEditIds)
            shown << dialog.edit(id)->text();
        body(dialog);
        return d.result();
    };
    if (!s.run(ID_CONFIG))
        shown = QStringList{"<not run>"};
    return shown;
}

}  // namespace

class TestShellCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recentFiles()
    {
        Shell s;
        QTemporaryDir dir;
        for (const char* name : {"a.dat", "b.dat", "c.dat", "d.dat", "e.dat"}) {
            QVERIFY(test::writeFile(dir.filePath(name), {}));
            s.frame->addRecentFile(dir.filePath(name));
        }
        QMenu* file = s.frame->menuBar()->actions().first()->menu();
        Q_EMIT file->aboutToShow();
        // The rest of the menu is in the command record; the four newest files
        // come after Print, before Exit.
        const QList<int> ids = entries(file).first;
        QCOMPARE(ids.mid(ids.indexOf(ID_PRINT_PICTURE)),
                 (QList<int>{ID_PRINT_PICTURE, ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE1 + 1,
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

    // The whole command set and the frame's texts in each language against
    // their record (VANTREL_WRITE_RECORDS=1 writes the records anew, for a
    // deliberate change); the messages stay in English in both.
    void commandsMatchTheirRecord()
    {
        using L = Translations::Language;
        Shell s;
        for (L language : {L::English, L::Chinese}) {
            const vantrel::test::InLanguage shown(language);
            s.restart();
            const QString name = language == L::Chinese ? "commands-zh.txt" : "commands-en.txt";
            const QString dump = commandDump(s.frame);
            if (qEnvironmentVariableIsSet("VANTREL_WRITE_RECORDS"))
                QVERIFY(vantrel::test::writeFile(vantrel::test::fixture(name), dump.toUtf8()));
            const QStringList want =
                QString::fromUtf8(vantrel::test::contents(vantrel::test::fixture(name))).split('\n');
            const QStringList got = dump.split('\n');
            for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i)
                QCOMPARE(got.value(i), want.value(i));
            s.prompter.messages.clear();
            QVERIFY(s.run(ID_PRINT_PICTURE));
            QCOMPARE(s.prompter.messages, QStringList{"There is no picture to print at the current window!"});
        }
    }

    void languageChoiceAndACompleteChineseCatalogue()
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

        // A text added to the program without its Chinese version would show
        // in English on a Chinese system.
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
                if (!type.isEmpty() ||
                    xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed().isEmpty())
                    open << source;
            }
        }
        QVERIFY(!xml.hasError());
        QVERIFY(messages > 100);
        QVERIFY2(open.isEmpty(), qPrintable(open.join(QLatin1String(" | "))));
    }

    // Ctrl+N opens an empty chart window. The button at the right end of the
    // document tabs: only with chart windows, its menu lists them and switches
    // between them, as the Windows dialog does. Close(&C) is the document's:
    // enabled only with a chart window.
    void chartWindowsTabsAndClose()
    {
        Shell s;
        QVERIFY(s.show());
        QToolButton* button = s.frame->documentMenuButton();
        QVERIFY(button->isHidden());
        QTest::keyClick(s.frame, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(s.frame->chartWindows().size(), 1);
        CChildFrame* first = s.frame->activeChartWindow();
        QVERIFY(s.frame->windowTitle().endsWith(" - " + first->documentTitle()));
        s.frame->newChartWindow("two");
        QTRY_VERIFY(button->isVisible());
        auto* tabs = s.frame->mdiArea()->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(tabs);
        QTRY_COMPARE(button->geometry().right(), s.frame->mdiArea()->width() - 1);
        QVERIFY(tabs->geometry().right() < button->geometry().left());

        // The Windows dialog lists the active one first; it activates and closes.
        QStringList listed;
        s.runner = [&](QDialog& d) {
            auto& dialog = static_cast<WindowsDialog&>(d);
            for (int i = 0; i < dialog.list()->count(); ++i)
                listed << dialog.list()->item(i)->text();
            dialog.list()->setCurrentRow(1);
            dialog.activateSelected();
            dialog.list()->setCurrentRow(0);
            dialog.closeSelected();
            d.accept();
            return d.result();
        };
        QVERIFY(s.run(ID_WINDOW_MANAGER));
        QCOMPARE(listed, (QStringList{"two", first->documentTitle()}));
        QTRY_COMPARE(s.frame->chartWindows(), QList<CChildFrame*>{first});
        QCOMPARE(s.frame->activeChartWindow(), first);

        s.frame->newChartWindow("three");
        QMenu* menu = button->menu();
        Q_EMIT menu->aboutToShow();
        QCOMPARE(entries(menu).second,
                 (QStringList{first->documentTitle(), "three", QString(), "Window(&W)..."}));
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

        QVERIFY(s.enabled(ID_FILE_CLOSE));
        QVERIFY(s.run(ID_FILE_CLOSE));
        QVERIFY(s.run(ID_FILE_CLOSE));
        QTRY_VERIFY(s.frame->chartWindows().isEmpty());
        QTRY_VERIFY(button->isHidden());
        QVERIFY(!s.enabled(ID_FILE_CLOSE));
    }

    // The frame's router asks the active chart window's own levels, and
    // forgets them with the window.
    void chartWindowLevelsAnswerFirst()
    {
        Shell s;
        QStringList calls;
        s.frame->router()->addHandler(CommandRouter::Level::MainFrame, ID_FILE_NEW,
                                      [&] { calls << "frame"; });
        CChildFrame* chart = s.frame->newChartWindow("chart");
        const std::pair<CommandRouter::Level, const char*> levels[] = {
            {CommandRouter::Level::ChildFrame, "child"},
            {CommandRouter::Level::Document, "doc"},
            {CommandRouter::Level::View, "view"}};
        for (const auto& [level, name] : levels) {
            chart->commands(level)->add(ID_FILE_NEW, [&calls, name] { calls << name; });
            QVERIFY(s.run(ID_FILE_NEW));
        }
        QCOMPARE(calls, (QStringList{"child", "doc", "view"}));
        delete chart;
        QVERIFY(s.run(ID_FILE_NEW));
        QCOMPARE(calls.last(), QString("frame"));
    }

    void graphRefusals()
    {
        Shell s;
        const QList<int> graphs{ID_VERTICAL_GRAPH, ID_ICHNOGRAPHY_GRAPH, ID_ROUND_GRAPH};
        for (int id : graphs)
            QVERIFY(s.run(id));
        QCOMPARE(s.prompter.messages, QStringList(3, "Please choose data!"));
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

        s.frame->setGraphDrawer(
            [](GraphKind, const GraphOptions&, const BuiltGraph&, CChildFrame&, const ColourMapOptions*) {});
        QStringList titles;
        for (int id : graphs) {
            QVERIFY(s.run(id));
            titles << s.frame->activeChartWindow()->documentTitle();
        }
        QCOMPARE(titles, (QStringList{"垂直剖面图", "平面剖面图", "环形图"}));
        QCOMPARE(s.frame->chartWindows().size(), 3);
        QVERIFY(s.prompter.messages.isEmpty());
    }

    void helpCompanyAndAboutShowOnlyWhatTheyMay()
    {
        const test::InTemporaryFolder folder;
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

        // About shows Produce.txt of the working folder.
        QString shown = "<not shown>";
        QString title;
        s.runner = [&](QDialog& d) {
            title = d.windowTitle();
            shown = static_cast<CAboutDlg&>(d).textEdit()->toPlainText();
            d.accept();
            return d.result();
        };
        const auto write = [](const QByteArray& bytes) { return test::writeFile("Produce.txt", bytes); };

        QVERIFY(s.run(ID_APP_ABOUT));
        QCOMPARE(shown, QString());  // no file
        QCOMPARE(title, QString("About "));

        QVERIFY(write("Vantrel field data\r\nVersion 1.6.8\r\n"));
        QCOMPARE(CAboutDlg::productText("Produce.txt"),
                 QString("\r\n      Vantrel field data\r\n      Version 1.6.8"));
        QVERIFY(s.run(ID_APP_ABOUT));
        QCOMPARE(shown, QString("\n      Vantrel field data\n      Version 1.6.8"));

        QVERIFY(write(""));
        QVERIFY(s.run(ID_APP_ABOUT));
        QCOMPARE(shown, QString());

        // A last line without its line end, and text in the Chinese code page.
        QVERIFY(write("a\n\xb5\xd8\xc7\xf2"));  // "地球" in GBK
        QCOMPARE(CAboutDlg::productText("Produce.txt"), QString::fromUtf8("\r\n      a\r\n      地球"));
    }

    void configShowsReadsStoresOrChangesNothing()
    {
        Shell s;
        QList<bool> visible, enabled;
        const QStringList first = runConfig(s, [&](CDialog_Data_Set& d) {
            d.show();
            for (int id : CDialog_Data_Set::kEditIds) {
                visible << d.edit(id)->isVisible();
                enabled << d.edit(id)->isEnabled();
            }
            QCOMPARE(d.windowTitle(), QString("Config"));
            QCOMPARE(d.cancelButton()->text(), QString("Cansel"));
            // Texts are read as atof does.
            d.edit(1009)->setText("12.345");
            d.edit(1011)->setText("abc");
            d.edit(1012)->setText("  -1.5e2x");
            d.okButton()->click();
        });
        QCOMPARE(first, (QStringList{"3.00", "20.00", "0.70", "0.30", "0.30"}));
        QCOMPARE(visible, (QList<bool>{false, true, false, true, true}));
        QCOMPARE(enabled, (QList<bool>{true, true, false, true, true}));
        const ProcessingSettings& master = s.frame->survey().m_tables.Settings();
        QCOMPARE(master.m_fResistivity, 12.345f);
        QCOMPARE(master.m_fPThreshold, 0.0f);
        QCOMPARE(master.m_fVThreshold, -150.0f);
        QCOMPARE(master.m_fDeviationFactor, 3.0f);
        QCOMPARE(master.m_fDepthCoefficient, 0.7f);

        // The next opening shows them rounded, and OK keeps the rounded value.
        const QStringList second = runConfig(s, [](CDialog_Data_Set& d) { d.okButton()->click(); });
        QCOMPARE(second, (QStringList{"3.00", "12.35", "0.70", "0.00", "-150.00"}));
        QCOMPARE(master.m_fResistivity, 12.35f);

        // Cansel, Escape and the close box change nothing.
        const ProcessingSettings before = master;
        for (const char* how : {"Cansel", "Esc", "close box"}) {
            runConfig(s, [how](CDialog_Data_Set& d) {
                for (int id : CDialog_Data_Set::kEditIds)
                    d.edit(id)->setText("7");
                d.show();
                if (how == QLatin1String("Cansel"))
                    d.cancelButton()->click();
                else if (how == QLatin1String("Esc"))
                    QTest::keyClick(&d, Qt::Key_Escape);
                else
                    d.close();
            });
            QVERIFY2(s.frame->survey().m_tables.Settings() == before, how);
        }
    }

    void prompterFilters()
    {
        QCOMPARE(
            DialogPrompter::qtFilters("DAT File(*.dat)|*.dat|Excel File(*.csv)|*.csv|All File(*.*) |*.*||"),
            (QStringList{"DAT File (*.dat)", "Excel File (*.csv)", "All File (*)"}));
        QCOMPARE(DialogPrompter::qtFilters("Data|*.dat;*.csv||"), (QStringList{"Data (*.dat *.csv)"}));
        QCOMPARE(DialogPrompter::qtFilters(""), QStringList());
    }
};

VANTREL_GUI_TEST_MAIN(TestShellCommands, "shellcommands")
#include "tst_shellcommands.moc"
