#pragma once

#include "app/cmainframe.h"
#include "app/cvantrelapp.h"
#include "scriptedprompter.h"

#include <QByteArray>
#include <QSize>
#include <QString>

namespace vantrel {

/// The program's real main window for a desktop benchmark, shown (offscreen
/// unless a platform is chosen), its questions answered by a script.
class BenchWindow {
public:
    BenchWindow(int& argc, char** argv, const char* name, QSize size = {1400, 900})
        : m_app(offscreen(argc), argv)
    {
        m_app.setApplicationName(QString::fromLatin1(name));
        m_app.setPrompter(&prompter);
        m_app.InitInstance(false);
        frame = m_app.mainFrame();
        frame->resize(size);
        frame->show();
    }
    ~BenchWindow() { m_app.ExitInstance(); }
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    ScriptedPrompter prompter;
    CMainFrame* frame = nullptr;

private:
    static int& offscreen(int& argc)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }

    CVantrelApp m_app;
};

}  // namespace vantrel
