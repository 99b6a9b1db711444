#include "panes/coutputtoolbar.h"

#include "common/commandids.h"

#include <QAction>
#include <QStyle>

namespace vantrel {

COutPutToolBar::COutPutToolBar(QWidget* parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("OutputToolBar"));
    setMovable(false);
    setFloatable(false);
    const struct {
        int id;
        QStyle::StandardPixmap icon;
    } buttons[] = {
        {cmd::ID_OUTPUT_TOOL_1, QStyle::SP_FileDialogDetailedView},
        {cmd::ID_OUTPUT_TOOL_2, QStyle::SP_ArrowUp},
        {cmd::ID_OUTPUT_TOOL_3, QStyle::SP_ArrowDown},
        {cmd::ID_OUTPUT_TOOL_4, QStyle::SP_BrowserReload},
    };
    for (const auto& b : buttons) {
        QAction* a = addAction(style()->standardIcon(b.icon), QString());
        a->setData(b.id);
        a->setEnabled(false);
    }
}

}  // namespace vantrel
