// Polling for a condition that another process brings about.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace testing_support {

// True once done() holds; false when it still does not after limit.
inline bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

} // namespace testing_support
