#include "constraints/XPPDBuild.h"
#include "constraints/XPPDQuery.h"
#include "tests/constraints/ConstraintsTestSupport.h"

#include <gtest/gtest.h>

using namespace constraints_test;

namespace {

class KZ63Query : public ::testing::Test {
protected:
    void SetUp() override
    {
        ppd_ = OpenOrFail(ProjectPPDPath("quorvel-kz63-color-mfp.ppd"));
        ASSERT_TRUE(ppd_);
        BuildXppdFromConstraints(ppd_.get(), &table_, OptionKeywords(ppd_.get()));
    }
    int Conflicted(const char* option, const char* choice)
    {
        return IsPPDChoiceConflicted(ppd_.get(), &table_, option, choice);
    }
    PpdFilePtr ppd_;
    XppdTable table_;
};

// "*QVPunch True *QVStaple" is stated one way only.
TEST_F(KZ63Query, PunchTrueGreysEveryStapleChoiceButNotTheReverse)
{
    ASSERT_TRUE(Mark(ppd_.get(), "QVPunch", "True"));
    EXPECT_EQ(Conflicted("QVStaple", "UpperLeftSinglePort"), 1);
    EXPECT_EQ(Conflicted("QVStaple", "LeftDoublePort"), 1);
    EXPECT_EQ(Conflicted("QVStaple", "TopDoublePort"), 1);
    EXPECT_EQ(Conflicted("QVStaple", "None"), 0);

    ASSERT_TRUE(Mark(ppd_.get(), "QVPunch", "None"));
    EXPECT_EQ(Conflicted("QVStaple", "LeftDoublePort"), 0);

    ASSERT_TRUE(Mark(ppd_.get(), "QVStaple", "LeftDoublePort"));
    EXPECT_EQ(Conflicted("QVPunch", "True"), 0);
}

TEST_F(KZ63Query, BothDirectionsOfAPairedConstraintAnswer)
{
    ASSERT_TRUE(Mark(ppd_.get(), "MediaType", "Envelope"));
    EXPECT_EQ(Conflicted("QVPunch", "True"), 1);
    EXPECT_EQ(Conflicted("Duplex", "DuplexNoTumble"), 1);
    EXPECT_EQ(Conflicted("Duplex", "None"), 0);
    UnmarkAll(ppd_.get());
    ASSERT_TRUE(Mark(ppd_.get(), "QVPunch", "True"));
    EXPECT_EQ(Conflicted("MediaType", "Envelope"), 1);
    EXPECT_EQ(Conflicted("MediaType", "Stationary"), 0);
}

TEST_F(KZ63Query, SubgroupOptionNeverConflicts)
{
    ASSERT_TRUE(Mark(ppd_.get(), "QVColorMode", "Black"));
    EXPECT_EQ(Conflicted("QVTrapping", "true"), 0);
    ASSERT_TRUE(Mark(ppd_.get(), "QVTrapping", "true"));
    EXPECT_EQ(Conflicted("QVColorMode", "Black"), 0);
}

TEST_F(KZ63Query, KeyWithoutEntriesMissingArgumentsAndLongKeysAnswerZero)
{
    ASSERT_TRUE(Mark(ppd_.get(), "QVPunch", "True"));
    EXPECT_TRUE(table_.Find("QVJog:Job").empty());
    EXPECT_EQ(Conflicted("QVJog", "Job"), 0);
    EXPECT_EQ(Conflicted("NoSuchOption", "NoSuchChoice"), 0);
    EXPECT_EQ(Conflicted("", ""), 0);
    EXPECT_EQ(IsPPDChoiceConflicted(nullptr, &table_, "QVStaple", "LeftDoublePort"), 0);
    EXPECT_EQ(IsPPDChoiceConflicted(ppd_.get(), nullptr, "QVStaple", "LeftDoublePort"), 0);
    // Keys longer than the query's own buffer take the slow path and still match.
    const std::string longOption(120, 'O');
    table_.Insert(longOption + ":C", PlaceOf(ppd_.get(), "QVPunch", "True"));
    EXPECT_EQ(IsPPDChoiceConflicted(ppd_.get(), &table_, longOption, "C"), 1);
}

// Entries that point past the PPD's groups, options or choices (a table made
// for another PPD) never conflict and are never read.
TEST_F(KZ63Query, EntriesOutsideThePPDNeverConflict)
{
    ASSERT_TRUE(Mark(ppd_.get(), "QVPunch", "True"));
    XppdTable foreign;
    const x_constraints punch = PlaceOf(ppd_.get(), "QVPunch", "True");
    const auto groups = static_cast<std::uint16_t>(ppd_->num_groups);
    const auto options = static_cast<std::uint16_t>(ppd_->groups[punch.group].num_options);
    const auto choices =
        static_cast<std::uint16_t>(ppd_->groups[punch.group].options[punch.option].num_choices);
    foreign.Insert("X:Y", x_constraints{groups, 0, 0});
    foreign.Insert("X:Y", x_constraints{punch.group, options, 0});
    foreign.Insert("X:Y", x_constraints{punch.group, punch.option, choices});
    foreign.Insert("X:Y", x_constraints{65535, 65535, 65535});
    EXPECT_EQ(IsPPDChoiceConflicted(ppd_.get(), &foreign, "X", "Y"), 0);
    foreign.Insert("X:Y", punch);
    EXPECT_EQ(IsPPDChoiceConflicted(ppd_.get(), &foreign, "X", "Y"), 1);

    EXPECT_EQ(ChoiceAtPlace(*ppd_, x_constraints{punch.group, punch.option, choices}), nullptr);
    const ppd_choice_t* punchTrue = ChoiceAtPlace(*ppd_, punch);
    ASSERT_NE(punchTrue, nullptr);
    EXPECT_STREQ(punchTrue->choice, "True");
}

} // namespace
