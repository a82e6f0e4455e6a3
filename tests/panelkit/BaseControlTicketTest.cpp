// Ticket writes of BaseControl: the value escape, the empty-value
// substitution of the Features build and the ciphered write.
#include <gtest/gtest.h>

#include "panelkit/KVTCipher.h"
#include "tests/panelkit/TestControl.h"

namespace {

constexpr const char* kKey = "com.lumeral.vrk.printsettings.TestTicket";
constexpr CtrlAccessInfo kAccess{kCtrlValueTypeText, kCtrlValueTypeText, kKey, nullptr};

class BaseControlTicketTest : public ::testing::Test {
protected:
    void SetUp() override { host.Attach(panel); }
    std::string Written()
    {
        std::string value = "<none>";
        host.Settings().GetValue(kKey, &value);
        return value;
    }
    std::string Deciphered()
    {
        const std::string text = Written();
        unsigned char cipher[256] = {}, plain[256] = {};
        int32_t cipherLength = 0, plainLength = 0;
        KVTB64ToBin(text.c_str(), static_cast<int32_t>(text.size()), cipher, &cipherLength, 255);
        KVTEncrypt(cipher, cipherLength, plain, &plainLength, 255);
        return std::string(reinterpret_cast<const char*>(plain), static_cast<std::size_t>(plainLength));
    }
    testing_support::PanelTestHost host;
    BasePrintPanel panel;
};

TEST_F(BaseControlTicketTest, TextTravelsInTheValueEscapeFormWhenItNeedsIt)
{
    TestControl* control = AddTestControl(panel, 11, &kAccess, true);
    const std::pair<const char*, const char*> cases[] = {
        {"a,b", "/97/44/98"},        {"/x", "/47/120"}, {"abc", "abc"}, {"", ""},
        {"it's", "/105/116/39/115"}, {"x/y", "x/y"}};
    for (const auto& [value, written] : cases) {
        control->SetText(value);
        EXPECT_TRUE(control->SetValueToTicket(&host.Settings(), true));
        EXPECT_EQ(Written(), written);
        EXPECT_TRUE(host.Settings().IsLocked(kKey));
        control->outputNull = true; // the Features build's substitution
        EXPECT_TRUE(control->SetValueToTicket(&host.Settings(), false));
        EXPECT_EQ(Written(), "") << value;
        control->outputNull = false;
    }
}

TEST_F(BaseControlTicketTest, CipheredValuesOfUpTo189BytesAreWrittenChosenByTag)
{
    TestControl* control = AddTestControl(panel, 11, &kAccess, true);
    control->SetText(std::string(189, 'p'));
    ASSERT_TRUE(control->SetValueToTicketWithKVTEnc(&host.Settings(), false));
    EXPECT_EQ(Written().size(), 252u);
    EXPECT_EQ(Deciphered(), std::string(189, 'p'));
    host.Settings().RemoveValue(kKey);
    control->SetText(std::string(190, 'p'));
    EXPECT_FALSE(control->SetValueToTicketWithKVTEnc(&host.Settings(), false));
    EXPECT_EQ(Written(), "<none>");

    // A stand-in with the same tag in the encrypt array chooses the cipher;
    // every byte of a two-byte character is ciphered.
    TestControl stand_in(
        testing_support::PanelTestHost::AddWidget(panel, platform::ui::WidgetKind::TextField, 11), &kAccess);
    const EncryptArray encrypt{&stand_in};
    control->SetText("\xC3\xA9,1");
    ASSERT_TRUE(control->SetValueToTicket(&host.Settings(), false, &encrypt));
    EXPECT_EQ(Deciphered(), "\xC3\xA9,1");
    ASSERT_TRUE(control->SetValueToTicket(&host.Settings(), false, nullptr));
    EXPECT_EQ(Written(), "/195/169/44/49");
}

} // namespace
