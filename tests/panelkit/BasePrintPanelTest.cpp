// BasePrintPanel and PopupWinInPanel: the lists and their indexes, finding
// controls through nested windows, ownership, the broadcast rules and the
// modal run of a child window.
#include <gtest/gtest.h>

#include "host/headless/ModalEventSource.h"
#include "panelkit/panel/PopupWinInPanel.h"
#include "tests/panelkit/TestControl.h"
#include "tests/support/TempDir.h"

namespace {

constexpr CtrlAccessInfo kFailingAccess{kCtrlValueTypeInteger, kCtrlValueTypeInteger, nullptr,
                                        "com.lumeral.vrk.printsettings.TestReference"};

// A control that counts its own destruction.
class CountedControl : public TestControl {
public:
    CountedControl(platform::ui::Widget* widget, int& destroyed)
        : TestControl(widget, nullptr), destroyed_(destroyed)
    {}
    ~CountedControl() override { ++destroyed_; }

private:
    int& destroyed_;
};

// A child window whose preference store answers a chosen status and counts the calls.
class StatusWindow : public PopupWinInPanel {
public:
    StatusWindow(std::unique_ptr<platform::ui::Window> window, int status)
        : PopupWinInPanel(std::move(window), "WinTitle"), status_(status)
    {}
    int SetValueToPreference() override
    {
        ++calls;
        return status_;
    }
    int calls = 0;

private:
    int status_;
};

class BasePrintPanelTest : public ::testing::Test {
protected:
    void SetUp() override { host.Attach(panel); }

    PopupWinInPanel* AddWindow(BasePrintPanel& parent, std::string titleKey = "WinTitle")
    {
        auto window = std::make_unique<PopupWinInPanel>(host.NewWindow(parent), std::move(titleKey));
        PopupWinInPanel* raw = window.get();
        parent.RunTimeAddNewWindow(std::move(window));
        return raw;
    }

