#include "common/commandtexts.h"

#include "common/commandids.h"

namespace vantrel {

namespace {

struct Entry {
    int id;
    const char* text;
};

constexpr Entry kEntries[] = {
    {cmd::ID_FILE_NEW, QT_TRANSLATE_NOOP("CommandTexts", "Create new file\nNew")},
    {cmd::ID_FILE_OPEN, QT_TRANSLATE_NOOP("CommandTexts", "Open an existing File\nOpen")},
    {cmd::ID_FILE_CLOSE, QT_TRANSLATE_NOOP("CommandTexts", "Close the Active File\nClose")},
    {cmd::ID_FILE_SAVE, QT_TRANSLATE_NOOP("CommandTexts", "Save the active file\nSave")},
    {cmd::ID_SAVE_DEPTH_DATA, QT_TRANSLATE_NOOP("CommandTexts", "Save depth data\nDepth Save")},
    {cmd::ID_PRINT_PICTURE, QT_TRANSLATE_NOOP("CommandTexts", "Print Chart\nPrint")},
    {cmd::ID_PROCESSED_DATA, QT_TRANSLATE_NOOP("CommandTexts", "Field Process\nField Process")},
    {cmd::ID_ICHNOGRAPHY_GRAPH,
     QT_TRANSLATE_NOOP("CommandTexts", "Draw a plane cross-sectional chart\nPlane Chart")},
    {cmd::ID_VERTICAL_GRAPH,
     QT_TRANSLATE_NOOP("CommandTexts", "Draw vertical cross-section chart \nvertical Chart")},
    {cmd::ID_ROUND_GRAPH, QT_TRANSLATE_NOOP("CommandTexts", "Draw a ring chart\nRing Chart")},
    {cmd::ID_SECTION_GRAPH,
     QT_TRANSLATE_NOOP("CommandTexts", "Draw the depth data as a pseudo-section map\nPseudo-section Map")},
    {cmd::ID_APP_ABOUT,
     QT_TRANSLATE_NOOP("CommandTexts",
                       "Display program information version number and copyright information\nAbout")},
    {cmd::ID_APP_EXIT,
     QT_TRANSLATE_NOOP("CommandTexts", "Exit the application; prompt to save the document\nExit")},
    {cmd::ID_EDIT_COPY,
     QT_TRANSLATE_NOOP("CommandTexts", "Copy the selection and place it on the clipboard\nCopy")},
    {cmd::ID_EDIT_PASTE, QT_TRANSLATE_NOOP("CommandTexts", "Insert the clipboard contents\nPaste")},
    {cmd::ID_VIEW_STATUS_BAR,
     QT_TRANSLATE_NOOP("CommandTexts", "Show or hide the status bar \nToggle Status Bar")},
    // The file view's toolbar
    {cmd::ID_SELECT_DATA, QT_TRANSLATE_NOOP("CommandTexts", "Select the file to be processed\nSelect")},
    {cmd::ID_FILEVIEW_PROCESS_SELECTED,
     QT_TRANSLATE_NOOP("CommandTexts",
                       "The selection of the source file for field treatment\nField Process")},
    {cmd::ID_FILEVIEW_DEPTH, QT_TRANSLATE_NOOP("CommandTexts", "Calculate depth data\nDepth Calculation")},
};

}  // namespace

QString CommandTexts::text(int id)
{
    for (const Entry& e : kEntries)
        if (e.id == id)
            return tr(e.text);
    return {};
}

QString CommandTexts::prompt(int id)
{
    const QString t = text(id);
    const qsizetype nl = t.indexOf(QLatin1Char('\n'));
    return nl < 0 ? t : t.left(nl);
}

QString CommandTexts::toolTip(int id)
{
    const QString t = text(id);
    const qsizetype nl = t.indexOf(QLatin1Char('\n'));
    return nl < 0 ? QString() : t.mid(nl + 1);
}

}  // namespace vantrel
