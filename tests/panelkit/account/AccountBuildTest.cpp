// The Account build of the framework (panelkit_account): no ticket write
// replaces a value by the empty text.
#include <gtest/gtest.h>

#include <cstring>

#include "panelkit/control/BaseControl.h"

static_assert(QV_PANELKIT_FEATURES == 0, "this test links the Account build");

namespace {

constexpr CtrlAccessInfo kAccess{0, 0, "com.lumeral.vrk.printsettings.AccountTestTicket", nullptr};

class NullAskingControl : public BaseControl {
public:
    NullAskingControl() { ctrlDataAccessInfoPtr = &kAccess; }
    std::string_view ControlClassName() const override { return "NullAskingControl"; }
    bool ConvertToTickectData(std::span<char> buffer) override
    {
        return std::memcpy(buffer.data(), "a,b", 3);
    }
    bool IsOutputNullToTicket() { return true; } // a new function here: no ticket write asks it
};

TEST(AccountBuildTest, TicketWritesKeepTheValue)
{
    NullAskingControl control;
    platform::PrintSettings settings;
    std::string value;
    ASSERT_TRUE(control.SetValueToTicket(&settings, false));
    ASSERT_EQ(settings.GetValue(kAccess.ticketKey, &value), noErr);
    EXPECT_EQ(value, "/97/44/98");
}

} // namespace
