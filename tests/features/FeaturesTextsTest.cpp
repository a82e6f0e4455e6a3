// The Features bundle's texts: the Japanese table has a text for every key
// of the English one, and in both the help book's name is the name the
// bundle registers its book under (or no Help button finds its page).
#include <gtest/gtest.h>

#include "platform/Bundle.h"
#include "platform/StringsTable.h"
#include "tests/support/FileBytes.h"

TEST(FeaturesTexts, JapaneseHasEveryKeyAndBothNameTheRegisteredHelpBook)
{
    const std::optional<platform::Bundle> bundle = platform::Bundle::Open(QV_FEATUREPANEL_BUNDLE);
    ASSERT_TRUE(bundle.has_value());
    const auto table = [&](const char* language) {
        return platform::ParseStringsTable(testing_support::ReadFile(
            bundle->ResourcesDirectory() + "/" + language + ".lproj/Localizable.strings"));
    };
    const std::optional<platform::StringsTable> english = table("en");
    const std::optional<platform::StringsTable> japanese = table("ja");
    ASSERT_TRUE(english && japanese);
    for (const auto& [key, text] : *english) {
        const auto found = japanese->find(key);
        ASSERT_NE(found, japanese->end()) << key;
        EXPECT_FALSE(found->second.empty()) << key;
    }
    EXPECT_EQ(japanese->size(), english->size());
    const std::optional<std::string> book = bundle->InfoString("CFBundleHelpBookName");
    ASSERT_TRUE(book.has_value());
    EXPECT_EQ(english->at("Help Viewer Title for Features"), *book);
    EXPECT_EQ(japanese->at("Help Viewer Title for Features"), *book);
}
