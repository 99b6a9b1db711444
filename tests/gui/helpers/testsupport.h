#pragma once

// Shared by the GUI tests: the application with private settings, a fresh
// main frame with a scripted prompter, the data fixtures, and real clicks on
// the file view's check boxes.

#include "app/cmainframe.h"
#include "app/cvantrelapp.h"
#include "common/scriptedprompter.h"
#include "panes/cfileview.h"
#include "panes/coutputwnd.h"
#include "panes/cviewtree.h"
#include "panes/filetreemodel.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidgetAction>

#include <functional>

namespace vantrel::test {

/// Runs a QtTest object inside a CVantrelApp whose settings live in a private
/// temporary folder under a private application name, in English and with a
/// pinned locale.
inline int runGuiTest(QObject* test, int argc, char** argv, const char* name)
{
    QLocale::setDefault(QLocale::c());
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir settingsDir;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    CVantrelApp app(argc, argv);
    app.setApplicationName(QStringLiteral("vantrel-test-%1").arg(QLatin1String(name)));
    app.setOrganizationName(QStringLiteral("vantrel-tests"));
    app.setLanguage(Translations::Language::English);
    return QTest::qExec(test, argc, argv);
}

/// Shows the interface in `language` while it lives (for widgets made meanwhile).
struct InLanguage {
    explicit InLanguage(Translations::Language language) { CVantrelApp::instance()->setLanguage(language); }
    ~InLanguage() { CVantrelApp::instance()->setLanguage(Translations::Language::English); }
};

/// A scripted prompter that can look around when a file dialog opens.
struct WatchingPrompter : ScriptedPrompter {
    std::function<void()> onOpenFile;
    FileChoice openFile(const QString& filters) override
    {
        if (onOpenFile)
            onOpenFile();
        return ScriptedPrompter::openFile(filters);
    }
};

/// A fresh main frame with a scripted prompter; dialogs run through `runner`
/// (default: rejected at once) and Exit records its status instead of ending.
struct Shell {
    WatchingPrompter prompter;
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
    void restart()
    {
        app()->ExitInstance();
        app()->setPrompter(&prompter);
        app()->setExitFunction([this](int status) { exitCalls << status; });
        app()->setUrlOpener([](const QUrl&) { return true; });
        app()->InitInstance(false);
        frame = app()->mainFrame();
        frame->setDialogRunner([this](QDialog& d) { return runner(d); });
    }

    QAction* action(int id) const { return frame->action(id); }
    bool enabled(int id) const
    {
        frame->router()->updateActions();
        return frame->action(id) ? frame->action(id)->isEnabled() : frame->router()->isEnabled(id);
    }
    bool run(int id) { return frame->router()->dispatch(id); }

    /// Shows the frame at a size where every pane has room; false if it never appeared.
    bool show()
    {
        frame->resize(1000, 800);
        frame->show();
        return QTest::qWaitForWindowExposed(frame);
    }
};

/// The ids (0 for a separator, -1 for a sub-menu) and texts of the visible
/// entries of a menu or toolbar; embedded widgets are left out.
inline std::pair<QList<int>, QStringList> entries(const QWidget* w)
{
    std::pair<QList<int>, QStringList> e;
    for (const QAction* a : w->actions())
        if (a->isVisible() && !qobject_cast<const QWidgetAction*>(a)) {
            e.first << (a->isSeparator() ? 0 : a->menu() ? -1 : a->data().toInt());
            e.second << (a->isSeparator() ? QString() : a->text());
        }
    return e;
}

/// Works in a fresh temporary folder while it lives.
struct InTemporaryFolder {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    InTemporaryFolder() { QDir::setCurrent(dir.path()); }
    ~InTemporaryFolder() { QDir::setCurrent(previous); }
};

inline QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline QString fixture(const QString& name)
{
    return QStringLiteral(VANTREL_TEST_DATA "/gui/") + name;
}

/// Copies a fixture into `dir` (the tests save over the files they open).
inline QString copyFixture(const QTemporaryDir& dir, const QString& name, const QString& as = {})
{
    const QString target = dir.filePath(as.isEmpty() ? name : as);
    if (!QFile::copy(fixture(name), target))
        return {};
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

/// A real mouse click on the check box of `index`, where the style draws it.
inline bool clickCheckBox(CViewTree* tree, const QModelIndex& index)
{
    tree->scrollTo(index);
    const QRect box = tree->checkBoxRect(index);
    if (box.isEmpty())
        return false;
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, box.center());
    return true;
}

inline bool checked(const QModelIndex& index)
{
    return index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

}  // namespace vantrel::test

#define VANTREL_GUI_TEST_MAIN(TestClass, name)                                                               \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        TestClass test;                                                                                      \
        return vantrel::test::runGuiTest(&test, argc, argv, name);                                           \
    }
