#include "charts/cvantreldoc.h"

#include "charts/cchildframe.h"
#include "common/commandids.h"
#include "common/commandrouter.h"

#include <QPointer>

namespace vantrel {

CVantrelDoc::CVantrelDoc(CChildFrame& window, CommandRouter& router) : QObject(&window), m_window(window)
{
    CommandMap* commands = window.commands(CommandRouter::Level::Document);
    QPointer<CommandRouter> road(&router);
    for (int id : {cmd::ID_FILE_OPEN, cmd::ID_FILE_SAVE}) {
        const auto frameEntry = [road, id]() -> const CommandMap::Entry* {
            const CommandMap* frame = road ? road->map(CommandRouter::Level::MainFrame) : nullptr;
            return frame ? frame->find(id) : nullptr;
        };
        commands->add(
            id,
            [frameEntry] {
                if (const CommandMap::Entry* e = frameEntry(); e && e->run && (!e->enabled || e->enabled()))
                    e->run();
            },
            [frameEntry] {
                const CommandMap::Entry* e = frameEntry();
                return e && (!e->enabled || e->enabled());
            });
    }
}

QString CVantrelDoc::title() const
{
    return m_window.documentTitle();
}

void CVantrelDoc::setTitle(const QString& title)
{
    m_window.setDocumentTitle(title);
}

}  // namespace vantrel
