#pragma once

#include <QString>

#include <initializer_list>

class QMenu;
class QWidget;

namespace vantrel {

/// One entry of a pane's context menu; a null text stands for a separator.
struct MenuEntry {
    int id = 0;
    QString text;
};

/// A context menu whose actions carry their command id. The command router
/// runs them and enables them (an entry without a handler shows disabled).
QMenu* buildCommandMenu(QWidget* parent, const QString& objectName, std::initializer_list<MenuEntry> entries);

}  // namespace vantrel
