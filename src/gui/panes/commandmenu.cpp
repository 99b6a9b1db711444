#include "panes/commandmenu.h"

#include <QAction>
#include <QMenu>

namespace vantrel {

QMenu* buildCommandMenu(QWidget* parent, const QString& objectName, std::initializer_list<MenuEntry> entries)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(objectName);
    for (const MenuEntry& e : entries) {
        if (e.text.isNull()) {
            menu->addSeparator();
            continue;
        }
        QAction* a = menu->addAction(e.text);
        a->setData(e.id);
    }
    return menu;
}

}  // namespace vantrel
