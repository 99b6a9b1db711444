#pragma once

namespace vantrel {

class CFileView;
class CMainFrame;
class COutputWnd;
class DataCommands;

/// The data panes of a main frame and the commands that work on them.
struct DataPanes {
    CFileView* fileView = nullptr;
    COutputWnd* output = nullptr;
    DataCommands* commands = nullptr;
};

/// Puts the file view and the output pane into the frame's two docks, over
/// the frame's survey, and registers the data commands with its router.
/// A second call returns the panes already installed.
DataPanes InstallDataPanes(CMainFrame& frame);

/// The panes installed in `frame` (all null before InstallDataPanes).
DataPanes InstalledDataPanes(const CMainFrame& frame);

}  // namespace vantrel
