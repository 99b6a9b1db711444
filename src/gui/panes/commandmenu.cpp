#include "commandmenu.h"

#include <QAction>
#include <QMenu>

namespace vantrel {

QMenu* BuildCommandMenu(QWidget* parent, const QString& objectName, std::initializer_list<MenuEntry> entries,
                        const std::function<void(int)>& triggered)
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
        a->setEnabled(e.enabled);
        if (e.enabled) {
            const int id = e.id;
            QObject::connect(a, &QAction::triggered, menu, [triggered, id] { triggered(id); });
        }
    }
    return menu;
}

}  // namespace vantrel
