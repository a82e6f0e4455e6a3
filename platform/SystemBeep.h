// The system beep (NSBeep). The headless widget model records each beep so a
// host can sound it and a test can see it; a host may also install a sound.
#pragma once

#include <functional>

namespace platform {

class SystemBeep {
public:
    static void Beep();
    // Number of beeps since the process started (or the last Reset).
    static int Count();
    static void Reset();
    // Called on every beep, after it is counted; empty for none.
    static void SetHandler(std::function<void()> handler);
};

} // namespace platform
