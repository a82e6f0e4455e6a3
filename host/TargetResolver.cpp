#include "host/TargetResolver.h"

#include "platform/ui/WidgetOwner.h"

namespace host {

namespace {

bool Matches(const platform::ui::Widget& widget, const Target& target)
{
    const platform::ui::WidgetOwner* owner = widget.owner();
    switch (target.kind) {
    case Target::Kind::Tag: return widget.tag() == target.tag;
    case Target::Kind::TitleKey: return widget.titleKey() == target.text;
    case Target::Kind::Keyword: return owner != nullptr && owner->ControlPPDKeyword() == target.text;
    case Target::Kind::Class: return owner != nullptr && owner->ControlClassName() == target.text;
    }
    return false;
}

} // namespace

std::string DescribeTarget(const Target& target)
{
    switch (target.kind) {
    case Target::Kind::Tag: return "tag " + std::to_string(target.tag);
    case Target::Kind::Keyword: return "PPD keyword " + target.text;
    case Target::Kind::TitleKey: return "title key \"" + target.text + "\"";
    case Target::Kind::Class:
        return "@" + target.text + (target.index > 1 ? "#" + std::to_string(target.index) : std::string());
    }
    return {};
}

platform::ui::Widget* ResolveTarget(const platform::ui::View& view, const Target& target, std::string& error)
{
    int seen = 0;
    for (platform::ui::Widget* widget : view.widgets()) {
        if (!Matches(*widget, target)) continue;
        if (target.kind != Target::Kind::Class || ++seen == target.index) return widget;
    }
    error = "no control with " + DescribeTarget(target);
    return nullptr;
}

std::optional<int> ResolveMenuItem(const platform::ui::Widget& popUp, const MenuItemRef& item,
                                   ppd_file_t* ppd, std::string& error)
{
    const int count = popUp.numberOfItems();
    if (item.kind == MenuItemRef::Kind::Position) {
        if (item.position <= count) return item.position - 1;
        error = "no item #" + std::to_string(item.position) + " (the menu has " + std::to_string(count) + ")";
        return std::nullopt;
    }
    for (int i = 0; i < count; ++i)
        if (popUp.itemAtIndex(i).representedObject == item.text) return i;
    if (item.kind == MenuItemRef::Kind::Keyword && ppd != nullptr && popUp.owner() != nullptr) {
        const std::optional<std::string> keyword = popUp.owner()->ControlPPDKeyword();
        ppd_option_t* option = keyword ? ppdFindOption(ppd, keyword->c_str()) : nullptr;
        const ppd_choice_t* choice = option != nullptr ? ppdFindChoice(option, item.text.c_str()) : nullptr;
        for (int i = 0; choice != nullptr && i < count; ++i)
            if (popUp.itemAtIndex(i).title == choice->text) return i;
    }
    error = "no item " + (item.kind == MenuItemRef::Kind::Key ? "\"" + item.text + "\"" : item.text);
    return std::nullopt;
}

} // namespace host
