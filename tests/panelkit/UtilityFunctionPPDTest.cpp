#include "panelkit/UtilityFunction.h"

#include <memory>

#include <gtest/gtest.h>

namespace {

struct PpdCloser {
    void operator()(ppd_file_t* ppd) const { ppdClose(ppd); }
};

class UtilityPPD : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(ppd, nullptr) << ppdErrorString(ppdLastError(nullptr)); }
    std::unique_ptr<ppd_file_t, PpdCloser> holder{ppdOpenFile(QV_PANELKIT_FIXTURES "/utility.ppd")};
    ppd_file_t* ppd = holder.get();
};

TEST_F(UtilityPPD, FindAttrMatchesByPrefixInFileOrder)
{
    const ppd_attr_t* attr = ppdFindAttr_ALT(ppd, "QVLocalizableFileIndex");
    ASSERT_NE(attr, nullptr);
    EXPECT_STREQ(attr->name, "QVLocalizableFileIndexExtra"); // comes first in the file
    EXPECT_STREQ(attr->value, "9");
    EXPECT_EQ(ppdFindAttr_ALT(ppd, "QVNoSuchThing"), nullptr);
    EXPECT_EQ(ppdFindAttr_ALT(nullptr, "QV"), nullptr);
    EXPECT_EQ(ppdFindAttr_ALT(ppd, nullptr), nullptr);
}

TEST_F(UtilityPPD, OptionDefaultsAndKeys)
{
    EXPECT_TRUE(CheckPPDKeyIsExist(ppd, "QVInputSlot"));
    EXPECT_FALSE(CheckPPDKeyIsExist(ppd, "QVOutputBin"));
    const char* const slots[] = {"Auto", "Tray1", "Tray2"};
    EXPECT_EQ(GetValueFromPPD(ppd, "QVInputSlot", slots), 2);
    const char* const others[] = {"Auto", "Tray1"};
    EXPECT_EQ(GetValueFromPPD(ppd, "QVInputSlot", others), -1);
    EXPECT_EQ(GetValueFromPPD(ppd, "QVOutputBin", slots), -1);

    EXPECT_EQ(GetPWMiniIntValueFromPPD(ppd, "QVPasswordLength"), 12); // digits of "Min12Chars"
    EXPECT_EQ(GetPWMiniIntValueFromPPD(ppd, "QVOutputBin"), -1);
}

TEST_F(UtilityPPD, IntegersFromDigitsAndFromAttributeValues)
{
    EXPECT_EQ(getIntFromString("a1b2c3"), 123);
    EXPECT_EQ(getIntFromString(std::string_view("a1b2c3").substr(0, 3)), 1);
    EXPECT_EQ(getIntFromString(""), 0);
    EXPECT_EQ(getIntFromString("none"), 0);
    EXPECT_EQ(getIntFromString("99999999999999"), 2147483647);

    EXPECT_EQ(GetPellorPWMiniIntValueFromPPD(ppd, "QVPWMinLength"), 8);
    EXPECT_EQ(GetPellorPWMiniIntValueFromPPD(ppd, "QVPWMinZero"), 0);
    EXPECT_EQ(GetPellorPWMiniIntValueFromPPD(ppd, "QVPWMinNone"), -1);
    EXPECT_EQ(GetPellorPWMiniIntValueFromPPD(ppd, "QVPWMinNegative"), -3);
    EXPECT_EQ(GetPellorPWMiniIntValueFromPPD(ppd, "QVNoSuchThing"), -1);

    EXPECT_EQ(GetMBMaxNumberFromPPD(ppd, "QVMBMaxLong"), 123); // only the first 3 bytes
    EXPECT_EQ(GetMBMaxNumberFromPPD(ppd, "QVMBMax"), 250);
    EXPECT_EQ(GetMBMaxNumberFromPPD(ppd, "QVNoSuchThing"), 0);
}

TEST_F(UtilityPPD, PellorScopeRanges)
{
    const auto scope = CopyPellorScopeInfoFromPPD(ppd, "QVPWScope");
    ASSERT_NE(scope, nullptr);
    EXPECT_EQ(scope->wordFilter.count, 2);
    EXPECT_EQ(scope->wordFilter.ranges[0].low, 48);
    EXPECT_EQ(scope->wordFilter.ranges[0].high, 57);
    EXPECT_EQ(scope->wordFilter.ranges[1].low, 65);
    EXPECT_EQ(scope->wordFilter.ranges[1].high, 90);
    EXPECT_EQ(scope->byteFilter.count, 0);
    EXPECT_EQ(scope->errMsgKey, nullptr);
    EXPECT_TRUE(validateInput(u"A1Z9", scope.get()));
    EXPECT_FALSE(validateInput(u"a1", scope.get()));

    EXPECT_EQ(CopyPellorScopeInfoFromPPD(ppd, "QVPWScopeBackwards"), nullptr);
    EXPECT_EQ(CopyPellorScopeInfoFromPPD(ppd, "QVPWScopeTooBig"), nullptr);
    EXPECT_EQ(CopyPellorScopeInfoFromPPD(ppd, "QVNoSuchThing"), nullptr);
    EXPECT_EQ(CopyPellorScopeInfoFromPPD(nullptr, "QVPWScope"), nullptr);
    const auto empty = CopyPellorScopeInfoFromPPD(ppd, "QVPWScopeEmpty");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->wordFilter.count, 0);
    const auto odd = CopyPellorScopeInfoFromPPD(ppd, "QVPWScopeOdd"); // a low bound without its high
    ASSERT_NE(odd, nullptr);
    EXPECT_EQ(odd->wordFilter.count, 1);
}

TEST_F(UtilityPPD, PellorScopeStopsAtTwentyRanges)
{
    const auto scope = CopyPellorScopeInfoFromPPD(ppd, "QVPWScopeTwentyOne");
    ASSERT_NE(scope, nullptr);
    EXPECT_EQ(scope->wordFilter.count, 20);
    EXPECT_EQ(scope->wordFilter.ranges[19].low, 20);
    EXPECT_EQ(scope->wordFilter.ranges[19].high, 20);
}

TEST_F(UtilityPPD, MarkedOrDefaultChoiceIndexAndChoiceArray)
{
    const ppd_option_t* slot = ppdFindOption(ppd, "QVInputSlot");
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(GetIndexOfMarkedOptionWithKey(slot, ppd, "QVInputSlot"), 2); // nothing marked: the default
    ppdMarkOption(ppd, "QVInputSlot", "Tray1");
    EXPECT_EQ(GetIndexOfMarkedOptionWithKey(slot, ppd, "QVInputSlot"), 1);
    EXPECT_EQ(GetIndexOfMarkedOptionWithKey(nullptr, ppd, "QVInputSlot"), -1);

    const auto choices = ArrayFromPPDOption(slot);
    ASSERT_TRUE(choices);
    ASSERT_EQ(choices->size(), 3u);
    EXPECT_EQ((*choices)[1].ppdTitle(), "Tray1");
    EXPECT_EQ((*choices)[1].userTitle(), "Tray 1");
    EXPECT_EQ((*choices)[1].choice(), &slot->choices[1]);
    EXPECT_FALSE(ArrayFromPPDOption(nullptr));
}

} // namespace
