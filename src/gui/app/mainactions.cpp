#include "mainactions.h"

#include "commandids.h"
#include "commandrouter.h"
#include "customizedialog.h"
#include "stringtable.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QWidget>

namespace vantrel {

MainActions::MainActions(QWidget& window, CommandRouter& router, const StringTable& strings)
    : QObject(&window), m_window(window), m_router(router), m_strings(strings)
{
    using namespace cmd;
    using Keys = QList<QKeySequence>;
    make(ID_FILE_NEW, QStringLiteral("New"), "new", Keys{QKeySequence(Qt::CTRL | Qt::Key_N)});
    make(ID_FILE_OPEN, QStringLiteral("Open(&O)...\tCtrl+O"), "open", Keys{QKeySequence(Qt::CTRL | Qt::Key_O)});
    make(ID_FILE_SAVE, QStringLiteral("Save Original Data"), "save-original", Keys{QKeySequence(Qt::CTRL | Qt::Key_S)});
    make(ID_SAVE_DEPTH_DATA, QStringLiteral("Save Depth Data"), "save-depth");
    make(ID_SAVE_PICTURE, QStringLiteral("Save Picture"), "save-picture");
    make(ID_FILE_CLOSE, QStringLiteral("Close(&C)"), "close-window");
    make(ID_PRINT_PICTURE, QStringLiteral("Print"), "print");
    for (int i = 0; i < kRecentFileCount; ++i)
        m_recent << make(ID_FILE_MRU_FILE1 + i, QStringLiteral("Recent File"));
    make(ID_APP_EXIT, QStringLiteral("Exit(&X)"), "exit");

    make(ID_EDIT_UNDO, QString::fromUtf8("撤消(&U)\tCtrl+Z"), nullptr,
         Keys{QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    make(ID_EDIT_CUT, QString::fromUtf8("剪切(&T)\tCtrl+X"), "cut",
         Keys{QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
    make(ID_EDIT_COPY, QString::fromUtf8("复制(&C)\tCtrl+C"), "copy",
         Keys{QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    make(ID_EDIT_PASTE, QString::fromUtf8("粘贴(&P)\tCtrl+V"), "paste",
         Keys{QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});

    make(ID_VIEW_STATUS_BAR, QStringLiteral("StatusBar(&S)"))->setCheckable(true);
    make(ID_NEXT_PANE, QStringLiteral("Next Pane"), nullptr, Keys{QKeySequence(Qt::Key_F6)});
    make(ID_PREV_PANE, QStringLiteral("Previous Pane"), nullptr, Keys{QKeySequence(Qt::SHIFT | Qt::Key_F6)});
    make(ID_VIEW_CUSTOMIZE, QStringLiteral("Definition..."), "customize");
    make(ID_WINDOW_MANAGER, QStringLiteral("Window(&W)..."), "windows");

    m_looks = new QActionGroup(&window);
    m_looks->setExclusive(true);
    const std::pair<int, const char*> looks[] = {
        {ID_VIEW_APPLOOK_WIN_2000, "Windows 2000(&2)"},     {ID_VIEW_APPLOOK_OFF_XP, "Office XP(&X)"},
        {ID_VIEW_APPLOOK_WIN_XP, "Windows XP(&W)"},         {ID_VIEW_APPLOOK_OFF_2003, "Office 2003(&3)"},
        {ID_VIEW_APPLOOK_VS_2005, "Visual Studio 200&5"},   {ID_VIEW_APPLOOK_VS_2008, "Visual Studio 200&8"},
        {ID_VIEW_APPLOOK_OFF_2007_BLUE, "Blue(&B)"},        {ID_VIEW_APPLOOK_OFF_2007_BLACK, "Black(&L)"},
        {ID_VIEW_APPLOOK_OFF_2007_SILVER, "Silvery(&S)"},   {ID_VIEW_APPLOOK_OFF_2007_AQUA, "Aqua(&A)"},
        {ID_VIEW_APPLOOK_WINDOWS_7, "Windows 7"},
    };
    for (const auto& [id, text] : looks) {
        QAction* a = make(id, QLatin1String(text));
        a->setCheckable(true);
        m_looks->addAction(a);
    }

    make(ID_CONFIG, QStringLiteral("Config"), "config");
    make(ID_CHOOSE_DATA, QStringLiteral("Choose Data"), "choose-data");
    make(ID_PROCESSED_DATA, QStringLiteral("Processed Data"), "process-data");
    make(ID_DEPTH_DISPLAY, QStringLiteral("Depth Display"), "depth");
    make(ID_CORRECT_BAD_POINTS, QStringLiteral("Correct Bad Points"));
    make(ID_SEARCH_AND_PROCESS, QStringLiteral("Search Bad Points and Process"));
    make(ID_BLUETOOTH, QStringLiteral("Bluetooth Link"));

    make(ID_ICHNOGRAPHY_GRAPH, QStringLiteral("Ichnography Curving Graph"), "graph-plane");
    make(ID_VERTICAL_GRAPH, QStringLiteral("Vertical Curving Graph"), "graph-vertical");
    make(ID_ROUND_GRAPH, QStringLiteral(" Round Graph"), "graph-round");

    make(ID_APP_ABOUT, QStringLiteral("About"), "about");
    make(ID_HELP_DOC, QStringLiteral("Help"), "help");
    make(ID_ABOUT_COMPANY, QStringLiteral("About Company"), "company");
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
    const QString tip = m_strings.toolTip(id);
    a->setStatusTip(m_strings.prompt(id));
    a->setToolTip(!tip.isEmpty() ? tip : CustomizeDialog::plainText(a));
    m_actions.insert(id, a);
    m_window.addAction(a);
    m_router.addAction(a);
    return a;
}

}  // namespace vantrel
