#include "host/DialogPanels.h"

#include <algorithm>
#include <array>
#include <utility>

namespace host {

namespace {

constexpr std::string_view kFeaturesKind = "PrintFeaturesKind";

bool EndsWith(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

} // namespace

void DialogPanels::Add(platform::PrintDialogPlugin::PanelList panels)
{
    for (auto& panel : panels)
        if (panel) panels_.push_back({.panel = std::move(panel)});
}

void DialogPanels::Open()
{
    for (DialogPanel& p : panels_) {
        p.supportedKeys = p.panel->supportedPPDOptionKeys();
        p.panel->restoreValuesAndReturnError();
        p.view = p.panel->panelView();
        p.name = p.panel->panelName();
        p.kind = p.panel->panelKind();
    }
    std::stable_partition(panels_.begin(), panels_.end(),
                          [](const DialogPanel& p) { return !EndsWith(p.kind, kFeaturesKind); });
}

DialogPanel* DialogPanels::Find(std::string_view word)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kWords = {
        {{"features", kFeaturesKind}, {"printtype", "PrintTypeKind"}, {"accounting", "AccountKind"}}};
    for (const auto& [name, tail] : kWords) {
        if (word != name) continue;
        for (DialogPanel& p : panels_)
            if (EndsWith(p.kind, tail)) return &p;
        return nullptr;
    }
    for (DialogPanel& p : panels_)
        if (p.kind == word) return &p;
    return nullptr;
}

bool DialogPanels::Show(DialogPanel& panel)
{
    if (current_ == &panel) return true;
    if (current_ != nullptr) {
        if (!current_->panel->shouldHide()) return false;
        current_->panel->saveValuesAndReturnError();
    }
    current_ = &panel;
    panel.everShown = true;
    panel.panel->willShow();
    return true;
}

bool DialogPanels::Print()
{
    for (DialogPanel& p : panels_)
        if (!p.panel->shouldPrint()) return false;
    return true;
}

int DialogPanels::SaveShown()
{
    int first = 0;
    for (DialogPanel& p : panels_) {
        if (!p.everShown) continue;
        const int status = p.panel->saveValuesAndReturnError();
        if (first == 0) first = status;
    }
    return first;
}

int DialogPanels::RestoreAll()
{
    int first = 0;
    for (DialogPanel& p : panels_) {
        const int status = p.panel->restoreValuesAndReturnError();
        if (first == 0) first = status;
    }
    return first;
}

bool DialogPanels::Help() { return current_ != nullptr && current_->panel->shouldShowHelp(); }

void DialogPanels::ChoiceChanged(const std::string& option, const std::string& choice)
{
    for (DialogPanel& p : panels_) p.panel->PPDOptionKeyValueDidChange(option, choice);
}

void DialogPanels::Clear()
{
    current_ = nullptr;
    panels_.clear();
}

} // namespace host
