// Checks the UIConstraints of the shipped PPDs: finishing against media and
// trays, stated in both directions as the dialog's constraint table needs,
// apart from the single one-way punch/staple line of the KZ63; and the
// subgroup option of the KZ63 that the dialog's table must not see.
#include "tests/ppd/PpdTestSupport.h"
#include "tests/ppd/PrinterExpectations.h"
#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <tuple>

namespace ppdtest {
namespace {

using Constraint = std::tuple<std::string, std::string, std::string, std::string>;

std::set<Constraint> ConstraintsOf(ppd_file_t* ppd)
{
    std::set<Constraint> out;
    for (int i = 0; i < ppd->num_consts; ++i) {
        const ppd_const_t& c = ppd->consts[i];
        out.emplace(c.option1, c.choice1, c.option2, c.choice2);
    }
    return out;
}

Constraint Reversed(const Constraint& c)
{
    return {std::get<2>(c), std::get<3>(c), std::get<0>(c), std::get<1>(c)};
}

// Marks the defaults, then the given choices, and counts the conflicts.
int ConflictsWith(ppd_file_t* ppd, const std::vector<std::pair<const char*, const char*>>& marks)
{
    ppdMarkDefaults(ppd);
    for (const auto& [option, choice] : marks) {
        if (ppdFindChoice(ppdFindOption(ppd, option), choice) == nullptr) {
            ADD_FAILURE() << "no choice " << option << " " << choice;
            return -1;
        }
        ppdMarkOption(ppd, option, choice);
    }
    return ppdConflicts(ppd);
}

class PpdConstraints : public ::testing::TestWithParam<PrinterExpectations> {
protected:
    void SetUp() override
    {
        ppd_ = OpenStrict(GetParam().file);
        ASSERT_NE(ppd_, nullptr) << GetParam().file;
    }
    ppd_file_t* ppd() const { return ppd_.get(); }

private:
    PpdPtr ppd_;
};

TEST_P(PpdConstraints, EveryConstraintButTheKz63PunchLineIsStatedBothWays)
{
    const Constraint oneWay{"QVPunch", "True", "QVStaple", ""};
    const auto all = ConstraintsOf(ppd());
    ASSERT_FALSE(all.empty());
    std::set<Constraint> unpaired;
    for (const auto& c : all)
        if (!all.count(Reversed(c))) unpaired.insert(c);

    if (GetParam().modelToken == "KZ63")
        EXPECT_EQ(unpaired, std::set<Constraint>{oneWay});
    else
        EXPECT_TRUE(unpaired.empty());
}

TEST_P(PpdConstraints, FinishingConflictsWithUnsuitableMedia)
{
    ppd_file_t* f = ppd();
    for (const char* media : {"Transparency", "Envelope", "LabelPaper"}) {
        EXPECT_GT(ConflictsWith(f, {{"MediaType", media}, {"QVStaple", "UpperLeftSinglePort"}}), 0) << media;
        EXPECT_GT(ConflictsWith(f, {{"MediaType", media}, {"Duplex", "DuplexNoTumble"}}), 0) << media;
    }
    // Plain paper takes every finishing.
    EXPECT_EQ(
        ConflictsWith(
            f, {{"MediaType", "Stationary"}, {"QVStaple", "TopDoublePort"}, {"Duplex", "DuplexTumble"}}),
        0);

    if (!GetParam().punch) return;
    EXPECT_GT(ConflictsWith(f, {{"MediaType", "Envelope"}, {"QVPunch", "True"}}), 0);
    EXPECT_GT(ConflictsWith(f, {{"QVInputSlot", "BypassTray"}, {"QVPunch", "True"}}), 0);
    EXPECT_EQ(ConflictsWith(f, {{"QVInputSlot", "1stTray"}, {"QVPunch", "True"}}), 0);
}

INSTANTIATE_TEST_SUITE_P(Printers, PpdConstraints, ::testing::ValuesIn(AllPrinters()),
                         [](const ::testing::TestParamInfo<PrinterExpectations>& info) {
                             return info.param.modelToken;
                         });

// The filter can punch and staple one set; only the KZ63 finisher refuses it.
TEST(PpdPunchStaple, PunchWithStapleConflictsOnlyOnTheKz63)
{
    for (const auto& p : AllPrinters()) {
        if (!p.punch) continue;
        PpdPtr ppd = OpenStrict(p.file);
        ASSERT_NE(ppd, nullptr) << p.file;
        int conflicts = ConflictsWith(ppd.get(), {{"QVPunch", "True"}, {"QVStaple", "LeftDoublePort"}});
        if (p.modelToken == "KZ63")
            EXPECT_GT(conflicts, 0) << p.file;
        else
            EXPECT_EQ(conflicts, 0) << p.file;
    }
}

// The dialog's constraint table only searches the options of top-level
// groups; the KZ63 keeps trapping in a subgroup and constrains it against
// the colour mode. libcups 2.4 does not build subgroup records (it files a
// subgroup's options under the enclosing group), so the subgroup is checked
// in the file text and the option is looked for in either place.
TEST(PpdSubgroup, Kz63TrappingLivesInASubgroupAndIsConstrained)
{
    const std::string text = testing_support::ReadFile(PpdPath("quorvel-kz63-color-mfp.ppd"));
    ASSERT_FALSE(text.empty());
    std::istringstream in(text);
    std::string line, openSubGroup, trappingIn;
    int subgroupsOpened = 0;
    while (std::getline(in, line)) {
        if (line.rfind("*OpenSubGroup:", 0) == 0) {
            openSubGroup = line.substr(line.find(':') + 1);
            ++subgroupsOpened;
        } else if (line.rfind("*CloseSubGroup:", 0) == 0) {
            openSubGroup.clear();
        } else if (line.rfind("*OpenUI *QVTrapping/", 0) == 0) {
            trappingIn = openSubGroup;
        }
    }
    EXPECT_EQ(subgroupsOpened, 1);
    EXPECT_EQ(trappingIn, " ColorAdjustment/Color Adjustment");

    PpdPtr ppd = OpenStrict("quorvel-kz63-color-mfp.ppd");
    ASSERT_NE(ppd, nullptr);
    ppd_option_t* trapping = ppdFindOption(ppd.get(), "QVTrapping");
    ASSERT_NE(trapping, nullptr);
    const ppd_group_t* owner = nullptr;
    for (int g = 0; g < ppd->num_groups; ++g) {
        const ppd_group_t& group = ppd->groups[g];
        for (int o = 0; o < group.num_options; ++o)
            if (&group.options[o] == trapping) owner = &group;
        for (int s = 0; s < group.num_subgroups; ++s)
            for (int o = 0; o < group.subgroups[s].num_options; ++o)
                if (&group.subgroups[s].options[o] == trapping) owner = &group;
    }
    ASSERT_NE(owner, nullptr);
    EXPECT_STREQ(owner->name, "ColorQuality");

    const auto all = ConstraintsOf(ppd.get());
    EXPECT_TRUE(all.count({"QVColorMode", "Black", "QVTrapping", "true"}));
    EXPECT_TRUE(all.count({"QVTrapping", "true", "QVColorMode", "Black"}));
    EXPECT_GT(ConflictsWith(ppd.get(), {{"QVColorMode", "Black"}, {"QVTrapping", "true"}}), 0);
    EXPECT_EQ(ConflictsWith(ppd.get(), {{"QVColorMode", "Black"}, {"QVTrapping", "false"}}), 0);
}

} // namespace
} // namespace ppdtest