    testing_support::PanelTestHost host;
    BasePrintPanel panel;
};

TEST_F(BasePrintPanelTest, ControlsAreFoundInEitherListAndThroughAWindowOfAWindow)
{
    PopupWinInPanel* child = AddWindow(panel);
    PopupWinInPanel* grandchild = AddWindow(*child);
    TestControl* own = AddTestControl(panel, 1, nullptr);
    TestControl* deep = AddTestControl(*grandchild, 3, nullptr);
    platform::ui::Widget* widget =
        testing_support::PanelTestHost::AddWidget(panel, platform::ui::WidgetKind::PopUp, 2);
    auto installable = std::make_unique<TestControl>(widget, nullptr);
    TestControl* installableOnly = installable.get();
    EXPECT_EQ(panel.RunTimeAddNewInstallableControl(std::move(installable)), 0);

    const int32_t ids[] = {1, 2, 3, 4};
    EXPECT_EQ(panel.GetPanelControl(&ids[0]), own);
    EXPECT_EQ(panel.GetPanelControl(&ids[1]), installableOnly);
    EXPECT_EQ(panel.GetPanelControl(&ids[2]), deep);
    EXPECT_EQ(panel.GetPanelControl(&ids[3]), nullptr);
    EXPECT_EQ(panel.GetPanelControl(nullptr), nullptr);
    EXPECT_EQ(child->GetPanelControl(&ids[0]), nullptr);
    EXPECT_EQ(deep->GetParentPanel(), grandchild);
    EXPECT_EQ(grandchild->GetParentWnd(), child);
    // A child window answers with its parent's printer and host services.
    EXPECT_EQ(grandchild->GetCurrentPrinterString(), "TestPrinter");
    EXPECT_EQ(grandchild->GetHostServices(), &host.Services());
    EXPECT_EQ(&grandchild->GetPreferenceStore(), &panel.GetPreferenceStore());
}

TEST_F(BasePrintPanelTest, RunTimeAddsAnswerIndexesAndEveryOwnedObjectIsReleasedOnce)
{
    int destroyed = 0;
    for (const bool terminateFirst : {true, false}) {
        destroyed = 0;
        {
            BasePrintPanel owner;
            host.Attach(owner);
            const auto make = [&](int tag) {
                return std::make_unique<CountedControl>(
                    testing_support::PanelTestHost::AddWidget(owner, platform::ui::WidgetKind::CheckBox, tag),
                    destroyed);
            };
            auto both = make(1);
            BaseControl* bothRaw = both.get();
            EXPECT_EQ(owner.RunTimeAddNewControl(std::move(both)), 0);
            EXPECT_EQ(owner.RunTimeAddNewControl(make(2)), 1);
            EXPECT_EQ(owner.RunTimeAddNewInstallableControl(bothRaw), 0);
            EXPECT_EQ(owner.RunTimeAddNewInstallableControl(make(3)), 1);
            // Only objects the panel owns can be listed by pointer.
            CountedControl stranger(nullptr, destroyed);
            EXPECT_EQ(owner.RunTimeAddNewControl(&stranger), -1);
            EXPECT_EQ(owner.RunTimeAddNewControl(nullptr), -1);
            EXPECT_EQ(
                owner.RunTimeAddNewWindow(std::make_unique<PopupWinInPanel>(host.NewWindow(owner), "A")), 0);
            EXPECT_EQ(
                owner.RunTimeAddNewWindow(std::make_unique<PopupWinInPanel>(host.NewWindow(owner), "B")), 1);
            EXPECT_EQ(owner.getCtrlGroupArrayRef().size(), 2u);
            EXPECT_EQ(owner.getInstallableCtrlGroupArrayRef().size(), 2u);
            if (terminateFirst) {
                owner.terminate();
                EXPECT_TRUE(owner.getCtrlGroupArrayRef().empty());
                // After terminate there is no list: a control given now is kept, not listed.
                EXPECT_EQ(owner.RunTimeAddNewControl(make(4)), -1);
                const int32_t listedID = 1;
                EXPECT_EQ(owner.GetPanelControl(&listedID), nullptr);
            }
            EXPECT_EQ(destroyed, 0);
        }
        // The stranger and every owned control, each once.
        EXPECT_EQ(destroyed, terminateFirst ? 5 : 4) << terminateFirst;
    }
}

TEST_F(BasePrintPanelTest, StoreStatusIsTheLastControlsOrTheFirstFailingWindows)
{
    const struct {
        std::vector<bool> controlsFail;
        int expected;
    } cases[] = {{{}, 0}, {{true}, 1}, {{true, false}, 0}, {{false, true}, 1}, {{true, true}, 1}};
    for (const auto& c : cases) {
        BasePrintPanel owner;
        host.Attach(owner);
        for (std::size_t i = 0; i < c.controlsFail.size(); ++i) {
            TestControl* control = AddTestControl(owner, static_cast<int32_t>(i + 1),
                                                  c.controlsFail[i] ? &kFailingAccess : nullptr);
            control->failConvert = true;
        }
        EXPECT_EQ(owner.SetValueToPreference(), c.expected) << c.controlsFail.size();
    }

    // With child windows the windows answer: the first non-zero one, and
    // the windows after it are not asked.
    TestControl* failing = AddTestControl(panel, 1, &kFailingAccess);
    failing->failConvert = true;
    auto quiet = std::make_unique<StatusWindow>(host.NewWindow(panel), 0);
    StatusWindow* first = quiet.get();
    panel.RunTimeAddNewWindow(std::move(quiet));
    EXPECT_EQ(panel.SetValueToPreference(), 0);
    auto loud = std::make_unique<StatusWindow>(host.NewWindow(panel), -9530);
    panel.RunTimeAddNewWindow(std::move(loud));
    auto last = std::make_unique<StatusWindow>(host.NewWindow(panel), 0);
    StatusWindow* after = last.get();
    panel.RunTimeAddNewWindow(std::move(last));
    EXPECT_EQ(panel.SetValueToPreference(), -9530);
    EXPECT_EQ(first->calls, 2);
    EXPECT_EQ(after->calls, 0);
}

// Plays the person at a modal window: notes the run and presses a button
// that ends it.
class EndingSource : public host::ModalEventSource {
public:
    EndingSource(PopupWinInPanel& window, std::vector<std::string>& log) : window_(window), log_(log) {}
    void RunModal(platform::ui::Window& window) override
    {
        log_.push_back("runModal " + window.title());
        window_.DeactivateWindow();
    }

private:
    PopupWinInPanel& window_;
    std::vector<std::string>& log_;
};

TEST_F(BasePrintPanelTest, ActivateWindowRefreshesItsControlsThenRunsItModally)
{
    testing_support::TempDir dir;
    dir.Write("Setup.plugin/Resources/en.lproj/Localizable.strings", "\"WinTitle\" = \"Setup\";\n");
    const std::optional<platform::Bundle> bundle = platform::Bundle::Open(dir.file("Setup.plugin"));
    ASSERT_TRUE(bundle);

    PopupWinInPanel* window = AddWindow(panel);
    PopupWinInPanel* untitled = AddWindow(panel, "MissingKey");
    std::vector<std::string> log;
    for (int32_t id : {1, 2}) AddTestControl(*window, id, nullptr)->log = &log;
    panel.InitializeUserPane(&*bundle, nullptr);
    EXPECT_EQ(window->GetWindow()->title(), "Setup");
    EXPECT_EQ(untitled->GetWindow()->title(), "no translation");

    EndingSource source(*window, log);
    host.Toolkit().SetEventSource(&source);
    window->ActivateWindow();
    EXPECT_EQ(log, (std::vector<std::string>{"ReInitializeCtrl 1", "ResetStatus 1", "ReInitializeCtrl 2",
                                             "ResetStatus 2", "SetUIValueToIniData 1",
                                             "SetUIValueToIniData 2", "SetControlValueToUI 1",
                                             "SetControlValueToUI 2", "SimulationUIEventHandler 1",
                                             "SimulationUIEventHandler 2", "runModal Setup"}));
    EXPECT_FALSE(window->GetWindow()->isOpen());
    EXPECT_EQ(host.Toolkit().ModalWindow(), nullptr);
    host.Toolkit().SetEventSource(nullptr);
}

} // namespace
