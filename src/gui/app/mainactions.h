#pragma once

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>

class QAction;
class QActionGroup;
class QWidget;

namespace vantrel {

class CommandRouter;
struct CommandDescriptor;

/// Every command's action of the main window, made from its row of the
/// command table (`commandDescriptors()`): text, icon, keys, status-bar
/// prompt and tool tip, in the interface language. Each action carries its command id in data(), sits on
/// the window (so its keys work with or without a menu entry) and runs
/// through the router. Menus, toolbars and the customization pick them up by id.
class MainActions : public QObject {
    Q_OBJECT
public:
    static constexpr int kRecentFileCount = 4;

    MainActions(QWidget& window, CommandRouter& router);

    /// nullptr for unknown ids.
    QAction* action(int id) const { return m_actions.value(id); }
    QList<int> ids() const { return m_actions.keys(); }
    /// The four entries of the recent-file list, in order.
    QList<QAction*> recentFiles() const { return m_recent; }
    /// Names the step Undo and Redo would take back or do again ("Undo
    /// Choose Data"); an empty name gives the entry its plain caption.
    void showStepNames(const QString& undoStep, const QString& redoStep);

private:
    void make(const CommandDescriptor& d);

    QWidget& m_window;
    CommandRouter& m_router;
    QHash<int, QAction*> m_actions;
    QList<QAction*> m_recent;
    QActionGroup* m_looks = nullptr;
    QString m_undoCaption;
    QString m_redoCaption;
};

}  // namespace vantrel
