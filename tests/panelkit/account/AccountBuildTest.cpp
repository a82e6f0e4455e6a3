// The Account extension's build of the framework (panelkit_account): no
// control can have its value replaced by the empty text in the ticket.
#include <gtest/gtest.h>

#include <cstring>

#include "panelkit/control/BaseControl.h"

static_assert(QV_PANELKIT_FEATURES == 0, "this test links the Account build");

namespace {

constexpr const char* kTicketKey = "com.lumeral.vrk.printsettings.AccountTestTicket";
constexpr CtrlAccessInfo kAccess{kCtrlValueTypeText, kCtrlValueTypeText, kTicketKey, nullptr};

// A control that would ask for the empty text in the Features build.
class NullAskingControl : public BaseControl {
public:
    NullAskingControl() { ctrlDataAccessInfoPtr = &kAccess; }
    std::string_view ControlClassName() const override { return "NullAskingControl"; }
    bool ConvertToTickectData(std::span<char> buffer) override
    {
        std::memcpy(buffer.data(), "a,b", 3);
        return true;
    }
    bool IsOutputNullToTicket() { return true; } // hides nothing here: no ticket write asks it
};

TEST(AccountBuildTest, TicketWritesKeepTheValue)
{
    NullAskingControl control;
    platform::PrintSettings settings;
    std::string value;
    ASSERT_TRUE(control.SetValueToTicket(&settings, false));
    ASSERT_EQ(settings.GetValue(kTicketKey, &value), noErr);
    EXPECT_EQ(value, "/97/44/98");
    ASSERT_TRUE(control.SetValueToTicketWithKVTEnc(&settings, false));
    ASSERT_EQ(settings.GetValue(kTicketKey, &value), noErr);
    EXPECT_EQ(value.size(), 4u);
}

} // namespace
