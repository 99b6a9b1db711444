#include "common/commanddescriptor.h"

#include "common/commandids.h"

#include <algorithm>

namespace vantrel {

namespace {

using M = CommandMenu;
using T = CommandToolbar;
using D = CommandDescriptor;

/// A row of the table, written as the id and caption followed by what the
/// command has of the rest.
struct Row {
    CommandDescriptor d;
    Row(int id, const char* caption)
    {
        d.id = id;
        d.caption = caption;
    }
    Row& texts(const char* t)
    {
        d.texts = t;
        return *this;
    }
    Row& icon(const char* path)
    {
        d.icon = path;
        return *this;
    }
    Row& keys(const char* k)
    {
        d.keys = k;
        return *this;
    }
    Row& menu(CommandMenu m, int position, bool separatorBefore = false)
    {
        d.menu = m;
        d.menuPlace = {position, separatorBefore};
        return *this;
    }
    Row& toolbar(CommandToolbar t, int position, bool separatorBefore = false)
    {
        d.toolbar = t;
        d.toolbarPlace = {position, separatorBefore};
        return *this;
    }
    Row& flags(unsigned f)
    {
        d.flags = f;
        return *this;
    }
    operator CommandDescriptor() const { return d; }
};

QList<CommandDescriptor> makeTable()
{
    using namespace cmd;
    // clang-format off
    return {
        Row(ID_FILE_NEW, QT_TRANSLATE_NOOP("vantrel::MainActions", "New")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Create new file\nNew")).icon(":/icons/new.svg").keys("Ctrl+N"),
        // File
        Row(ID_FILE_OPEN, QT_TRANSLATE_NOOP("vantrel::MainActions", "Open(&O)...\tCtrl+O")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Open an existing File\nOpen")).icon(":/icons/open.svg").keys("Ctrl+O").menu(M::File, 10).toolbar(T::Standard, 10),
        Row(ID_IMPORT_TEXT, QT_TRANSLATE_NOOP("vantrel::MainActions", "Import Text...")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Import text files of other layouts (separators, decimal commas, columns chosen)\nImport Text")).menu(M::File, 15),
        Row(ID_REOPEN_ENCODING, QT_TRANSLATE_NOOP("vantrel::MainActions", "Reopen with Encoding...")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Read the open files again in another text encoding\nReopen with Encoding")).menu(M::File, 17),
        Row(ID_FILE_SAVE, QT_TRANSLATE_NOOP("vantrel::MainActions", "Save Original Data")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Save the active file\nSave")).icon(":/icons/save-original.svg").keys("Ctrl+S").menu(M::File, 20).toolbar(T::Standard, 20),
        Row(ID_SAVE_DEPTH_DATA, QT_TRANSLATE_NOOP("vantrel::MainActions", "Save Depth Data")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Save depth data\nDepth Save")).icon(":/icons/save-depth.svg").menu(M::File, 30).toolbar(T::Standard, 40),
        Row(ID_SAVE_PICTURE, QT_TRANSLATE_NOOP("vantrel::MainActions", "Save Picture")).icon(":/icons/save-picture.svg").menu(M::File, 40),
        Row(ID_EXPORT_SECTION_GRID, QT_TRANSLATE_NOOP("vantrel::MainActions", "Export Section Grid...")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Write the section's grid for other programs (Surfer, GeoTIFF, ESRI ASCII, XYZ)\nExport Section Grid")).menu(M::File, 45),
        Row(ID_FILE_CLOSE, QT_TRANSLATE_NOOP("vantrel::MainActions", "Close(&C)")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Close the Active File\nClose")).icon(":/icons/close-window.svg").menu(M::File, 50),
        Row(ID_OPEN_PROJECT, QT_TRANSLATE_NOOP("vantrel::MainActions", "Open Project...")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Open a project: its data file, steps and charts\nOpen Project")).icon(":/icons/open.svg").menu(M::File, 52, true),
        Row(ID_SAVE_PROJECT, QT_TRANSLATE_NOOP("vantrel::MainActions", "Save Project")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Save the data file's name, the steps done and the charts as a project\nSave Project")).keys("Ctrl+Shift+S").menu(M::File, 54),
        Row(ID_SAVE_PROJECT_AS, QT_TRANSLATE_NOOP("vantrel::MainActions", "Save Project As...")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Save the project under a new name\nSave Project As")).menu(M::File, 56),
        Row(ID_HISTORY_COPY_COMMAND_LINE, QT_TRANSLATE_NOOP("vantrel::MainActions", "Copy as Command Line")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Copy the vantrel-cli command that repeats these steps\nCopy as Command Line")),
        Row(ID_HISTORY_SAVE_RECIPE, QT_TRANSLATE_NOOP("vantrel::MainActions", "Save Recipe...")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Save the steps as a recipe for vantrel-cli --recipe\nSave Recipe")),
        Row(ID_PRINT_PICTURE, QT_TRANSLATE_NOOP("vantrel::MainActions", "Print")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Print Chart\nPrint")).icon(":/icons/print.svg").menu(M::File, 60, true).toolbar(T::Standard, 30),
        Row(ID_FILE_MRU_FILE1, QT_TRANSLATE_NOOP("vantrel::MainActions", "Recent File")).menu(M::File, 70),
        Row(ID_FILE_MRU_FILE1 + 1, QT_TRANSLATE_NOOP("vantrel::MainActions", "Recent File")).menu(M::File, 71),
        Row(ID_FILE_MRU_FILE1 + 2, QT_TRANSLATE_NOOP("vantrel::MainActions", "Recent File")).menu(M::File, 72),
        Row(ID_FILE_MRU_FILE1 + 3, QT_TRANSLATE_NOOP("vantrel::MainActions", "Recent File")).menu(M::File, 73),
        Row(ID_APP_EXIT, QT_TRANSLATE_NOOP("vantrel::MainActions", "Exit(&X)")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Exit the application; prompt to save the document\nExit")).icon(":/icons/exit.svg").menu(M::File, 90, true),
        // Edit
        Row(ID_EDIT_UNDO, QT_TRANSLATE_NOOP("vantrel::MainActions", "&Undo\tCtrl+Z")).keys("Ctrl+Z; Alt+Backspace").menu(M::DataProcessing, 50, true),
        Row(ID_EDIT_REDO, QT_TRANSLATE_NOOP("vantrel::MainActions", "&Redo\tCtrl+Y")).keys("Ctrl+Y; Ctrl+Shift+Z").menu(M::DataProcessing, 60),
        Row(ID_EDIT_CUT, QT_TRANSLATE_NOOP("vantrel::MainActions", "Cu&t\tCtrl+X")).icon(":/icons/cut.svg").keys("Ctrl+X; Shift+Del").menu(M::Edit, 10),
        Row(ID_EDIT_COPY, QT_TRANSLATE_NOOP("vantrel::MainActions", "&Copy\tCtrl+C")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Copy the selection and place it on the clipboard\nCopy")).icon(":/icons/copy.svg").keys("Ctrl+C; Ctrl+Ins").menu(M::Edit, 20).toolbar(T::Standard, 50),
        Row(ID_EDIT_PASTE, QT_TRANSLATE_NOOP("vantrel::MainActions", "&Paste\tCtrl+V")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Insert the clipboard contents\nPaste")).icon(":/icons/paste.svg").keys("Ctrl+V; Shift+Ins").menu(M::Edit, 30).toolbar(T::Standard, 60),
        // View
        Row(ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("vantrel::MainActions", "StatusBar(&S)")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Show or hide the status bar \nToggle Status Bar")).menu(M::View, 10).flags(D::Checkable),
        Row(ID_NEXT_PANE, QT_TRANSLATE_NOOP("vantrel::MainActions", "Next Pane")).keys("F6"),
        Row(ID_PREV_PANE, QT_TRANSLATE_NOOP("vantrel::MainActions", "Previous Pane")).keys("Shift+F6"),
        Row(ID_VIEW_CUSTOMIZE, QT_TRANSLATE_NOOP("vantrel::MainActions", "Definition...")).icon(":/icons/customize.svg"),
        Row(ID_WINDOW_MANAGER, QT_TRANSLATE_NOOP("vantrel::MainActions", "Window(&W)...")).icon(":/icons/windows.svg"),
        // The looks
        Row(ID_VIEW_APPLOOK_WIN_2000, QT_TRANSLATE_NOOP("vantrel::MainActions", "Windows 2000(&2)")).menu(M::Looks, 10).flags(D::Look),
        Row(ID_VIEW_APPLOOK_OFF_XP, QT_TRANSLATE_NOOP("vantrel::MainActions", "Office XP(&X)")).menu(M::Looks, 20).flags(D::Look),
        Row(ID_VIEW_APPLOOK_WIN_XP, QT_TRANSLATE_NOOP("vantrel::MainActions", "Windows XP(&W)")).menu(M::Looks, 30).flags(D::Look),
        Row(ID_VIEW_APPLOOK_OFF_2003, QT_TRANSLATE_NOOP("vantrel::MainActions", "Office 2003(&3)")).menu(M::Looks, 40).flags(D::Look),
        Row(ID_VIEW_APPLOOK_VS_2005, QT_TRANSLATE_NOOP("vantrel::MainActions", "Visual Studio 200&5")).menu(M::Looks, 50).flags(D::Look),
        Row(ID_VIEW_APPLOOK_VS_2008, QT_TRANSLATE_NOOP("vantrel::MainActions", "Visual Studio 200&8")).menu(M::Looks, 60).flags(D::Look),
        Row(ID_VIEW_APPLOOK_OFF_2007_BLUE, QT_TRANSLATE_NOOP("vantrel::MainActions", "Blue(&B)")).menu(M::Office2007, 10).flags(D::Look),
        Row(ID_VIEW_APPLOOK_OFF_2007_BLACK, QT_TRANSLATE_NOOP("vantrel::MainActions", "Black(&L)")).menu(M::Office2007, 20).flags(D::Look),
        Row(ID_VIEW_APPLOOK_OFF_2007_SILVER, QT_TRANSLATE_NOOP("vantrel::MainActions", "Silvery(&S)")).menu(M::Office2007, 30).flags(D::Look),
        Row(ID_VIEW_APPLOOK_OFF_2007_AQUA, QT_TRANSLATE_NOOP("vantrel::MainActions", "Aqua(&A)")).menu(M::Office2007, 40).flags(D::Look),
        Row(ID_VIEW_APPLOOK_WINDOWS_7, QT_TRANSLATE_NOOP("vantrel::MainActions", "Windows 7")).flags(D::Look),
        // Data Processing
        Row(ID_CONFIG, QT_TRANSLATE_NOOP("vantrel::MainActions", "Config")).icon(":/icons/config.svg").menu(M::DataProcessing, 10),
        Row(ID_CHOOSE_DATA, QT_TRANSLATE_NOOP("vantrel::MainActions", "Choose Data")).icon(":/icons/choose-data.svg").menu(M::DataProcessing, 20),
        Row(ID_PROCESSED_DATA, QT_TRANSLATE_NOOP("vantrel::MainActions", "Processed Data")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Field Process\nField Process")).icon(":/icons/process-data.svg").menu(M::DataProcessing, 30),
        Row(ID_DEPTH_DISPLAY, QT_TRANSLATE_NOOP("vantrel::MainActions", "Depth Display")).icon(":/icons/depth.svg").menu(M::DataProcessing, 40),
        Row(ID_CORRECT_BAD_POINTS, QT_TRANSLATE_NOOP("vantrel::MainActions", "Correct Bad Points")),
        Row(ID_SEARCH_AND_PROCESS, QT_TRANSLATE_NOOP("vantrel::MainActions", "Search Bad Points and Process")),
        Row(ID_BLUETOOTH, QT_TRANSLATE_NOOP("vantrel::MainActions", "Instrument Link")).icon(":/icons/instrument-link.svg"),
        // Curving
        Row(ID_ICHNOGRAPHY_GRAPH, QT_TRANSLATE_NOOP("vantrel::MainActions", "Ichnography Curving Graph")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Draw a plane cross-sectional chart\nPlane Chart")).icon(":/icons/graph-plane.svg").menu(M::Curving, 10).toolbar(T::Standard, 70, true),
        Row(ID_VERTICAL_GRAPH, QT_TRANSLATE_NOOP("vantrel::MainActions", "Vertical Curving Graph")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Draw vertical cross-section chart \nvertical Chart")).icon(":/icons/graph-vertical.svg").menu(M::Curving, 20).toolbar(T::Standard, 80),
        Row(ID_ROUND_GRAPH, QT_TRANSLATE_NOOP("vantrel::MainActions", " Round Graph")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Draw a ring chart\nRing Chart")).icon(":/icons/graph-round.svg").menu(M::Curving, 30).toolbar(T::Standard, 90),
        Row(ID_SECTION_GRAPH, QT_TRANSLATE_NOOP("vantrel::MainActions", "Pseudo-section Map")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Draw the depth data as a pseudo-section map\nPseudo-section Map")).icon(":/icons/graph-section.svg").menu(M::Curving, 40).toolbar(T::Standard, 100),
        // Help
        Row(ID_APP_ABOUT, QT_TRANSLATE_NOOP("vantrel::MainActions", "About")).texts(QT_TRANSLATE_NOOP("CommandTexts", "Display program information version number and copyright information\nAbout")).icon(":/icons/about.svg").menu(M::Help, 10),
        Row(ID_HELP_DOC, QT_TRANSLATE_NOOP("vantrel::MainActions", "Help")).icon(":/icons/help.svg").menu(M::Help, 20),
        Row(ID_ABOUT_COMPANY, QT_TRANSLATE_NOOP("vantrel::MainActions", "About Company")).icon(":/icons/company.svg").menu(M::Help, 30),
        // The file view's own buttons: no caption, the pane shows their tool tip
        Row(ID_SELECT_DATA, nullptr).texts(QT_TRANSLATE_NOOP("CommandTexts", "Select the file to be processed\nSelect")).icon(":/panes/icons/select.svg").toolbar(T::FileView, 10),
        Row(ID_FILEVIEW_PROCESS_SELECTED, nullptr).texts(QT_TRANSLATE_NOOP("CommandTexts", "The selection of the source file for field treatment\nField Process")).icon(":/panes/icons/fieldprocess.svg").toolbar(T::FileView, 20),
        Row(ID_FILEVIEW_DEPTH, nullptr).texts(QT_TRANSLATE_NOOP("CommandTexts", "Calculate depth data\nDepth Calculation")).icon(":/panes/icons/depth.svg").toolbar(T::FileView, 30),
    };
    // clang-format on
}

template <typename Pick>
QList<const CommandDescriptor*> placed(Pick pick)
{
    QList<const CommandDescriptor*> rows;
    for (const CommandDescriptor& d : commandDescriptors())
        if (pick(d) > 0)
            rows << &d;
    std::stable_sort(rows.begin(), rows.end(), [&](const CommandDescriptor* a, const CommandDescriptor* b) {
        return pick(*a) < pick(*b);
    });
    return rows;
}

}  // namespace

QString CommandDescriptor::translatedCaption() const
{
    return caption ? QCoreApplication::translate("vantrel::MainActions", caption) : QString();
}

QList<QKeySequence> CommandDescriptor::shortcuts() const
{
    return keys ? QKeySequence::listFromString(QString::fromLatin1(keys), QKeySequence::PortableText)
                : QList<QKeySequence>{};
}

const QList<CommandDescriptor>& commandDescriptors()
{
    static const QList<CommandDescriptor> table = makeTable();
    return table;
}

const CommandDescriptor* findCommand(int id)
{
    for (const CommandDescriptor& d : commandDescriptors())
        if (d.id == id)
            return &d;
    return nullptr;
}

QList<const CommandDescriptor*> commandsInMenu(CommandMenu menu)
{
    return placed([menu](const CommandDescriptor& d) { return d.menu == menu ? d.menuPlace.position : 0; });
}

QList<const CommandDescriptor*> commandsOnToolbar(CommandToolbar toolbar)
{
    return placed(
        [toolbar](const CommandDescriptor& d) { return d.toolbar == toolbar ? d.toolbarPlace.position : 0; });
}

}  // namespace vantrel
