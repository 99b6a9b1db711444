#include "common/commandtexts.h"

#include "common/commanddescriptor.h"

namespace vantrel {

QString CommandTexts::text(int id)
{
    const CommandDescriptor* d = findCommand(id);
    return d && d->texts ? tr(d->texts) : QString();
}

QString CommandTexts::prompt(int id)
{
    const QString t = text(id);
    const qsizetype nl = t.indexOf(QLatin1Char('\n'));
    return nl < 0 ? t : t.left(nl);
}

QString CommandTexts::toolTip(int id)
{
    const QString t = text(id);
    const qsizetype nl = t.indexOf(QLatin1Char('\n'));
    return nl < 0 ? QString() : t.mid(nl + 1);
}

}  // namespace vantrel
