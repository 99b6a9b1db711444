// The command road without a main window: the order of the levels, a
// widget's own commands before them, and the states the actions show.

#include "guitest.h"

#include "common/commandrouter.h"

#include <QAction>
#include <QMenu>

using namespace vantrel;
using Level = CommandRouter::Level;

namespace {

constexpr int kId = 4711;

const std::pair<Level, const char*> kLevels[] = {
    {Level::Widget, "widget"},           {Level::View, "view"},
    {Level::Document, "document"},       {Level::ChildFrame, "child"},
    {Level::Application, "application"}, {Level::MainFrame, "frame"}};

}  // namespace

class TestCommandRouter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstLevelWithAnEntryAnswers_data()
    {
        QTest::addColumn<QStringList>("handlers");  // "-" after a name: its entry is disabled
        QTest::addColumn<bool>("chartWindow");
        QTest::addColumn<QString>("answers");  // empty: nobody runs it
        QTest::newRow("no chart window: frame before application")
            << QStringList{"application", "frame"} << false << "frame";
        QTest::newRow("chart window: application before frame")
            << QStringList{"application", "frame"} << true << "application";
        QTest::newRow("child frame before application")
            << QStringList{"child", "application"} << true << "child";
        QTest::newRow("document before child frame")
            << QStringList{"document", "child"} << true << "document";
        QTest::newRow("view first of the window")
            << QStringList{"view", "document", "frame"} << true << "view";
        QTest::newRow("window's maps unasked without it")
            << QStringList{"view", "application"} << false << "application";
        QTest::newRow("widget's own before everything")
            << QStringList{"widget", "view", "frame"} << true << "widget";
        QTest::newRow("a disabled entry stops the road") << QStringList{"view-", "application"} << true << "";
        QTest::newRow("nobody") << QStringList{} << true << "";
    }

    void firstLevelWithAnEntryAnswers()
    {
        QFETCH(QStringList, handlers);
        QFETCH(bool, chartWindow);
        QFETCH(QString, answers);
        CommandRouter router;
        QObject owner;
        CommandMap window[3];  // view, document, child frame
        router.setChartWindowMaps([&](Level l) { return chartWindow ? &window[int(l)] : nullptr; });
        QStringList calls;
        for (const auto& [level, name] : kLevels) {
            const bool enabled = handlers.contains(name);
            if (!enabled && !handlers.contains(QLatin1String(name) + "-"))
                continue;
            CommandMap::Run run = [&calls, name = name] { calls << name; };
            CommandMap::State state = [enabled] { return enabled; };
            if (level == Level::Widget)
                router.ownCommands(&owner).add(kId, run, state);
            else if (level == Level::Application || level == Level::MainFrame)
                router.addHandler(level, kId, run, state);
            else
                window[int(level)].add(kId, run, state);
        }
        QAction action;
        action.setData(kId);
        router.addAction(&action, &owner);
        QCOMPARE(action.isEnabled(), !answers.isEmpty());
        QCOMPARE(router.dispatch(kId, &owner), !answers.isEmpty());
        action.trigger();
        QCOMPARE(calls, answers.isEmpty() ? QStringList{} : QStringList(2, answers));
        // The entry found decides even when it says disabled.
        QCOMPARE(router.isHandled(kId, &owner), !handlers.isEmpty());
    }

    void actionsShowTheHandlersStateOwnCommandsGoWithTheirOwner()
    {
        CommandRouter router;
        QMenu menu;
        QAction* plain = menu.addAction("plain");
        plain->setData(kId);
        menu.addSeparator();
        QAction* mark = menu.addAction("mark");
        mark->setData(kId + 1);
        mark->setCheckable(true);
        QAction* other = menu.addAction("no id");
        router.addMenu(&menu);
        QCOMPARE(router.actions(), (QList<QAction*>{plain, mark}));
        QVERIFY(!plain->isEnabled() && !mark->isEnabled());

        // A handler plugged in later shows at once; its state is asked again
        // whenever a watched menu opens.
        bool allowed = false;
        bool marked = true;
        int runs = 0;
        router.addHandler(
            Level::MainFrame, kId, [&] { ++runs; }, [&] { return allowed; });
        router.addHandler(
            Level::MainFrame, kId + 1, [&] { marked = !marked; }, {}, [&] { return marked; });
        QVERIFY(!plain->isEnabled() && mark->isEnabled() && other->isEnabled());
        plain->trigger();
        QCOMPARE(runs, 0);
        allowed = true;
        Q_EMIT menu.aboutToShow();
        QVERIFY(plain->isEnabled() && mark->isChecked());
        plain->trigger();
        QCOMPARE(runs, 1);
        // The handler, not the click, decides the check mark.
        mark->trigger();
        QVERIFY(!marked && !mark->isChecked());
        // Levels of the chart window are the window's own to fill.
        QVERIFY(!router.addHandler(Level::View, kId, [] {}));
        delete plain;
        router.updateActions();
        QCOMPARE(router.actions(), (QList<QAction*>{mark}));

        // A widget's own commands answer only for it and go with it.
        const int own = kId + 2;  // no other level has an entry
        auto* pane = new QObject;
        QObject stranger;
        runs = 0;
        router.ownCommands(pane).add(own, [&] { ++runs; });
        QVERIFY(router.dispatch(own, pane));
        QVERIFY(!router.dispatch(own, &stranger));  // another widget's entries are not its own
        QVERIFY(!router.dispatch(own));
        delete pane;
        auto* successor = new QObject;  // may take the same address
        QVERIFY(!router.isHandled(own, successor));
        delete successor;
        QCOMPARE(runs, 1);
    }
};

VANTREL_WIDGET_TEST_MAIN(TestCommandRouter, "commandrouter")
#include "tst_commandrouter.moc"
