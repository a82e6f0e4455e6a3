#include "constraints/CQuickXPPD.h"
#include "constraints/XPPDBuild.h"
#include "constraints/XPPDCache.h"
#include "tests/constraints/ConstraintsTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace constraints_test;

namespace {

using EntryList = std::vector<std::pair<std::string, x_constraints>>;

class ShapesPPD : public ::testing::Test {
protected:
    void SetUp() override
    {
        ppd_ = OpenOrFail(FixturePath("shapes.ppd"));
        ASSERT_TRUE(ppd_);
    }
    ppd_file_t* ppd() { return ppd_.get(); }

    // Index of the constraint whose four fields are the given ones.
    int ConstraintIndex(const char* o1, const char* c1, const char* o2, const char* c2)
    {
        for (int i = 0; i < ppd()->num_consts; ++i) {
            const ppd_const_t& k = ppd()->consts[i];
            if (std::string(k.option1) == o1 && std::string(k.choice1) == c1 &&
                std::string(k.option2) == o2 && std::string(k.choice2) == c2) {
                return i;
            }
        }
        ADD_FAILURE() << "no constraint " << o1 << " " << c1 << " " << o2 << " " << c2;
        return -1;
    }

    PpdFilePtr ppd_;
};

TEST_F(ShapesPPD, EveryShapeMakesExactlyTheExpectedEntries)
{
    XppdTable table;
    BuildXppdFromConstraints(ppd(), &table, OptionKeywords(ppd()));
    // "*qvoutput face *mediatype none" names no listed keyword: the filter
    // list is compared exactly, so that constraint stays out.
    const EntryList expected = {
        {"MediaType:Envelope", {0, 2, 1}},
        {"MediaType:Envelope", {0, 2, 3}},
        {"QVFold:Tri", {1, 0, 1}},
        {"QVFold:Z", {1, 0, 1}},
        {"QVInputSlot:BypassTray", {2, 1, 0}},
        {"QVInputSlot:Tray2", {2, 1, 0}},
        {"QVOutput:Face", {1, 1, 1}},
        {"QVOutput:Face", {1, 1, 2}},
        {"QVStaple:LeftDoublePort", {0, 0, 1}},
        {"QVStaple:TopDoublePort", {0, 0, 1}},
        {"QVStaple:UpperLeftSinglePort", {0, 0, 1}},
    };
    EXPECT_EQ(Entries(table), expected);
}

TEST_F(ShapesPPD, EachBuilderHandlesItsShape)
{
    XppdTable table;
    // Choice 1 only: three eligible staple choices (not None at 0, not Off at 3).
    EXPECT_EQ(xConst2Hash_O1C1O2(ppd(), &table, ConstraintIndex("QVPunch", "True", "QVStaple", "")), 3u);
    // Choice 2 only: Tri and Z; Half is first, FALSE is named.
    EXPECT_EQ(xConst2Hash_O1O2C2(ppd(), &table, ConstraintIndex("QVFold", "", "MediaType", "Envelope")), 2u);
    // No choice: two slots times one output choice.
    EXPECT_EQ(xConst2Hash_O1O2(ppd(), &table, ConstraintIndex("QVInputSlot", "", "QVOutput", "")), 2u);
    // Both choices, found whatever their letter case; the key uses the PPD's spelling.
    EXPECT_EQ(xConst2Hash_O1C1O2C2(ppd(), &table, ConstraintIndex("qvoutput", "face", "mediatype", "none")),
              1u);
    EXPECT_EQ(table.Size(), 8u);
    EXPECT_EQ(table.Find("MediaType:none").size(), 1u);
    EXPECT_TRUE(table.Find("mediatype:none").empty());

    // The member versions behave the same.
    XppdTable memberTable;
    const CQuickXPPD quick;
    EXPECT_EQ(
        quick.xConst2Hash_O1C1O2(ppd(), &memberTable, ConstraintIndex("QVPunch", "True", "QVStaple", "")),
        3u);
    EXPECT_EQ(
        quick.xConst2Hash_O1O2C2(ppd(), &memberTable, ConstraintIndex("QVFold", "", "MediaType", "Envelope")),
        2u);
    EXPECT_EQ(quick.xConst2Hash_O1O2(ppd(), &memberTable, ConstraintIndex("QVInputSlot", "", "QVOutput", "")),
              2u);
    EXPECT_EQ(quick.xConst2Hash_O1C1O2C2(ppd(), &memberTable,
                                         ConstraintIndex("qvoutput", "face", "mediatype", "none")),
              1u);
    EXPECT_EQ(Entries(memberTable), Entries(table));
}

TEST_F(ShapesPPD, BuildersIgnoreMissingNamesBadIndicesAndMissingArguments)
{
    XppdTable table;
    EXPECT_EQ(AddConstraintToXppd(ppd(), &table, ConstraintIndex("QVMissing", "Yes", "QVPunch", "True")), 0u);
    EXPECT_EQ(AddConstraintToXppd(ppd(), &table,
                                  ConstraintIndex("QVPunch", "Maybe", "QVStaple", "UpperLeftSinglePort")),
              0u);
    EXPECT_EQ(xConst2Hash_O1O2(ppd(), &table, -1), 0u);
    EXPECT_EQ(xConst2Hash_O1O2(ppd(), &table, ppd()->num_consts), 0u);
    EXPECT_EQ(xConst2Hash_O1C1O2C2(nullptr, &table, 0), 0u);
    EXPECT_EQ(xConst2Hash_O1C1O2(ppd(), nullptr, 0), 0u);
    BuildXppdFromConstraints(nullptr, &table, OptionKeywords(ppd()));
    BuildXppdFromConstraints(ppd(), nullptr, OptionKeywords(ppd()));
    EXPECT_TRUE(table.Empty());
}

TEST_F(ShapesPPD, OptionsInASubgroupAreNeverFound)
{
    XppdTable table;
    EXPECT_EQ(AddConstraintToXppd(ppd(), &table,
                                  ConstraintIndex("MediaType", "Transparency", "QVTrapping", "True")),
              0u);
    EXPECT_EQ(
        AddConstraintToXppd(ppd(), &table, ConstraintIndex("QVTrapping", "True", "MediaType", "Envelope")),
        0u);
    BuildXppdFromConstraints(ppd(), &table, std::vector<std::string>{"QVTrapping"});
    EXPECT_TRUE(table.Empty());
    // libcups itself still knows the option.
    EXPECT_NE(ppdFindOption(ppd(), "QVTrapping"), nullptr);
}

TEST_F(ShapesPPD, KeywordFilterListTakesConstraintsNamingAListedOptionOnEitherSide)
{
    XppdTable punchOnly;
    BuildXppdFromConstraints(ppd(), &punchOnly, std::vector<std::string>{"QVPunch"});
    EXPECT_EQ(punchOnly.Size(), 3u);
    EXPECT_EQ(punchOnly.Find("QVStaple:LeftDoublePort").size(), 1u);

    // Listed as option 2 only.
    XppdTable outputOnly;
    BuildXppdFromConstraints(ppd(), &outputOnly, std::vector<std::string>{"QVOutput"});
    EXPECT_EQ(outputOnly.Size(), 2u);
    EXPECT_EQ(outputOnly.Find("QVOutput:Face").size(), 2u);

    // The comparison is exact: another letter case or an unrelated keyword adds nothing.
    XppdTable lowerCase;
    BuildXppdFromConstraints(ppd(), &lowerCase, std::vector<std::string>{"qvoutput"});
    EXPECT_EQ(Entries(lowerCase), (EntryList{{"MediaType:none", {2, 0, 1}}}));

    XppdTable other;
    BuildXppdFromConstraints(ppd(), &other, std::vector<std::string>{"qvpunch", "QVNothing"});
    BuildXppdFromConstraints(ppd(), &other, std::vector<std::string>{});
    EXPECT_TRUE(other.Empty());
}

TEST_F(ShapesPPD, SetXppdUsesTheObjectsKeywordList)
{
    XppdTable table;
    CQuickXPPD quick(nullptr, nullptr, "PrintFeaturePDETiger", {"QVFold"});
    quick.SetXppd(ppd(), &table);
    EXPECT_EQ(quick.PPD(), ppd());
    EXPECT_EQ(quick.Table(), &table);
    // QVFold is option 2 of one constraint and option 1 of another.
    const EntryList expected = {{"MediaType:Envelope", {0, 2, 1}},
                                {"MediaType:Envelope", {0, 2, 3}},
                                {"QVFold:Tri", {1, 0, 1}},
                                {"QVFold:Z", {1, 0, 1}}};
    EXPECT_EQ(Entries(table), expected);
}

TEST(EligibleChoice, FirstChoiceAndNoneOffFalseInAnyCaseAreNotEligible)
{
    ppd_choice_t choices[6] = {};
    const char* names[6] = {"Yes", "NONE", "off", "False", "Nonesuch", "Offset"};
    for (int i = 0; i < 6; ++i) std::snprintf(choices[i].choice, sizeof(choices[i].choice), "%s", names[i]);
    ppd_option_t option{};
    option.num_choices = 6;
    option.choices = choices;
    EXPECT_FALSE(IsEligibleChoice(option, 0));
    EXPECT_FALSE(IsEligibleChoice(option, 1));
    EXPECT_FALSE(IsEligibleChoice(option, 2));
    EXPECT_FALSE(IsEligibleChoice(option, 3));
    EXPECT_TRUE(IsEligibleChoice(option, 4));
    EXPECT_TRUE(IsEligibleChoice(option, 5));
    EXPECT_FALSE(IsEligibleChoice(option, 6));
}

// A record whose options lie in a real subgroup array (as older libcups
// versions built them): the builders search the groups' own options only.
TEST(SubgroupRecord, OptionsOfSubgroupArraysAreNotSearched)
{
    ppd_choice_t aChoices[2] = {};
    std::snprintf(aChoices[0].choice, sizeof(aChoices[0].choice), "X");
    std::snprintf(aChoices[1].choice, sizeof(aChoices[1].choice), "Y");
    ppd_choice_t bChoices[2] = {};
    std::snprintf(bChoices[0].choice, sizeof(bChoices[0].choice), "X");
    std::snprintf(bChoices[1].choice, sizeof(bChoices[1].choice), "Y");
    ppd_option_t a{};
    std::snprintf(a.keyword, sizeof(a.keyword), "A");
    a.num_choices = 2;
    a.choices = aChoices;
    ppd_option_t b = a;
    std::snprintf(b.keyword, sizeof(b.keyword), "B");
    b.choices = bChoices;
    ppd_group_t sub{};
    sub.num_options = 1;
    sub.options = &b;
    ppd_group_t top{};
    top.num_options = 1;
    top.options = &a;
    top.num_subgroups = 1;
    top.subgroups = &sub;
    ppd_const_t consts[2] = {};
    std::snprintf(consts[0].option1, sizeof(consts[0].option1), "A");
    std::snprintf(consts[0].choice1, sizeof(consts[0].choice1), "Y");
    std::snprintf(consts[0].option2, sizeof(consts[0].option2), "B");
    std::snprintf(consts[0].choice2, sizeof(consts[0].choice2), "Y");
    consts[1] = consts[0];
    std::swap(consts[1].option1, consts[1].option2);
    ppd_file_t ppd{};
    ppd.num_groups = 1;
    ppd.groups = &top;
    ppd.num_consts = 2;
    ppd.consts = consts;

    XppdTable table;
    BuildXppdFromConstraints(&ppd, &table, std::vector<std::string>{"A", "B"});
    EXPECT_TRUE(table.Empty());

    // Moved to the top level, the same option is found.
    top.num_subgroups = 0;
    ppd_option_t both[2] = {a, b};
    top.options = both;
    top.num_options = 2;
    BuildXppdFromConstraints(&ppd, &table, std::vector<std::string>{"A", "B"});
    const EntryList expected = {{"A:Y", {0, 1, 1}}, {"B:Y", {0, 0, 1}}};
    EXPECT_EQ(Entries(table), expected);
}

// More constraints than a 16-bit counter can count: the walk reaches the end.
TEST(LargePPD, ConstraintsPastTheSixteenBitRangeAreBuilt)
{
    std::string text =
        "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*LanguageVersion: English\n"
        "*LanguageEncoding: ISOLatin1\n*ModelName: \"Big\"\n*NickName: \"Big\"\n"
        "*OpenGroup: G/G\n"
        "*OpenUI *A/A: PickOne\n*DefaultA: X\n*A X/X: \"\"\n*A Y/Y: \"\"\n*A Z/Z: \"\"\n*CloseUI: *A\n"
        "*OpenUI *B/B: PickOne\n*DefaultB: X\n*B X/X: \"\"\n*B Y/Y: \"\"\n*B Z/Z: \"\"\n*CloseUI: *B\n"
        "*CloseGroup: G\n";
    constexpr int kCount = 70000;
    for (int i = 0; i < kCount - 1; ++i) text += "*UIConstraints: *A Y *B Y\n";
    text += "*UIConstraints: *A Z *B Z\n";
    TempDir dir;
    PpdFilePtr ppd = OpenOrFail(dir.Write("big.ppd", text));
    ASSERT_TRUE(ppd);
    ASSERT_EQ(ppd->num_consts, kCount);

    XppdTable table;
    BuildXppdFromConstraints(ppd.get(), &table, std::vector<std::string>{"A"});
    EXPECT_EQ(table.Find("B:Y").size(), static_cast<std::size_t>(kCount - 1));
    ASSERT_EQ(table.Find("B:Z").size(), 1u);
    EXPECT_EQ(table.Find("B:Z")[0], (x_constraints{0, 0, 2}));
}

} // namespace
