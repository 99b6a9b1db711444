#pragma once

#include <QDockWidget>

class QMenu;
class QUndoStack;
class QUndoView;

namespace vantrel {

class CommandRouter;

/// The "History" pane: the data steps of the undo history, from the file as
/// read to the latest, each with the settings it ran with; the current
/// position is selected, and a click on an entry undoes or redoes the steps
/// up to it. Its context menu copies the command line that repeats the
/// steps and saves them as a recipe (commands on the router).
class CHistoryPane : public QDockWidget {
    Q_OBJECT
public:
    CHistoryPane(QUndoStack* stack, QWidget* parent = nullptr);

    QUndoView* view() const { return m_view; }
    QMenu* menu() const { return m_menu; }
    void registerCommands(CommandRouter& router);
    /// The entry before the first step names the file as it was read, or
    /// says that no file is open.
    void showFileOpen(bool open);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QUndoView* m_view;
    QMenu* m_menu;
};

}  // namespace vantrel
