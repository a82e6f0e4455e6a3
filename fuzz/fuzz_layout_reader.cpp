// The layout-resource reader on arbitrary property-list bytes (XML or
// binary): a layout read is one a panel can be built from, a refusal has a
// reason.
#include "FuzzSupport.h"

#include "platform/TextEncoding.h"
#include "platform/ui/Layout.h"

#include <cmath>
#include <set>
#include <string>

namespace {

void CheckFrame(const platform::ui::Rect& frame)
{
    for (const double value : {frame.x, frame.y, frame.width, frame.height})
        FUZZ_CHECK(std::isfinite(value) && std::fabs(value) <= 100000);
    FUZZ_CHECK(frame.width >= 0 && frame.height >= 0);
}

void CheckText(const std::string& text)
{
    FUZZ_CHECK(text.size() <= 1024 && text.find('\0') == std::string::npos && platform::IsValidUtf8(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string error;
    const std::optional<platform::ui::Layout> layout = platform::ui::ParseLayout(bytes, &error);
    if (!layout) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    CheckFrame(layout->frame);
    CheckText(layout->titleKey);
    FUZZ_CHECK(layout->outlets.size() <= 1000);
    std::set<std::string> names;
    for (const platform::ui::LayoutOutlet& outlet : layout->outlets) {
        FUZZ_CHECK(!outlet.name.empty() && names.insert(outlet.name).second);
        CheckText(outlet.name);
        CheckText(outlet.titleKey);
        CheckFrame(outlet.frame);
        FUZZ_CHECK(outlet.minValue <= outlet.maxValue);
        FUZZ_CHECK(outlet.itemKeys.size() <= 1000);
        if (!outlet.itemKeys.empty()) FUZZ_CHECK(outlet.kind == platform::ui::WidgetKind::PopUp);
        for (const std::string& key : outlet.itemKeys) CheckText(key);
    }
    return 0;
}
