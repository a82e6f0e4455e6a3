// What both extensions share about the print type and restored values: the
// current job's print type, texts read back from saved settings, and
// passcodes deciphered from the print settings.
#include "panelkit/CurrentPrintType.h"
#include "panelkit/KVTCipherText.h"
#include "panelkit/RestoredText.h"

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"

TEST(CurrentPrintType, SettingsFirstThenPreferencesOnOlderSystems)
{
    testing_support::TempDir dir;
    platform::PreferenceStore store(dir.file("user"), dir.file("system"), "host");
    store.SetValue("Queue1com.lumeral.vrk.printsettings.PrintTypeReference", "5",
                   platform::kPreferencesAnyApplication, platform::PreferenceUser::Current,
                   platform::PreferenceHost::Current);
    struct Case {
        const char* setting; // null: no key
        uint32_t version;
        int32_t expected;
    };
    const Case cases[] = {
        {"3", 0x1039, 3},     // the settings answer first
        {" 2", 0x10D0, 2},    // read as an integer is read
        {"9", 0x10D0, 1},     // no print type: normal printing
        {"x", 0x1039, 1},     // present but no number: not the preference
        {nullptr, 0x1039, 5}, // older systems keep it in the preferences
        {nullptr, 0x1070, 1}, // newer ones do not
    };
    for (const Case& c : cases) {
        platform::PrintSettings settings;
        if (c.setting != nullptr)
            settings.SetValue("com.lumeral.vrk.printsettings.PrintTypeTicketKey", c.setting, false);
        EXPECT_EQ(GetCurrentJobPrintType(&settings, &store, "Queue1", c.version), c.expected)
            << (c.setting ? c.setting : "none") << " " << c.version;
    }
    EXPECT_EQ(GetCurrentJobPrintType(nullptr, &store, "", 0x1039), 1);
}

TEST(RestoredText, DecodedAsTheFilterDoesAndBoundedOnCharacters)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/47/101/116/99", "/etc"},
        {"/65/66/256/67", "AB"}, // 256 or more ends the text
        {"/65/0/66", "A"},       // so does a zero byte
        {"plain", "plain"},      // no escape: unchanged
        {"ab\xFF"
         "cd",
         "ab"}, // bytes that are no UTF-8 end it
        {std::string(300, 'a'), std::string(255, 'a')},
        {std::string(253, 'a') + "\xE3\x81\x82", std::string(253, 'a')}, // a 3-byte character past 255
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(RestoredTicketText(value), text) << value.substr(0, 16);
    EXPECT_EQ(BoundedUtf8Text("/47"), "/47"); // preferences hold plain text
}

TEST(KVTCipherText, DecipheringUndoesTheTicketCipher)
{
    EXPECT_EQ(DecipherTicketText("VV9BXw=="), "1234"); // "1234" XOR "dmrk", in Base64
    EXPECT_EQ(DecipherTicketText(""), "");
    EXPECT_FALSE(DecipherTicketText("abc").has_value());                 // not a multiple of 4
    EXPECT_FALSE(DecipherTicketText(std::string(400, 'A')).has_value()); // more than 255 bytes
}
