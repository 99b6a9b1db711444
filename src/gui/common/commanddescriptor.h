#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QList>
#include <QString>

namespace vantrel {

/// Where a command sits in a menu or on a toolbar: entries are ordered by
/// `position` (0: not there); `separatorBefore` puts a separator line in
/// front of the entry.
struct CommandPlace {
    int position = 0;
    bool separatorBefore = false;
};

/// The menus whose entries come from the command table. The frame builds the
/// menu bar's skeleton (titles, sub-menus) and fills each from its rows.
enum class CommandMenu { None, File, View, Looks, Office2007, DataProcessing, Curving, Help, Edit };
/// The toolbars whose default buttons come from the table: the frame's
/// "Standard" toolbar and the file view's own buttons.
enum class CommandToolbar { None, Standard, FileView };

/// One command as the desktop shows it. Every action, menu entry, toolbar
/// button and status-bar prompt of the frame is made from these rows, so a
/// new command is one row here plus its handler on the router.
struct CommandDescriptor {
    enum Flag : unsigned { Checkable = 1, Look = 2 };

    int id = 0;
    /// The menu text (context "vantrel::MainActions"); nullptr for the file view's
    /// buttons, which the pane makes itself and which show their tool tip.
    const char* caption = nullptr;
    /// The status-bar prompt and the tool tip, "prompt\ntip" (context
    /// "CommandTexts"); nullptr: no prompt, the tip is the caption.
    const char* texts = nullptr;
    /// A resource path, nullptr for none.
    const char* icon = nullptr;
    /// Key sequences in portable text, "; " between them ("Ctrl+Z; Alt+Backspace").
    const char* keys = nullptr;
    CommandMenu menu = CommandMenu::None;
    CommandPlace menuPlace;
    CommandToolbar toolbar = CommandToolbar::None;
    CommandPlace toolbarPlace;
    /// `Checkable`; `Look`: checkable, one of the exclusive looks.
    unsigned flags = 0;

    QString translatedCaption() const;
    QList<QKeySequence> shortcuts() const;
};

/// Every command, in the order the frame makes their actions.
const QList<CommandDescriptor>& commandDescriptors();
/// nullptr for unknown ids.
const CommandDescriptor* findCommand(int id);
/// The rows of `menu` in menu order.
QList<const CommandDescriptor*> commandsInMenu(CommandMenu menu);
/// The rows on `toolbar` in button order.
QList<const CommandDescriptor*> commandsOnToolbar(CommandToolbar toolbar);

}  // namespace vantrel
