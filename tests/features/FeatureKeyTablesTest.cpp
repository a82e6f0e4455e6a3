// The static key tables and the one constraint table a panel keeps.
#include <gtest/gtest.h>

#include <algorithm>

#include "features/FeatureKeyTables.h"
#include "tests/features/FeaturesPanelHarness.h"

TEST(FeatureKeyTables, ModeListsHaveTheirCountsOrderAndOmissions)
{
    ASSERT_EQ(productModePPDKeyInfo.size(), 4u);
    const std::vector<std::pair<std::string_view, std::size_t>> expected = {
        {"Default00", 79}, {"Default01", 80}, {"Default02", 75}, {"Default03", 76}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(productModePPDKeyInfo[i].modeName, expected[i].first);
        EXPECT_EQ(productModePPDKeyInfo[i].keyList.size(), expected[i].second);
        EXPECT_EQ(KeyListOfFeaturesMode(expected[i].first).data(), productModePPDKeyInfo[i].keyList.data());
    }
    EXPECT_EQ(KeyListOfFeaturesMode("Default04").data(), nullptr);
    EXPECT_EQ(ppdKeyArrayByMode01.front(), "QVOutputMode");
    EXPECT_EQ(ppdKeyArrayByMode01.back(), "QVJog");
    EXPECT_EQ(std::count(ppdKeyArrayByMode01.begin(), ppdKeyArrayByMode01.end(), "QVStaple"), 2);
    EXPECT_EQ(std::count(ppdKeyArrayByMode01.begin(), ppdKeyArrayByMode01.end(), "QVPunch"), 2);
    EXPECT_EQ(ppdKeyArrayByMode00.front(), "QVSignature");
    EXPECT_EQ(ppdKeyArrayByMode02.front(), "MediaType");
    EXPECT_EQ(ppdKeyArrayByMode03.front(), "QVOutputMode");
    EXPECT_EQ(ppdKeyArrayByMode03[1], "MediaType");
    EXPECT_EQ(kQVMailboxConstrainArray.size(), 9u);
    EXPECT_EQ(kQVMailboxConstrainandRestoreDefaultArray.size(), 19u);
    EXPECT_EQ(RowTopOfIndex(pfCtrlPositionData, 0), 178);
    EXPECT_EQ(RowTopOfIndex(pfCtrlPositionData, 5), 13);
}

TEST(FeatureKeyTables, OnePanelKeepsOneConstraintTable)
{
    featurestest::FeaturesPanelHarness dialog(featurestest::ProjectPPD("quorvel-kz63-color-mfp.ppd"));
    KPRINTFEATURESPDE* panel = dialog.Panel();
    ASSERT_NE(panel, nullptr);
    XppdTable* table = panel->Getxppd();
    ASSERT_NE(table, nullptr);
    const std::size_t entries = table->Size();
    EXPECT_GT(entries, 0u);
    panel->supportedPPDOptionKeys();
    panel->supportedPPDOptionKeys();
    EXPECT_EQ(panel->Getxppd(), table);
    EXPECT_EQ(table->Size(), entries);

    // With a cache file named (missing here): one table, empty, kept.
    const featurestest::PpdVariant cached(
        featurestest::ProjectPPD("quorvel-kz63-color-mfp.ppd"), {},
        {{"*QVLocalizableFileIndex", "*QVXCDFSetting: \"/nonexistent.xppd\"\n*QVLocalizableFileIndex"}});
    featurestest::FeaturesPanelHarness other(cached.Path());
    ASSERT_NE(other.Panel(), nullptr);
    other.Panel()->supportedPPDOptionKeys();
    XppdTable* cacheTable = other.Panel()->Getxppd();
    ASSERT_NE(cacheTable, nullptr);
    other.Panel()->supportedPPDOptionKeys();
    EXPECT_EQ(other.Panel()->Getxppd(), cacheTable);
    EXPECT_TRUE(cacheTable->Empty());
}
