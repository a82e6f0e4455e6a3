#include "constraints/XPPDBuild.h"
#include "constraints/XPPDLookups.h"
#include "tests/constraints/ConstraintsTestSupport.h"

#include <gtest/gtest.h>

using namespace constraints_test;

namespace {

class KZ63Lookups : public ::testing::Test {
protected:
    void SetUp() override
    {
        ppd_ = OpenOrFail(ProjectPPDPath("quorvel-kz63-color-mfp.ppd"));
        ASSERT_TRUE(ppd_);
        BuildXppdFromConstraints(ppd(), &table_, OptionKeywords(ppd()));
    }
    ppd_file_t* ppd() { return ppd_.get(); }
    PpdChoiceList List(const char* option)
    {
        PpdChoiceList list;
        int count = 0;
        GetUIListFromPPD(ppd(), &table_, option, &list, count);
        EXPECT_EQ(count, static_cast<int>(list.size()));
        return list;
    }
    std::string StateOf(const PpdChoiceList& list, const char* choice)
    {
        const int at = FindPPDKeyPairsMatch(list, list.empty() ? "" : list[0].optionKeyword, choice);
        if (at < 0) return "missing";
        return list[static_cast<std::size_t>(at)].conflictState;
    }
    PpdFilePtr ppd_;
    XppdTable table_;
};

TEST_F(KZ63Lookups, RowsCarryTheFourTextsInOrderAndRaiseTheCounter)
{
    PpdChoiceList list;
    list.push_back(PpdChoiceRow{"Earlier", "Row", "Kept", kConflictFalse});
    int count = 5;
    GetUIListFromPPD(ppd(), &table_, "QVNumPunchHoles", &list, count);
    EXPECT_EQ(count, 8);
    const PpdChoiceList expected = {
        {"Earlier", "Row", "Kept", "ConflictFalse"},
        {"QVNumPunchHoles", "2", "2 Holes", "ConflictFalse"},
        {"QVNumPunchHoles", "3", "3 Holes", "ConflictFalse"},
        {"QVNumPunchHoles", "4", "4 Holes", "ConflictFalse"},
    };
    EXPECT_EQ(list, expected);
}

TEST_F(KZ63Lookups, NothingIsAppendedWithoutAListOrAnOption)
{
    int count = 0;
    GetUIListFromPPD(ppd(), &table_, "QVNumPunchHoles", nullptr, count);
    EXPECT_EQ(count, 0);
    PpdChoiceList list;
    GetUIListFromPPD(ppd(), &table_, "QVNoSuchOption", &list, count);
    GetUIListFromPPD(nullptr, &table_, "QVNumPunchHoles", &list, count);
    InitializeValueFromPPD(ppd(), &table_, &list, "QVNoSuchOption");
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(list.empty());
    InitializeValueFromPPD(ppd(), &table_, &list, "QVPunch");
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].choiceKeyword, "True");
}

TEST_F(KZ63Lookups, ConflictStateFollowsTheMarksOfOtherOptions)
{
    ASSERT_TRUE(Mark(ppd(), "MediaType", "Envelope"));
    EXPECT_EQ(StateOf(List("QVPunch"), "True"), "ConflictTrue");
    EXPECT_EQ(StateOf(List("QVPunch"), "None"), "ConflictFalse");
    ASSERT_TRUE(Mark(ppd(), "MediaType", "Stationary"));
    EXPECT_EQ(StateOf(List("QVPunch"), "True"), "ConflictFalse");
}

TEST_F(KZ63Lookups, PunchGreysStaplesOneWayAndTheSubgroupOptionStaysFree)
{
    ASSERT_TRUE(Mark(ppd(), "QVPunch", "True"));
    const PpdChoiceList staples = List("QVStaple");
    EXPECT_EQ(StateOf(staples, "None"), "ConflictFalse");
    EXPECT_EQ(StateOf(staples, "UpperLeftSinglePort"), "ConflictTrue");
    EXPECT_EQ(StateOf(staples, "LeftDoublePort"), "ConflictTrue");
    EXPECT_EQ(StateOf(staples, "TopDoublePort"), "ConflictTrue");

    UnmarkAll(ppd());
    ASSERT_TRUE(Mark(ppd(), "QVStaple", "TopDoublePort"));
    EXPECT_EQ(StateOf(List("QVPunch"), "True"), "ConflictFalse");

    ASSERT_TRUE(Mark(ppd(), "QVColorMode", "Black"));
    EXPECT_EQ(StateOf(List("QVTrapping"), "true"), "ConflictFalse");
}

TEST_F(KZ63Lookups, DefaultsAndTitles)
{
    EXPECT_EQ(GetUIDefaultFromPPD(ppd(), "QVNumPunchHoles"), std::optional<std::string>("2"));
    EXPECT_EQ(GetUIDefaultFromPPD(ppd(), "QVStaple"), std::optional<std::string>("None"));
    EXPECT_EQ(GetUIDefaultFromPPD(ppd(), "QVNoSuchOption"), std::nullopt);
    EXPECT_EQ(GetUIDefaultFromPPD(nullptr, "QVStaple"), std::nullopt);
    EXPECT_EQ(GetUITitleFromPPD(ppd(), "QVStaple"), std::optional<std::string>("Staple"));
    EXPECT_EQ(GetUITitleFromPPD(ppd(), "QVJog"), std::optional<std::string>("Offset Stacking"));
    EXPECT_EQ(GetUITitleFromPPD(ppd(), "QVNoSuchOption"), std::nullopt);
}

TEST_F(KZ63Lookups, KeyPairsMatchExactlyAndCaseSensitively)
{
    const PpdChoiceList staples = List("QVStaple");
    ASSERT_EQ(staples.size(), 4u);
    EXPECT_EQ(FindPPDKeyPairsMatch(staples, "QVStaple", "None"), 0);
    EXPECT_EQ(FindPPDKeyPairsMatch(staples, "QVStaple", "TopDoublePort"), 3);
    EXPECT_EQ(FindPPDKeyPairsMatch(staples, "QVStaple", "topdoubleport"), -1);
    EXPECT_EQ(FindPPDKeyPairsMatch(staples, "qvstaple", "None"), -1);
    EXPECT_EQ(FindPPDKeyPairsMatch(staples, "QVStaple", "UpperLeft"), -1);
    EXPECT_EQ(FindPPDKeyPairsMatch({}, "QVStaple", "None"), -1);
    // The first of two equal rows.
    PpdChoiceList twice = staples;
    twice.insert(twice.end(), staples.begin(), staples.end());
    EXPECT_EQ(FindPPDKeyPairsMatch(twice, "QVStaple", "LeftDoublePort"), 2);
}

TEST_F(KZ63Lookups, AttributeExistsByNamePrefix)
{
    EXPECT_TRUE(CDFKeyExist(ppd(), "QVPrinterLanguageEncoding"));
    EXPECT_TRUE(CDFKeyExist(ppd(), "QVPrinterLang"));
    EXPECT_FALSE(CDFKeyExist(ppd(), "QVPrinterLanguageX"));
    EXPECT_FALSE(CDFKeyExist(ppd(), "qvprinterlanguageencoding"));
    EXPECT_TRUE(CDFKeyExist(ppd(), "")); // every name begins with the empty name
    EXPECT_FALSE(CDFKeyExist(nullptr, "QVPrinterLang"));
    // Only the first 19 bytes of a long name are compared.
    EXPECT_TRUE(CDFKeyExist(ppd(), "QVPrinterLanguageEnXXXXXX"));
}

} // namespace
