#pragma once

namespace vantrel {

/// The state of the Caps, Num and Scroll Lock keys, for the status bar.
/// Read from the X server's keyboard indicators; on other platforms (and
/// without a display) the state is unknown.
class LockKeys {
public:
    struct State {
        bool known = false;
        bool caps = false;
        bool num = false;
        bool scroll = false;
    };
    static State current();
};

}  // namespace vantrel
