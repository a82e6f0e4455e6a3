#include "features/FeatureWindows.h"

#include "features/KPRINTFEATURESPDE.h"
#include "features/windows/FeaturesSetupWindow.h"
#include "features/windows/FeaturesWindowMakers.h"

std::unique_ptr<FeaturesSetupWindow> CreateFeaturesWindow(KPRINTFEATURESPDE& panel, const char* outletName,
                                                          const char* titleKey)
{
    if (std::unique_ptr<FeaturesSetupWindow> window = CreateMarginWindow(panel, outletName, titleKey))
        return window;
    return CreateCountWindow(panel, outletName, titleKey);
}
