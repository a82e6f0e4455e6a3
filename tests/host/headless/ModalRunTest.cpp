#include "host/headless/HeadlessWindow.h"

#include <functional>

#include <gtest/gtest.h>

#include "host/headless/HeadlessToolkit.h"
#include "host/headless/PersonActions.h"
#include "platform/RecordingHostServices.h"

namespace host {
namespace {

using platform::ui::Widget;
using platform::ui::WidgetKind;
using platform::ui::Window;

// An event source that runs the test's own steps for each modal window.
class StepsSource : public ModalEventSource {
public:
    void RunModal(Window& window) override
    {
        ++runs;
        if (onModal) onModal(window);
    }
    int RunAlert(const platform::ui::Alert&) override { return alertAnswer; }

    std::function<void(Window&)> onModal;
    int alertAnswer = 0;
    int runs = 0;
};

TEST(ModalRunTest, RunReturnsWhenTheSourceStopsItOrHasNothingLeft)
{
    HeadlessToolkit toolkit;
    auto panel = toolkit.createView({});
    auto window = toolkit.createWindow("Margin", {0, 0, 200, 100}, panel.get());
    Widget* ok = window->contentView().addWidget(WidgetKind::PushButton, {});
    ok->setAction([&] {
        window->stopModal();
        window->close();
    });

    // Nobody to act: the run returns at once and the window stays open.
    window->runModal();
    EXPECT_TRUE(window->isOpen());
    EXPECT_EQ(toolkit.ModalWindow(), nullptr);

    StepsSource source;
    toolkit.SetEventSource(&source);
    // A source with nothing to do returns; so does the run.
    window->runModal();
    EXPECT_EQ(source.runs, 1);
    EXPECT_TRUE(window->isOpen());

    Window* modalWhileRunning = nullptr;
    Window* modalAfterOk = window.get();
    source.onModal = [&](Window& running) {
        modalWhileRunning = toolkit.ModalWindow();
        EXPECT_EQ(Click(*running.contentView().widgets().front()), ActionOutcome::Done);
        modalAfterOk = toolkit.ModalWindow();
    };
    window->runModal();
    EXPECT_EQ(modalWhileRunning, window.get());
    EXPECT_EQ(modalAfterOk, nullptr);
    EXPECT_FALSE(window->isOpen());
    EXPECT_EQ(toolkit.Events(), (std::vector<UiEvent>{{.event = "window-opened", .title = "Margin"},
                                                      {.event = "window-closed", .title = "Margin"}}));
}

TEST(ModalRunTest, NestedWindowsRunInsideEachOther)
{
    HeadlessToolkit toolkit;
    StepsSource source;
    toolkit.SetEventSource(&source);
    auto panel = toolkit.createView({});
    auto outer = toolkit.createWindow("Outer", {}, panel.get());
    auto inner = toolkit.createWindow("Inner", {}, &outer->contentView());
    std::vector<std::string> order;
    source.onModal = [&](Window& window) {
        order.push_back(window.title() + " " + toolkit.ModalWindow()->title());
        if (&window == outer.get()) inner->runModal();
        window.stopModal();
    };
    outer->runModal();
    EXPECT_EQ(order, (std::vector<std::string>{"Outer Outer", "Inner Inner"}));
    EXPECT_EQ(outer->contentView().windows(), (std::vector<Window*>{inner.get()}));
    EXPECT_EQ(toolkit.ModalWindow(), nullptr);
}

TEST(ModalRunTest, ViewsListTheirWindowsWhileTheyExist)
{
    auto toolkit = std::make_unique<HeadlessToolkit>();
    auto panel = toolkit->createView({});
    auto first = toolkit->createWindow("First", {}, panel.get());
    auto second = toolkit->createWindow("Second", {}, panel.get());
    auto third = toolkit->createWindow("Third", {}, panel.get());
    second->runModal();
    second.reset(); // an open window is closed as it goes
    EXPECT_EQ(panel->windows(), (std::vector<Window*>{first.get(), third.get()}));
    EXPECT_EQ(toolkit->Events().back(), (UiEvent{.event = "window-closed", .title = "Second"}));

    // The view and the toolkit may go first: the windows forget the view and
    // still run.
    panel.reset();
    toolkit.reset();
    EXPECT_EQ(static_cast<HeadlessWindow&>(*first).Owner(), nullptr);
    first->runModal();
    EXPECT_TRUE(first->isOpen());
}

TEST(ModalRunTest, AlertsAndBeepsAreRecordedInOrder)
{
    platform::RecordingHostServices services;
    HeadlessToolkit toolkit(&services);
    platform::ui::Alert alert;
    alert.informativeKey = "Message22k";
    alert.informativeText = "Enter 1 to 999.";
    alert.buttonTitles = {"OK", "Cancel"};

    EXPECT_EQ(toolkit.runAlert(alert), 0); // no source: the first button
    StepsSource source;
    toolkit.SetEventSource(&source);
    source.alertAnswer = 1;
    toolkit.Beep();
    EXPECT_EQ(toolkit.runAlert(alert), 1);
    source.alertAnswer = 2; // no third button
    toolkit.RecordBeep();
    EXPECT_EQ(toolkit.runAlert(alert), 0);

    ASSERT_EQ(toolkit.Alerts().size(), 3u);
    EXPECT_EQ(toolkit.Alerts()[2].buttonTitles, alert.buttonTitles);
    const UiEvent shown{.event = "alert", .key = "Message22k", .text = "Enter 1 to 999."};
    const UiEvent beep{.event = "beep"};
    EXPECT_EQ(toolkit.Events(), (std::vector<UiEvent>{shown, beep, shown, beep, shown}));
    EXPECT_EQ(services.BeepCount(), 1); // only Beep() rings the services
}

} // namespace
} // namespace host
