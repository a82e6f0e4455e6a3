#include "features/windows/FeaturesWindowMakers.h"

#include <cstring>

#include "features/windows/PFSeparatorWnd.h"

std::unique_ptr<FeaturesSetupWindow> CreateCountWindow(KPRINTFEATURESPDE& panel, const char* outletName,
                                                       const char* titleKey)
{
    if (outletName == nullptr || titleKey == nullptr) return nullptr;
    if (std::strcmp(outletName, PFSeparatorWnd::kOutletName) != 0) return nullptr;
    std::unique_ptr<platform::ui::Window> window = FeaturesSetupWindow::LoadWindowOfOutlet(panel, outletName);
    if (window == nullptr) return nullptr;
    return std::make_unique<PFSeparatorWnd>(std::move(window), titleKey, &panel);
}
