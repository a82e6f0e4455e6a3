#include "features/windows/FeaturesWindowMakers.h"

#include "features/windows/FeaturesSetupWindow.h"

// Not made yet: the separator, number-in-sequence and offset windows.
std::unique_ptr<FeaturesSetupWindow> CreateCountWindow(KPRINTFEATURESPDE& /*panel*/,
                                                       const char* /*outletName*/, const char* /*titleKey*/)
{
    return nullptr;
}
