#include "features/windows/FeaturesWindowMakers.h"

#include <cstring>

#include "features/windows/PFBookletMarginWnd.h"
#include "features/windows/PFTabMarginWnd.h"

std::unique_ptr<FeaturesSetupWindow> CreateMarginWindow(KPRINTFEATURESPDE& panel, const char* outletName,
                                                        const char* titleKey)
{
    if (outletName == nullptr || titleKey == nullptr) return nullptr;
    const bool tab = std::strcmp(outletName, PFTabMarginWnd::kOutletName) == 0;
    if (!tab && std::strcmp(outletName, PFBookletMarginWnd::kOutletName) != 0) return nullptr;
    std::unique_ptr<platform::ui::Window> window = FeaturesSetupWindow::LoadWindowOfOutlet(panel, outletName);
    if (window == nullptr) return nullptr;
    if (tab) return std::make_unique<PFTabMarginWnd>(std::move(window), titleKey, &panel);
    return std::make_unique<PFBookletMarginWnd>(std::move(window), titleKey, &panel);
}
