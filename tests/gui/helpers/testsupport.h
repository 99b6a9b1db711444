#pragma once

// Shared by the tests of the whole program: the application in English with
// private settings, a fresh main frame with a scripted prompter, and real
// clicks on the file view's check boxes.

#include "guitest.h"
#include "scriptedprompter.h"

#include "app/cmainframe.h"
#include "app/cvantrelapp.h"
#include "panes/cfileview.h"
#include "panes/coutputwnd.h"
#include "panes/cviewtree.h"
#include "panes/filetreemodel.h"

#include <QAction>
#include <QDialog>
#include <QMenu>

#include <functional>

namespace vantrel::test {

/// Runs a QtTest object inside a CVantrelApp (see runTest), in English.
inline int runGuiTest(QObject* test, int argc, char** argv, const char* name)
{
    return runTest<CVantrelApp>(test, argc, argv, name,
                                [](CVantrelApp& app) { app.setLanguage(Translations::Language::English); });
}

/// Shows the interface in `language` while it lives (for widgets made meanwhile).
struct InLanguage {
    explicit InLanguage(Translations::Language language) { CVantrelApp::instance()->setLanguage(language); }
    ~InLanguage() { CVantrelApp::instance()->setLanguage(Translations::Language::English); }
};

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
    void restart()
    {
        app()->ExitInstance();
        app()->setPrompter(&prompter);
        app()->setExitFunction([this](int status) { exitCalls << status; });
        app()->setUrlOpener([](const QUrl&) { return true; });
        app()->InitInstance(false);
        frame = app()->mainFrame();
        prompter.onDialog = [this](QDialog& d) { return runner(d); };
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
