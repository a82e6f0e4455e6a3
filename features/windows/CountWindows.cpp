#include "features/windows/FeaturesWindowMakers.h"

#include <string_view>

#include "features/windows/PFNumInSequenceWnd.h"
#include "features/windows/PFOffsetStackingPagesWnd.h"
#include "features/windows/PFOffsetStackingUnitsWnd.h"
#include "features/windows/PFSeparatorWnd.h"

namespace {

template <typename Window>
std::unique_ptr<FeaturesSetupWindow> MakeWindow(KPRINTFEATURESPDE& panel, const char* titleKey)
{
    std::unique_ptr<platform::ui::Window> window =
        FeaturesSetupWindow::LoadWindowOfOutlet(panel, Window::kOutletName);
    if (window == nullptr) return nullptr;
    return std::make_unique<Window>(std::move(window), titleKey, &panel);
}

} // namespace

std::unique_ptr<FeaturesSetupWindow> CreateCountWindow(KPRINTFEATURESPDE& panel, const char* outletName,
                                                       const char* titleKey)
{
    if (outletName == nullptr || titleKey == nullptr) return nullptr;
    const std::string_view outlet = outletName;
    if (outlet == PFSeparatorWnd::kOutletName) return MakeWindow<PFSeparatorWnd>(panel, titleKey);
    if (outlet == PFNumInSequenceWnd::kOutletName) return MakeWindow<PFNumInSequenceWnd>(panel, titleKey);
    if (outlet == PFOffsetStackingPagesWnd::kOutletName)
        return MakeWindow<PFOffsetStackingPagesWnd>(panel, titleKey);
    if (outlet == PFOffsetStackingUnitsWnd::kOutletName)
        return MakeWindow<PFOffsetStackingUnitsWnd>(panel, titleKey);
    return nullptr;
}
