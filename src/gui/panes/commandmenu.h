#pragma once

#include <QString>

#include <functional>
#include <initializer_list>

class QMenu;
class QWidget;

namespace vantrel {

/// One entry of a pane's context menu; a null text stands for a separator.
struct MenuEntry {
    int id = 0;
    QString text;
    bool enabled = true;         ///< a disabled entry has no handler
};

/// A context menu whose actions carry their command id and report it to
/// `triggered` when chosen.
QMenu* BuildCommandMenu(QWidget* parent, const QString& objectName, std::initializer_list<MenuEntry> entries,
                        const std::function<void(int)>& triggered);

}  // namespace vantrel
