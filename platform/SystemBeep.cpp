#include "platform/SystemBeep.h"

namespace platform {

namespace {

struct BeepState {
    int count = 0;
    std::function<void()> handler;
};

BeepState& State()
{
    static BeepState state;
    return state;
}

} // namespace

void SystemBeep::Beep()
{
    ++State().count;
    if (State().handler) State().handler();
}

int SystemBeep::Count() { return State().count; }

void SystemBeep::Reset() { State().count = 0; }

void SystemBeep::SetHandler(std::function<void()> handler) { State().handler = std::move(handler); }

} // namespace platform
