#include "host/headless/LayoutWidgets.h"

#include <utility>

#include "host/headless/HeadlessSession.h"

namespace host {

std::optional<platform::ui::Layout> ReadLayoutOrRecord(const platform::Bundle& bundle,
                                                       std::string_view layoutName, HeadlessSession& log,
                                                       std::ostream* say)
{
    std::string error;
    std::optional<platform::ui::Layout> layout = platform::ui::ReadLayout(bundle, layoutName, &error);
    if (layout) return layout;
    if (say != nullptr) *say << LayoutRefusedMessage(layoutName, error);
    log.RecordLayoutRefused(layoutName, std::move(error));
    return layout;
}

std::string LayoutWindowTitle(const platform::ui::Layout& layout, const platform::Bundle& bundle,
                              std::string_view table)
{
    return layout.titleKey.empty() ? std::string() : bundle.LocalizedString(layout.titleKey, "", table);
}

void AddLayoutWidgets(platform::ui::View& view, const platform::ui::Layout& layout,
                      const platform::Bundle& bundle, std::string_view table)
{
    for (const platform::ui::LayoutOutlet& outlet : layout.outlets) {
        platform::ui::Widget* widget = view.addWidget(outlet.kind, outlet.frame, outlet.name);
        widget->setTag(outlet.tag);
        if (!outlet.titleKey.empty()) {
            const std::string title = bundle.LocalizedString(outlet.titleKey, "", table);
            widget->setTitle(title);
            widget->setTitleKey(outlet.titleKey);
            // A label's text is its string value.
            if (outlet.kind == platform::ui::WidgetKind::StaticText) widget->setStringValue(title);
        }
        for (const std::string& key : outlet.itemKeys)
            widget->addItem(bundle.LocalizedString(key, "", table), key);
        // A layout without a range leaves the stepper's own (0 to 59).
        if (outlet.minValue != 0 || outlet.maxValue != 0) {
            widget->setMinValue(outlet.minValue);
            widget->setMaxValue(outlet.maxValue);
        }
        widget->setEnabled(outlet.enabled);
        widget->setHidden(outlet.hidden);
    }
}

} // namespace host
