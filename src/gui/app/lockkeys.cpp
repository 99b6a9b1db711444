#include "app/lockkeys.h"

#include <QGuiApplication>

#include <dlfcn.h>

namespace vantrel {

namespace {

// XkbGetIndicatorState from libX11, looked up at run time so the program needs
// no X11 development files and runs without X as well.
using GetIndicatorState = int (*)(void* display, unsigned int deviceSpec, unsigned int* state);

GetIndicatorState indicatorFunction()
{
    static GetIndicatorState fn = [] {
        void* lib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
        return lib ? reinterpret_cast<GetIndicatorState>(dlsym(lib, "XkbGetIndicatorState")) : nullptr;
    }();
    return fn;
}

}  // namespace

LockKeys::State LockKeys::current()
{
    State state;
#if QT_CONFIG(xcb)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return state;
    GetIndicatorState fn = indicatorFunction();
    unsigned int bits = 0;
    constexpr unsigned int kUseCoreKeyboard = 0x0100;
    if (!fn || fn(x11->display(), kUseCoreKeyboard, &bits) != 0)
        return state;
    // The usual indicator order of X keyboard maps: Caps, Num, Scroll.
    state.known = true;
    state.caps = bits & 1u;
    state.num = bits & 2u;
    state.scroll = bits & 4u;
#endif
    return state;
}

}  // namespace vantrel
