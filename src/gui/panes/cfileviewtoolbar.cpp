#include "panes/cfileviewtoolbar.h"

#include "common/commanddescriptor.h"
#include "common/commandtexts.h"

#include <QAction>
#include <QToolButton>

static void initPaneResources()
{
    Q_INIT_RESOURCE(panes);
}

namespace vantrel {

CFileViewToolBar::CFileViewToolBar(QWidget* parent) : QToolBar(parent)
{
    initPaneResources();
    setObjectName(QStringLiteral("FileViewToolBar"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(kImageSize, kImageSize));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setContentsMargins(0, 0, 0, 0);

    for (const CommandDescriptor* b : commandsOnToolbar(CommandToolbar::FileView)) {
        QAction* a = addAction(QIcon(QString::fromLatin1(b->icon)), CommandTexts::toolTip(b->id));
        a->setData(b->id);
        a->setToolTip(CommandTexts::toolTip(b->id));
        a->setStatusTip(CommandTexts::prompt(b->id));
        if (QWidget* button = widgetForAction(a))
            button->setFixedSize(kButtonSize, kButtonSize);
    }
}

QAction* CFileViewToolBar::action(int id) const
{
    for (QAction* a : actions())
        if (a->data().toInt() == id)
            return a;
    return nullptr;
}

}  // namespace vantrel
