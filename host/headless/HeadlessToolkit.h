// The widget toolkit without a screen: views, windows and widgets record what
// the extensions do to them, modal windows and alerts take a person's answers
// from an event source (a script, a test), and everything a person would have
// seen is kept in an ordered log for the host to report.
//
// Text is measured deterministically, so layouts that size a label to fit
// its text come out the same on every machine: 7 points per display unit, a
// display unit being 1 for an ASCII character and 2 for any other character
// (a byte that begins no valid UTF-8 character counts as one replacement
// character, 2), with no padding.
#pragma once

#include <memory>
#include <vector>

#include "host/headless/HeadlessSession.h"
#include "host/headless/ModalEventSource.h"
#include "host/headless/UiEvent.h"
#include "platform/HostServices.h"
#include "platform/ui/Toolkit.h"

namespace host {

class HeadlessToolkit : public platform::ui::Toolkit {
public:
    static constexpr double kPointsPerDisplayUnit = 7;

    // The services ring the beep of Beep(); null for none.
    explicit HeadlessToolkit(platform::HostServices* services = nullptr);

    // Where modal windows and alerts get a person's actions; null for none
    // (modal runs then return at once, alerts answer their first button).
    // Not owned: it must outlive every modal run it serves.
    void SetEventSource(ModalEventSource* source);

    // Every alert run, in order.
    const std::vector<platform::ui::Alert>& Alerts() const;
    // Windows opened and closed, alerts, focus and beeps, in order.
    const std::vector<UiEvent>& Events() const;
    // Logs a beep that sounded elsewhere (the host's services), so it lands
    // in the log between the events around it.
    void RecordBeep();
    // Logs a beep and rings it through the services.
    void Beep();
    // The innermost window whose modal run is going on and has not been
    // stopped; null when none. An event source acts while its window is this.
    platform::ui::Window* ModalWindow() const;

    std::unique_ptr<platform::ui::View> createView(const platform::ui::Rect& frame) override;
    std::unique_ptr<platform::ui::View> loadView(const platform::Bundle& bundle, std::string_view layoutName,
                                                 std::string_view table) override;
    std::unique_ptr<platform::ui::Window>
    createWindow(std::string_view title, const platform::ui::Rect& frame, platform::ui::View* owner) override;
    std::unique_ptr<platform::ui::Window> loadWindow(const platform::Bundle& bundle,
                                                     std::string_view layoutName, std::string_view table,
                                                     platform::ui::View* owner) override;
    // Records the alert and its log entry, then asks the event source; an
    // answer outside the buttons counts as the first button.
    int runAlert(const platform::ui::Alert& alert) override;
    double textWidth(std::string_view text) const override;

private:
    std::shared_ptr<HeadlessSession> session_;
};

} // namespace host
