// BasePrintPanel and PopupWinInPanel: lists and indexes, controls found
// through nested windows, ownership, the store status and the modal run.
#include <gtest/gtest.h>

#include "host/headless/ModalEventSource.h"
#include "panelkit/panel/PopupWinInPanel.h"
#include "tests/panelkit/TestControl.h"
#include "tests/support/TempDir.h"

namespace {

constexpr CtrlAccessInfo kStored{0, 0, nullptr, "com.lumeral.vrk.printsettings.TestReference"};

class CountedControl : public TestControl {
public:
    CountedControl(platform::ui::Widget* widget, int& destroyed)
        : TestControl(widget, nullptr), destroyed_(destroyed)
    {}
    ~CountedControl() override { ++destroyed_; }
    int& destroyed_;
};

class StatusWindow : public PopupWinInPanel {
public:
    StatusWindow(std::unique_ptr<platform::ui::Window> window, int status)
        : PopupWinInPanel(std::move(window), "WinTitle"), status(status)
    {}
    int SetValueToPreference() override { return ++calls, status; }
    int status;
    int calls = 0;
};

class BasePrintPanelTest : public ::testing::Test {
protected:
    void SetUp() override { host.Attach(panel); }
    template <typename Window = PopupWinInPanel, typename... Args>
    Window* AddWindow(BasePrintPanel& parent, Args&&... args)
    {
        auto window = std::make_unique<Window>(host.NewWindow(parent), std::forward<Args>(args)...);
        Window* raw = window.get();
        parent.RunTimeAddNewWindow(std::move(window));
        return raw;
    }
    testing_support::PanelTestHost host;
    BasePrintPanel panel;
};

TEST_F(BasePrintPanelTest, ControlsAreFoundInEitherListAndThroughAWindowOfAWindow)
{
    PopupWinInPanel* grandchild = AddWindow(*AddWindow(panel, "A"), "B");
    TestControl* own = AddTestControl(panel, 1, nullptr);
    TestControl* deep = AddTestControl(*grandchild, 3, nullptr);
    auto installable = std::make_unique<TestControl>(
        testing_support::PanelTestHost::AddWidget(panel, platform::ui::WidgetKind::PopUp, 2), nullptr);
    TestControl* installableOnly = installable.get();
    EXPECT_EQ(panel.RunTimeAddNewInstallableControl(std::move(installable)), 0);
    const int32_t ids[] = {1, 2, 3, 4};
    EXPECT_EQ(panel.GetPanelControl(&ids[0]), own);
    EXPECT_EQ(panel.GetPanelControl(&ids[1]), installableOnly);
    EXPECT_EQ(panel.GetPanelControl(&ids[2]), deep);
    EXPECT_EQ(panel.GetPanelControl(&ids[3]), nullptr);
    EXPECT_EQ(grandchild->GetCurrentPrinterString(), "TestPrinter");
    EXPECT_EQ(grandchild->GetHostServices(), &host.Services());
}

TEST_F(BasePrintPanelTest, AddsAnswerIndexesAndEveryOwnedControlIsReleasedOnce)
{
    for (const bool terminateFirst : {true, false}) {
        int destroyed = 0;
        {
            BasePrintPanel owner;
            host.Attach(owner);
            const auto make = [&](int tag) {
                return std::make_unique<CountedControl>(
                    testing_support::PanelTestHost::AddWidget(owner, platform::ui::WidgetKind::CheckBox, tag),
                    destroyed);
            };
            auto both = make(1);
            BaseControl* inBoth = both.get();
            EXPECT_EQ(owner.RunTimeAddNewControl(std::move(both)), 0);
            EXPECT_EQ(owner.RunTimeAddNewControl(make(2)), 1);
            EXPECT_EQ(owner.RunTimeAddNewInstallableControl(inBoth), 0);
            EXPECT_EQ(owner.RunTimeAddNewInstallableControl(make(3)), 1); // installable only
            CountedControl stranger(nullptr, destroyed);
            EXPECT_EQ(owner.RunTimeAddNewControl(&stranger), -1);
            EXPECT_EQ(AddWindow(owner, "A")->GetParentWnd(), &owner);
            if (terminateFirst) {
                owner.terminate();
                EXPECT_EQ(owner.RunTimeAddNewControl(make(4)), -1); // kept, not listed
            }
            EXPECT_EQ(destroyed, 0);
        }
        EXPECT_EQ(destroyed, terminateFirst ? 5 : 4);
    }
}

TEST_F(BasePrintPanelTest, StoreStatusIsTheLastControlsOrTheFirstFailingWindows)
{
    const std::pair<std::vector<bool>, int> cases[] = {
        {{}, 0}, {{true}, 1}, {{true, false}, 0}, {{false, true}, 1}, {{true, true}, 1}};
    for (const auto& [fails, expected] : cases) {
        BasePrintPanel owner;
        host.Attach(owner);
        for (std::size_t i = 0; i < fails.size(); ++i)
            AddTestControl(owner, static_cast<int32_t>(i + 1), fails[i] ? &kStored : nullptr)->failConvert =
                true;
        EXPECT_EQ(owner.SetValueToPreference(), expected) << fails.size();
    }
    AddTestControl(panel, 1, &kStored)->failConvert = true;
    StatusWindow* first = AddWindow<StatusWindow>(panel, 0);
    EXPECT_EQ(panel.SetValueToPreference(), 0);
    AddWindow<StatusWindow>(panel, -9530);
    StatusWindow* after = AddWindow<StatusWindow>(panel, 0);
    EXPECT_EQ(panel.SetValueToPreference(), -9530);
    EXPECT_EQ(first->calls, 2);
    EXPECT_EQ(after->calls, 0);
}

// The person at a modal window: notes the run and ends it.
class EndingSource : public host::ModalEventSource {
public:
    EndingSource(PopupWinInPanel& window, std::vector<std::string>& log) : window_(window), log_(log) {}
    void RunModal(platform::ui::Window& window) override
    {
        log_.push_back("runModal " + window.title());
        window_.DeactivateWindow();
    }
    PopupWinInPanel& window_;
    std::vector<std::string>& log_;
};

TEST_F(BasePrintPanelTest, ActivateWindowRefreshesItsControlsThenRunsItModally)
{
    testing_support::TempDir dir;
    dir.Write("S.plugin/Resources/en.lproj/Localizable.strings", "\"WinTitle\" = \"Setup\";\n");
    const std::optional<platform::Bundle> bundle = platform::Bundle::Open(dir.file("S.plugin"));
    PopupWinInPanel* window = AddWindow(panel, "WinTitle");
    PopupWinInPanel* untitled = AddWindow(panel, "MissingKey");
    std::vector<std::string> log;
    for (int32_t id : {1, 2}) AddTestControl(*window, id, nullptr)->log = &log;
    panel.InitializeUserPane(&*bundle, nullptr);
    EXPECT_EQ(untitled->GetWindow()->title(), "no translation");

    EndingSource source(*window, log);
    host.Toolkit().SetEventSource(&source);
    window->ActivateWindow();
    host.Toolkit().SetEventSource(nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"ReInitializeCtrl 1", "ReInitializeCtrl 2",
                                             "SetUIValueToIniData 1", "SetUIValueToIniData 2",
                                             "SetControlValueToUI 1", "SetControlValueToUI 2", "Simulation 1",
                                             "Simulation 2", "runModal Setup"}));
    EXPECT_FALSE(window->GetWindow()->isOpen());
}

} // namespace
