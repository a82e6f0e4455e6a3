// Ticket writes of BaseControl: the value escape, the empty-value
// substitution of the Features build, and the ciphered write.
#include <gtest/gtest.h>

#include "panelkit/KVTCipher.h"
#include "tests/panelkit/TestControl.h"

namespace {

constexpr const char* kTicketKey = "com.lumeral.vrk.printsettings.TestTicket";
constexpr CtrlAccessInfo kTextAccess{kCtrlValueTypeText, kCtrlValueTypeText, kTicketKey, nullptr};

class BaseControlTicketTest : public ::testing::Test {
protected:
    void SetUp() override { host.Attach(panel); }

    std::optional<std::string> Written()
    {
        std::string value;
        if (host.Settings().GetValue(kTicketKey, &value) != noErr) return std::nullopt;
        return value;
    }

    testing_support::PanelTestHost host;
    BasePrintPanel panel;
};

TEST_F(BaseControlTicketTest, TextNeedingItTravelsInTheValueEscapeForm)
{
    const struct {
        const char* value;
        const char* written;
    } cases[] = {{"a,b", "/97/44/98"},        {"/x", "/47/120"}, {"abc", "abc"}, {"", ""},
                 {"it's", "/105/116/39/115"}, {"a\\", "/97/92"}, {"x/y", "x/y"}};
    TestControl* control = AddTestControl(panel, 11, &kTextAccess, TestControl::Form::Text);
    for (const auto& c : cases) {
        control->SetText(c.value);
        EXPECT_TRUE(control->SetValueToTicket(&host.Settings(), true)) << c.value;
        EXPECT_EQ(Written(), c.written) << c.value;
        EXPECT_TRUE(host.Settings().IsLocked(kTicketKey)) << c.value;
    }
    // No ticket key: nothing written, NO.
    constexpr CtrlAccessInfo noKey{kCtrlValueTypeText, kCtrlValueTypeText, nullptr, nullptr};
    TestControl* keyless = AddTestControl(panel, 12, &noKey, TestControl::Form::Text);
    EXPECT_FALSE(keyless->SetValueToTicket(&host.Settings(), false));
    EXPECT_FALSE(control->SetValueToTicket(nullptr, false));
}

TEST_F(BaseControlTicketTest, OutputNullWritesTheEmptyTextWhateverTheForm)
{
    ASSERT_EQ(QV_PANELKIT_FEATURES, 1) << "the tests link the Features build";
    TestControl* control = AddTestControl(panel, 11, &kTextAccess, TestControl::Form::Text);
    control->outputNull = true;
    for (const char* value : {"a,b", "abc"}) {
        control->SetText(value);
        EXPECT_TRUE(control->SetValueToTicket(&host.Settings(), false));
        EXPECT_EQ(Written(), "") << value;
        EXPECT_TRUE(control->SetValueToTicketWithKVTEnc(&host.Settings(), false));
        EXPECT_EQ(Written(), "") << value;
    }
}

std::string Deciphered(const std::string& base64)
{
    unsigned char cipher[256] = {};
    int32_t cipherLength = 0;
    if (KVTB64ToBin(base64.c_str(), static_cast<int32_t>(base64.size()), cipher, &cipherLength, 255) != 0)
        return "?";
    unsigned char plain[256] = {};
    int32_t plainLength = 0;
    if (KVTEncrypt(cipher, cipherLength, plain, &plainLength, 255) != 0) return "?";
    return std::string(reinterpret_cast<const char*>(plain), static_cast<std::size_t>(plainLength));
}

TEST_F(BaseControlTicketTest, CipheredValuesUpTo189BytesAreWrittenAndLongerOnesRefused)
{
    TestControl* control = AddTestControl(panel, 11, &kTextAccess, TestControl::Form::Text);
    const std::string fits(189, 'p');
    control->SetText(fits);
    ASSERT_TRUE(control->SetValueToTicketWithKVTEnc(&host.Settings(), false));
    ASSERT_TRUE(Written());
    EXPECT_EQ(Written()->size(), 252u);
    EXPECT_EQ(Deciphered(*Written()), fits);

    host.Settings().RemoveValue(kTicketKey);
    control->SetText(std::string(190, 'p'));
    EXPECT_FALSE(control->SetValueToTicketWithKVTEnc(&host.Settings(), false));
    EXPECT_FALSE(Written());

    // Every byte of a value with two-byte characters is ciphered, and an
    // empty value is written empty.
    control->SetText("pa\xC3\xA9\xC3\xA9,1");
    ASSERT_TRUE(control->SetValueToTicketWithKVTEnc(&host.Settings(), false));
    EXPECT_EQ(Deciphered(*Written()), "pa\xC3\xA9\xC3\xA9,1");
    control->SetText("");
    ASSERT_TRUE(control->SetValueToTicketWithKVTEnc(&host.Settings(), false));
    EXPECT_EQ(Written(), "");
}

TEST_F(BaseControlTicketTest, TheEncryptArrayChoosesTheCipheredWriteByTag)
{
    TestControl* secret = AddTestControl(panel, 21, &kTextAccess, TestControl::Form::Text);
    TestControl* other = AddTestControl(panel, 22, &kTextAccess, TestControl::Form::Text);
    secret->SetText("a,b");
    other->SetText("q");
    // A stand-in listed with the same tag selects the ciphered form.
    platform::ui::Widget* twin =
        testing_support::PanelTestHost::AddWidget(panel, platform::ui::WidgetKind::TextField, 21);
    TestControl stranger(twin, &kTextAccess, TestControl::Form::Text);
    const EncryptArray encrypt{&stranger};
    ASSERT_TRUE(secret->SetValueToTicket(&host.Settings(), false, &encrypt));
    EXPECT_EQ(Deciphered(*Written()), "a,b");
    ASSERT_TRUE(other->SetValueToTicket(&host.Settings(), false, &encrypt));
    EXPECT_EQ(Written(), "q");
    ASSERT_TRUE(secret->SetValueToTicket(&host.Settings(), false, nullptr));
    EXPECT_EQ(Written(), "/97/44/98");
}

} // namespace
