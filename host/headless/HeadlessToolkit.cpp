#include "host/headless/HeadlessToolkit.h"

#include "host/headless/HeadlessView.h"
#include "host/headless/HeadlessWindow.h"
#include "host/headless/LayoutWidgets.h"
#include "platform/TextEncoding.h"
#include "platform/ui/Layout.h"

namespace host {

HeadlessToolkit::HeadlessToolkit(platform::HostServices* services)
    : session_(std::make_shared<HeadlessSession>(services))
{}

void HeadlessToolkit::SetEventSource(ModalEventSource* source) { session_->SetEventSource(source); }

const std::vector<platform::ui::Alert>& HeadlessToolkit::Alerts() const { return session_->Alerts(); }

const std::vector<UiEvent>& HeadlessToolkit::Events() const { return session_->Events(); }

void HeadlessToolkit::RecordBeep() { session_->Record({.event = "beep"}); }

void HeadlessToolkit::Beep()
{
    RecordBeep();
    if (platform::HostServices* services = session_->Services()) services->Beep();
}

platform::ui::Window* HeadlessToolkit::ModalWindow() const
{
    const std::vector<HeadlessWindow*>& runs = session_->ModalRuns();
    for (auto it = runs.rbegin(); it != runs.rend(); ++it)
        if ((*it)->isModal()) return *it;
    return nullptr;
}

std::unique_ptr<platform::ui::View> HeadlessToolkit::createView(const platform::ui::Rect& frame)
{
    return std::make_unique<HeadlessView>(session_, frame);
}

std::unique_ptr<platform::ui::View>
HeadlessToolkit::loadView(const platform::Bundle& bundle, std::string_view layoutName, std::string_view table)
{
    const std::optional<platform::ui::Layout> layout = ReadLayoutOrRecord(bundle, layoutName, *session_);
    if (!layout) return nullptr;
    auto view = std::make_unique<HeadlessView>(session_, layout->frame);
    AddLayoutWidgets(*view, *layout, bundle, table);
    return view;
}

std::unique_ptr<platform::ui::Window> HeadlessToolkit::createWindow(std::string_view title,
                                                                    const platform::ui::Rect& frame,
                                                                    platform::ui::View* owner)
{
    // A view of another toolkit cannot list a headless window.
    return std::make_unique<HeadlessWindow>(session_, title, frame, dynamic_cast<HeadlessView*>(owner));
}

std::unique_ptr<platform::ui::Window> HeadlessToolkit::loadWindow(const platform::Bundle& bundle,
                                                                  std::string_view layoutName,
                                                                  std::string_view table,
                                                                  platform::ui::View* owner)
{
    const std::optional<platform::ui::Layout> layout = ReadLayoutOrRecord(bundle, layoutName, *session_);
    if (!layout) return nullptr;
    const std::string title = LayoutWindowTitle(*layout, bundle, table);
    auto window =
        std::make_unique<HeadlessWindow>(session_, title, layout->frame, dynamic_cast<HeadlessView*>(owner));
    AddLayoutWidgets(window->contentView(), *layout, bundle, table);
    return window;
}

int HeadlessToolkit::runAlert(const platform::ui::Alert& alert)
{
    session_->RecordAlert(alert);
    session_->Record({.event = "alert", .key = alert.informativeKey, .text = alert.informativeText});
    ModalEventSource* source = session_->EventSource();
    const int answer = source != nullptr ? source->RunAlert(alert) : platform::ui::kAlertFirstButtonReturn;
    const int buttons = static_cast<int>(alert.buttonTitles.size());
    return answer >= 0 && answer < buttons ? answer : platform::ui::kAlertFirstButtonReturn;
}

double HeadlessToolkit::textWidth(std::string_view text) const
{
    int units = 0;
    for (size_t pos = 0; pos < text.size();) {
        const std::optional<char32_t> character = platform::DecodeUtf8Char(text, pos);
        if (!character) ++pos;
        units += character && *character < 0x80 ? 1 : 2;
    }
    return units * kPointsPerDisplayUnit;
}

} // namespace host
