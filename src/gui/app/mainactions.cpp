#include "app/mainactions.h"

#include "common/commandids.h"
#include "common/commandrouter.h"
#include "common/commandtexts.h"
#include "app/customizedialog.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QWidget>

namespace vantrel {

MainActions::MainActions(QWidget& window, CommandRouter& router)
    : QObject(&window), m_window(window), m_router(router)
{
    using namespace cmd;
    using Keys = QList<QKeySequence>;
    make(ID_FILE_NEW, tr("New"), "new", Keys{QKeySequence(Qt::CTRL | Qt::Key_N)});
    make(ID_FILE_OPEN, tr("Open(&O)...\tCtrl+O"), "open", Keys{QKeySequence(Qt::CTRL | Qt::Key_O)});
    make(ID_FILE_SAVE, tr("Save Original Data"), "save-original", Keys{QKeySequence(Qt::CTRL | Qt::Key_S)});
    make(ID_SAVE_DEPTH_DATA, tr("Save Depth Data"), "save-depth");
    make(ID_SAVE_PICTURE, tr("Save Picture"), "save-picture");
    make(ID_FILE_CLOSE, tr("Close(&C)"), "close-window");
    make(ID_PRINT_PICTURE, tr("Print"), "print");
    for (int i = 0; i < kRecentFileCount; ++i)
        m_recent << make(ID_FILE_MRU_FILE1 + i, tr("Recent File"));
    make(ID_APP_EXIT, tr("Exit(&X)"), "exit");

    m_undoCaption = make(ID_EDIT_UNDO, tr("&Undo\tCtrl+Z"), nullptr,
                         Keys{QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)})
                        ->text();
    m_redoCaption =
        make(ID_EDIT_REDO, tr("&Redo\tCtrl+Y"), nullptr,
             Keys{QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
            ->text();
    make(ID_EDIT_CUT, tr("Cu&t\tCtrl+X"), "cut",
         Keys{QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
    make(ID_EDIT_COPY, tr("&Copy\tCtrl+C"), "copy",
         Keys{QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    make(ID_EDIT_PASTE, tr("&Paste\tCtrl+V"), "paste",
         Keys{QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});

    make(ID_VIEW_STATUS_BAR, tr("StatusBar(&S)"))->setCheckable(true);
    make(ID_NEXT_PANE, tr("Next Pane"), nullptr, Keys{QKeySequence(Qt::Key_F6)});
    make(ID_PREV_PANE, tr("Previous Pane"), nullptr, Keys{QKeySequence(Qt::SHIFT | Qt::Key_F6)});
    make(ID_VIEW_CUSTOMIZE, tr("Definition..."), "customize");
    make(ID_WINDOW_MANAGER, tr("Window(&W)..."), "windows");

    m_looks = new QActionGroup(&window);
    m_looks->setExclusive(true);
    const std::pair<int, const char*> looks[] = {
        {ID_VIEW_APPLOOK_WIN_2000, QT_TR_NOOP("Windows 2000(&2)")},
        {ID_VIEW_APPLOOK_OFF_XP, QT_TR_NOOP("Office XP(&X)")},
        {ID_VIEW_APPLOOK_WIN_XP, QT_TR_NOOP("Windows XP(&W)")},
        {ID_VIEW_APPLOOK_OFF_2003, QT_TR_NOOP("Office 2003(&3)")},
        {ID_VIEW_APPLOOK_VS_2005, QT_TR_NOOP("Visual Studio 200&5")},
        {ID_VIEW_APPLOOK_VS_2008, QT_TR_NOOP("Visual Studio 200&8")},
        {ID_VIEW_APPLOOK_OFF_2007_BLUE, QT_TR_NOOP("Blue(&B)")},
        {ID_VIEW_APPLOOK_OFF_2007_BLACK, QT_TR_NOOP("Black(&L)")},
        {ID_VIEW_APPLOOK_OFF_2007_SILVER, QT_TR_NOOP("Silvery(&S)")},
        {ID_VIEW_APPLOOK_OFF_2007_AQUA, QT_TR_NOOP("Aqua(&A)")},
        {ID_VIEW_APPLOOK_WINDOWS_7, QT_TR_NOOP("Windows 7")},
    };
    for (const auto& [id, text] : looks) {
        QAction* a = make(id, tr(text));
        a->setCheckable(true);
        m_looks->addAction(a);
    }

    make(ID_CONFIG, tr("Config"), "config");
    make(ID_CHOOSE_DATA, tr("Choose Data"), "choose-data");
    make(ID_PROCESSED_DATA, tr("Processed Data"), "process-data");
    make(ID_DEPTH_DISPLAY, tr("Depth Display"), "depth");
    make(ID_CORRECT_BAD_POINTS, tr("Correct Bad Points"));
    make(ID_SEARCH_AND_PROCESS, tr("Search Bad Points and Process"));
    make(ID_BLUETOOTH, tr("Instrument Link"), "instrument-link");

    make(ID_ICHNOGRAPHY_GRAPH, tr("Ichnography Curving Graph"), "graph-plane");
    make(ID_VERTICAL_GRAPH, tr("Vertical Curving Graph"), "graph-vertical");
    make(ID_ROUND_GRAPH, tr(" Round Graph"), "graph-round");
    make(ID_SECTION_GRAPH, tr("Pseudo-section Map"), "graph-section");

    make(ID_APP_ABOUT, tr("About"), "about");
    make(ID_HELP_DOC, tr("Help"), "help");
    make(ID_ABOUT_COMPANY, tr("About Company"), "company");
}

void MainActions::showStepNames(const QString& undoStep, const QString& redoStep)
{
    action(cmd::ID_EDIT_UNDO)->setText(undoStep.isEmpty() ? m_undoCaption : tr("Undo %1").arg(undoStep));
    action(cmd::ID_EDIT_REDO)->setText(redoStep.isEmpty() ? m_redoCaption : tr("Redo %1").arg(redoStep));
}

QAction* MainActions::make(int id, const QString& text, const char* icon, const QList<QKeySequence>& keys)
{
    auto* a = new QAction(text, &m_window);
    a->setData(id);
    a->setObjectName(QStringLiteral("action%1").arg(id));
    if (icon)
        a->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
    if (!keys.isEmpty())
        a->setShortcuts(keys);
    const QString tip = CommandTexts::toolTip(id);
    a->setStatusTip(CommandTexts::prompt(id));
    a->setToolTip(!tip.isEmpty() ? tip : CustomizeDialog::plainText(a));
    m_actions.insert(id, a);
    m_window.addAction(a);
    m_router.addAction(a);
    return a;
}

}  // namespace vantrel
