#include "features/windows/FeaturesWindowMakers.h"

#include "features/windows/FeaturesSetupWindow.h"

// Not made yet: the tab and booklet margin windows.
std::unique_ptr<FeaturesSetupWindow> CreateMarginWindow(KPRINTFEATURESPDE& /*panel*/,
                                                        const char* /*outletName*/, const char* /*titleKey*/)
{
    return nullptr;
}
