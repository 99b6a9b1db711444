#pragma once

// The plotting library's header uses Qt's keyword macros, which this program
// switches off (QT_NO_KEYWORDS); they are lent to it for its own text only.
#ifdef QT_NO_KEYWORDS
#define signals Q_SIGNALS
#define slots Q_SLOTS
#define emit Q_EMIT
#define foreach Q_FOREACH
#include <qcustomplot.h>
#undef signals
#undef slots
#undef emit
#undef foreach
#else
#include <qcustomplot.h>
#endif
