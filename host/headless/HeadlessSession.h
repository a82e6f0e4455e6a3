// What the headless toolkit, its views and its windows share: the event log,
// the alerts shown, the event source and the modal runs in progress. Views
// and windows hold it jointly with the toolkit, so whichever of them goes
// first (a bundle's panels may outlive the host's toolkit object, or the
// other way round) the others still log into something alive.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "host/headless/ModalEventSource.h"
#include "host/headless/UiEvent.h"
#include "platform/HostServices.h"
#include "platform/ui/Alert.h"

namespace host {

class HeadlessWindow;

// What printdialog says on standard error about a layout it could not use.
inline std::string LayoutRefusedMessage(std::string_view layoutName, std::string_view reason)
{
    return "printdialog: the layout \"" + std::string(layoutName) + "\" cannot be used (" +
           std::string(reason) + "); what it lays out is not shown\n";
}

class HeadlessSession {
public:
    explicit HeadlessSession(platform::HostServices* services) : services_(services) {}

    void Record(UiEvent event) { events_.push_back(std::move(event)); }
    const std::vector<UiEvent>& Events() const { return events_; }
    void RecordAlert(const platform::ui::Alert& alert) { alerts_.push_back(alert); }
    // The extension carries on without a view or window whose layout could
    // not be used; the log says which layout and why, so a damaged bundle is
    // seen.
    void RecordLayoutRefused(std::string_view layoutName, std::string reason)
    {
        Record({.event = "layout-refused", .title = std::string(layoutName), .text = std::move(reason)});
    }
    const std::vector<platform::ui::Alert>& Alerts() const { return alerts_; }

    ModalEventSource* EventSource() const { return source_; }
    void SetEventSource(ModalEventSource* source) { source_ = source; }
    platform::HostServices* Services() const { return services_; }

    // Modal runs nest (a window opens another); the innermost is last.
    void EnterModal(HeadlessWindow* window) { modal_.push_back(window); }
    void LeaveModal(HeadlessWindow* window) { std::erase(modal_, window); }
    const std::vector<HeadlessWindow*>& ModalRuns() const { return modal_; }

private:
    platform::HostServices* services_;
    ModalEventSource* source_ = nullptr;
    std::vector<UiEvent> events_;
    std::vector<platform::ui::Alert> alerts_;
    std::vector<HeadlessWindow*> modal_;
};

} // namespace host
