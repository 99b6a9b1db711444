#pragma once

#include "app/cmainframe.h"
#include "app/cvantrelapp.h"
#include "app/scriptedprompter.h"

#include <QAction>
#include <QDialog>
#include <QLocale>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace vantrel::test {

/// Runs a QtTest object inside a CVantrelApp whose settings live in a private
/// temporary folder under a private application name, with the English
/// string table and a pinned locale.
inline int runShellTest(QObject* test, int argc, char** argv, const char* name)
{
    QLocale::setDefault(QLocale::c());
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir settingsDir;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    CVantrelApp app(argc, argv);
    app.setApplicationName(QStringLiteral("vantrel-test-%1").arg(QLatin1String(name)));
    app.setOrganizationName(QStringLiteral("vantrel-tests"));
    app.setStringTable(StringTable(StringTable::Language::English));
    return QTest::qExec(test, argc, argv);
}

/// A fresh main frame with a scripted prompter; dialogs run through `runner`
/// (default: rejected at once) and Exit records its status instead of ending.
struct Shell {
    ScriptedPrompter prompter;
    std::function<int(QDialog&)> runner = [](QDialog& d) {
        d.reject();
        return d.result();
    };
    QList<int> exitCalls;

    CMainFrame* frame = nullptr;

    Shell() { restart(); }
    ~Shell()
    {
        app()->ExitInstance();
        app()->setPrompter(nullptr);
    }

    static CVantrelApp* app() { return CVantrelApp::instance(); }

    /// Ends the current frame (without closing it) and starts a new one.
    CMainFrame* restart()
    {
        app()->ExitInstance();
        app()->setPrompter(&prompter);
        app()->setExitFunction([this](int status) { exitCalls << status; });
        app()->setUrlOpener([](const QUrl&) { return true; });
        app()->InitInstance(false);
        frame = app()->mainFrame();
        frame->setDialogRunner([this](QDialog& d) { return runner(d); });
        return frame;
    }

    QAction* action(int id) const { return frame->action(id); }
    bool enabled(int id) const
    {
        frame->router()->updateActions();
        return frame->action(id) ? frame->action(id)->isEnabled() : frame->router()->isEnabled(id);
    }
    bool run(int id) { return frame->router()->dispatch(id); }
};

/// The ids of a menu's entries in order: 0 for a separator, -1 for a
/// sub-menu; hidden entries are left out.
inline QList<int> menuIds(const QMenu* menu)
{
    QList<int> ids;
    for (const QAction* a : menu->actions()) {
        if (!a->isVisible())
            continue;
        if (a->isSeparator())
            ids << 0;
        else if (a->menu())
            ids << -1;
        else
            ids << a->data().toInt();
    }
    return ids;
}

inline QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* a : menu->actions())
        if (a->isVisible())
            texts << (a->isSeparator() ? QString() : a->text());
    return texts;
}

}  // namespace vantrel::test

#define VANTREL_SHELL_TEST_MAIN(TestClass, name)                                                                  \
    int main(int argc, char** argv)                                                                                \
    {                                                                                                              \
        TestClass test;                                                                                            \
        return vantrel::test::runShellTest(&test, argc, argv, name);                                              \
    }
