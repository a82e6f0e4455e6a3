// The Job Accounting pane opened as the print dialog opens it: the built
// accountpanel bundle registered with a headless host, the plug-in asked for
// its panes with a project PPD, and the pane's first initialisation run.
// Modal windows take a person's actions from the steps a test queues.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "account/KACCOUNTPLUGIN.h"
#include "account/jba/KJOBACCOUNTINGPDE.h"
#include "host/headless/ModalEventSource.h"
#include "tests/support/PanelTestHost.h"

namespace jbatest {

std::string ProjectPPD(const std::string& name);

// Runs one queued step per modal run; a run with nothing queued returns at once.
class QueuedSteps : public host::ModalEventSource {
public:
    using Step = std::function<void(platform::ui::Window&)>;
    void Push(Step step) { steps_.push_back(std::move(step)); }
    void RunModal(platform::ui::Window& window) override;
    int RunAlert(const platform::ui::Alert& alert) override;
    const std::vector<std::string>& AlertKeys() const { return alertKeys_; }
    std::size_t Pending() const { return steps_.size(); }

private:
    std::deque<Step> steps_;
    std::vector<std::string> alertKeys_;
};

class JbaPaneHarness {
public:
    explicit JbaPaneHarness(const std::string& ppdName = "quorvel-kz63-color-mfp.ppd");

    KJOBACCOUNTINGPDE* Pane() const { return pane_; }
    // The panes the plug-in made, in order.
    const std::vector<std::unique_ptr<platform::PrintDialogPanel>>& Panes() const { return panes_; }
    testing_support::PanelTestHost& Host() { return host_; }
    QueuedSteps& Steps() { return steps_; }
    // The settings' value under the key (empty when none).
    std::string Setting(const std::string& key) const;

private:
    testing_support::PanelTestHost host_;
    QueuedSteps steps_;
    KACCOUNTPLUGIN plugin_;
    std::vector<std::unique_ptr<platform::PrintDialogPanel>> panes_;
    KJOBACCOUNTINGPDE* pane_ = nullptr;
};

// Acting on a window's outlet as a person would; false when refused or absent.
bool TypeInto(platform::ui::Window& window, const char* outlet, const std::string& text);
bool ClickOn(platform::ui::Window& window, const char* outlet);
bool ChooseIn(platform::ui::Window& window, const char* outlet, int index);

} // namespace jbatest
