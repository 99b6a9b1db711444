#pragma once

/// Command ids. Actions carry their id (QAction::data), and the router and
/// the tests find commands by it.
namespace vantrel::cmd {

// File
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_CLOSE = 57602;
inline constexpr int ID_FILE_SAVE = 57603;        // Save Original Data
inline constexpr int ID_IMPORT_TEXT = 32860;      // files outside the standard layout
inline constexpr int ID_REOPEN_ENCODING = 32861;  // the open files read again in another encoding
inline constexpr int ID_FILE_MRU_FILE1 = 57616;   // recent files, 57616..57619
inline constexpr int ID_SAVE_DEPTH_DATA = 32807;
inline constexpr int ID_SAVE_PICTURE = 32812;
inline constexpr int ID_PRINT_PICTURE = 32811;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_APP_ABOUT = 57664;

// Edit (cut, copy, paste and clear have no handler: shown disabled)
inline constexpr int ID_EDIT_CLEAR = 57632;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_UNDO = 57643;  // the data steps' undo history
inline constexpr int ID_EDIT_REDO = 57644;

// View
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;
inline constexpr int ID_VIEW_CUSTOMIZE = 126;
inline constexpr int ID_WINDOW_MANAGER = 131;
inline constexpr int ID_VIEW_APPLOOK_WIN_2000 = 205;
inline constexpr int ID_VIEW_APPLOOK_OFF_XP = 206;
inline constexpr int ID_VIEW_APPLOOK_WIN_XP = 207;
inline constexpr int ID_VIEW_APPLOOK_OFF_2003 = 208;
inline constexpr int ID_VIEW_APPLOOK_VS_2005 = 209;
inline constexpr int ID_VIEW_APPLOOK_VS_2008 = 210;
inline constexpr int ID_VIEW_APPLOOK_OFF_2007_BLUE = 215;
inline constexpr int ID_VIEW_APPLOOK_OFF_2007_BLACK = 216;
inline constexpr int ID_VIEW_APPLOOK_OFF_2007_SILVER = 217;
inline constexpr int ID_VIEW_APPLOOK_OFF_2007_AQUA = 218;
inline constexpr int ID_VIEW_APPLOOK_WINDOWS_7 = 219;
inline constexpr int ID_FIRST_USER_TOOLBAR = 59432;  // ten user toolbars, 59432..59441
inline constexpr int ID_LAST_USER_TOOLBAR = 59441;

// Data processing (main frame)
inline constexpr int ID_CONFIG = 32822;
inline constexpr int ID_CHOOSE_DATA = 32794;
inline constexpr int ID_PROCESSED_DATA = 32816;
inline constexpr int ID_DEPTH_DISPLAY = 32792;
inline constexpr int ID_CORRECT_BAD_POINTS = 32791;
inline constexpr int ID_SEARCH_AND_PROCESS = 32796;
inline constexpr int ID_BLUETOOTH = 32826;

// Projects and the history pane
inline constexpr int ID_OPEN_PROJECT = 32870;
inline constexpr int ID_SAVE_PROJECT = 32871;
inline constexpr int ID_SAVE_PROJECT_AS = 32872;
inline constexpr int ID_HISTORY_COPY_COMMAND_LINE = 32873;
inline constexpr int ID_HISTORY_SAVE_RECIPE = 32874;

// Graphs (application)
inline constexpr int ID_ICHNOGRAPHY_GRAPH = 32786;
inline constexpr int ID_VERTICAL_GRAPH = 32781;
inline constexpr int ID_ROUND_GRAPH = 32779;
inline constexpr int ID_SECTION_GRAPH = 32830;  // the pseudo-section map
inline constexpr int ID_EXPORT_SECTION_GRID = 32845;  // a section window's grid through GDAL

// Help (application)
inline constexpr int ID_HELP_DOC = 32818;
inline constexpr int ID_ABOUT_COMPANY = 32820;

// File view pane
inline constexpr int ID_PROPERTIES = 135;
inline constexpr int ID_SELECT_DATA = 136;
inline constexpr int ID_OPEN_WITH = 137;
inline constexpr int ID_DUMMY_COMPILE = 138;
inline constexpr int ID_FILEVIEW_SEARCH_AND_PROCESS = 32799;
inline constexpr int ID_FILEVIEW_CORRECT = 32800;
inline constexpr int ID_FILEVIEW_DEPTH = 32801;
inline constexpr int ID_FILEVIEW_PROCESS_SELECTED = 32814;

// Output pane
inline constexpr int ID_OUTPUT_SEARCH_BAD_POINTS = 32798;
inline constexpr int ID_OUTPUT_CORRECT_BAD_POINTS = 32771;
inline constexpr int ID_OUTPUT_DEPTH = 32772;
inline constexpr int ID_OUTPUT_PLANE_GRAPH = 32773;  // no handler: shown disabled
inline constexpr int ID_OUTPUT_TOOL_1 = 154;         // pane toolbar, no handlers
inline constexpr int ID_OUTPUT_TOOL_2 = 151;
inline constexpr int ID_OUTPUT_TOOL_3 = 152;
inline constexpr int ID_OUTPUT_TOOL_4 = 153;

// Print preview (the buttons of its own toolbar)
inline constexpr int ID_FILE_PAGE_SETUP = 57606;
inline constexpr int ID_PREVIEW_CLOSE = 58112;
inline constexpr int ID_PREVIEW_NEXT = 58114;
inline constexpr int ID_PREVIEW_PREV = 58115;
inline constexpr int ID_PREVIEW_PRINT = 58116;
inline constexpr int ID_PREVIEW_ZOOMIN = 58117;
inline constexpr int ID_PREVIEW_ZOOMOUT = 58118;
inline constexpr int ID_PREVIEW_FIRST = 58120;
inline constexpr int ID_PREVIEW_LAST = 58121;
inline constexpr int ID_PREVIEW_FIT_WIDTH = 58122;
inline constexpr int ID_PREVIEW_FIT_PAGE = 58123;
inline constexpr int ID_PREVIEW_ONE_PAGE = 58124;
inline constexpr int ID_PREVIEW_TWO_PAGES = 58125;
inline constexpr int ID_PREVIEW_ALL_PAGES = 58126;
inline constexpr int ID_PREVIEW_PORTRAIT = 58127;
inline constexpr int ID_PREVIEW_LANDSCAPE = 58128;

}  // namespace vantrel::cmd
