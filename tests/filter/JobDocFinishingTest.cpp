// Staple and punch lines: every staple position for every way the page is
// turned, punch with and without staple, and the PPD defaults.
#include "JobDocHarness.h"

#include "filter/FinishingCommand.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace jobdoc;

namespace {

const std::string kSimplex = " com.apple.print.PrintSettings.PMDuplexing..n.=1";
const std::string kPageFormat =
    "com.apple.print.subTicket.page_format_ticket..d.com.apple.print.PageFormat.PMOrientation..n.=";
const std::string kPrintSettings = "com.apple.print.PrintSettings.PMOrientation..n.=";

// The finishing lines of a group: between the duplex line and TIMEOUT.
std::string Finishing(const std::string& options, const std::string& ppd = kKZ63)
{
    const std::string group = Group(options + kSimplex, ppd);
    const std::string duplex = Set("DUPLEX=OFF");
    const size_t start = group.find(duplex);
    const size_t end = group.find(Set("TIMEOUT=0"));
    if (start == std::string::npos || end == std::string::npos || end < start) {
        ADD_FAILURE() << "no duplex or timeout line in:\n" << group;
        return {};
    }
    return group.substr(start + duplex.size(), end - start - duplex.size());
}

// Option strings that give each orientation class, in the ways a job can say it.
struct OrientationCase {
    const char* name;
    std::string options;
    OrientationClass orientation;
};

std::vector<OrientationCase> OrientationCases()
{
    return {
        {"no orientation", "", OrientationClass::Portrait},
        {"requested portrait", "orientation-requested=3", OrientationClass::Portrait},
        {"dialog landscape", kPageFormat + "2 " + kPrintSettings + "2", OrientationClass::Landscape},
        {"requested landscape", "orientation-requested=4", OrientationClass::Landscape},
        {"dialog reverse landscape", kPageFormat + "4 " + kPrintSettings + "4",
         OrientationClass::ReverseLandscape},
        {"requested reverse landscape", "orientation-requested=5", OrientationClass::ReverseLandscape},
        // Both dialog keys must agree.
        {"dialog keys disagree", kPageFormat + "2 " + kPrintSettings + "1", OrientationClass::Portrait},
        {"only page format reverse", kPageFormat + "4", OrientationClass::Portrait},
        // Landscape is tested first.
        {"dialog landscape, requested reverse",
         kPageFormat + "2 " + kPrintSettings + "2 orientation-requested=5", OrientationClass::Landscape},
        {"dialog reverse, requested landscape",
         kPageFormat + "4 " + kPrintSettings + "4 orientation-requested=4", OrientationClass::Landscape},
        {"requested reverse portrait", "orientation-requested=6", OrientationClass::Portrait},
    };
}

struct StapleCase {
    const char* staple;
    const char* portrait;
    const char* landscape;
    const char* reverseLandscape;
};

const StapleCase kStaples[] = {
    {"UpperLeftSinglePort", "TOPLEFT", "BOTTOMLEFT", "TOPRIGHT"},
    {"LeftDoublePort", "LEFTDUAL", "BOTTOMDUAL", "TOPDUAL"},
    {"TopDoublePort", "TOPDUAL", "LEFTDUAL", "RIGHTDUAL"},
};

std::string Expected(const StapleCase& staple, OrientationClass orientation)
{
    switch (orientation) {
    case OrientationClass::Landscape: return staple.landscape;
    case OrientationClass::ReverseLandscape: return staple.reverseLandscape;
    case OrientationClass::Portrait: break;
    }
    return staple.portrait;
}

std::string PunchEdge(OrientationClass orientation)
{
    switch (orientation) {
    case OrientationClass::Landscape: return "BOTTON";
    case OrientationClass::ReverseLandscape: return "TOP";
    case OrientationClass::Portrait: break;
    }
    return "LEFT";
}

TEST(JobDocFinishing, EveryStaplePositionForEveryOrientation)
{
    for (const OrientationCase& o : OrientationCases()) {
        for (const StapleCase& s : kStaples) {
            SCOPED_TRACE(std::string(o.name) + " / " + s.staple);
            EXPECT_EQ(Finishing(o.options + " QVStaple=" + s.staple),
                      Set("FINISH=ON") + Set("STAPLE=" + Expected(s, o.orientation)));
        }
    }
}

TEST(JobDocFinishing, PunchWithAndWithoutStapleForEveryOrientation)
{
    for (const OrientationCase& o : OrientationCases()) {
        SCOPED_TRACE(o.name);
        const std::string punch = Set("PUNCH=" + PunchEdge(o.orientation));
        EXPECT_EQ(Finishing(o.options + " QVPunch=True"), Set("FINISH=ON") + punch);
        EXPECT_EQ(Finishing(o.options + " QVPunch=true QVStaple=None"), Set("FINISH=ON") + punch);
        for (const StapleCase& s : kStaples)
            EXPECT_EQ(Finishing(o.options + " QVPunch=True QVStaple=" + s.staple),
                      punch + Set("FINISH=ON") + Set("STAPLE=" + Expected(s, o.orientation)))
                << s.staple;
    }
}

TEST(JobDocFinishing, NothingWithoutStapleOrPunch)
{
    EXPECT_EQ(Finishing(""), "");
    EXPECT_EQ(Finishing("QVStaple=None QVPunch=None orientation-requested=4"), "");
    // Punch choices other than the two spellings of true are no punch.
    EXPECT_EQ(Finishing("QVPunch=TRUE"), "");
    EXPECT_EQ(Finishing("QVPunch=2"), "");
    // A staple choice without a position.
    EXPECT_EQ(Finishing("QVStaple=SaddleStitch"), "");
    // Printers without a finisher.
    EXPECT_EQ(Finishing("", kBare), "");
    EXPECT_EQ(Finishing("", kRX42), "");
    // The WT74 staples but has no punch option: its punch stays empty.
    EXPECT_EQ(Finishing("", kWT74), "");
    EXPECT_EQ(Finishing("QVStaple=TopDoublePort orientation-requested=5", kWT74),
              Set("FINISH=ON") + Set("STAPLE=RIGHTDUAL"));
}

// A punch the job asks for is never dropped: on a printer without a stapler,
// or with a staple choice that has no position, the punch switches the
// finisher on itself.
TEST(JobDocFinishing, PunchIsKeptWithoutAStaplePosition)
{
    EXPECT_EQ(Finishing("QVPunch=True", kPunchNoStaple), Set("FINISH=ON") + Set("PUNCH=LEFT"));
    EXPECT_EQ(Finishing("QVPunch=True orientation-requested=4", kBare),
              Set("FINISH=ON") + Set("PUNCH=BOTTON"));
    EXPECT_EQ(Finishing("QVPunch=True QVStaple=SaddleStitch orientation-requested=5"),
              Set("FINISH=ON") + Set("PUNCH=TOP"));
    EXPECT_EQ(Finishing("", kPunchNoStaple), "");
}

TEST(JobDocFinishing, OrientationClassOfHandFilledRecord)
{
    FeaturesOption features{};
    EXPECT_EQ(FindOrientationClass(features), OrientationClass::Portrait);
    std::strcpy(features.requestedOrientation, "5");
    EXPECT_EQ(FindOrientationClass(features), OrientationClass::ReverseLandscape);
    std::strcpy(features.pageFormatOrientation, "2");
    std::strcpy(features.printSettingsOrientation, "2");
    EXPECT_EQ(FindOrientationClass(features), OrientationClass::Landscape);
    // Whole values only: "22" is not "2".
    std::strcpy(features.printSettingsOrientation, "22");
    EXPECT_EQ(FindOrientationClass(features), OrientationClass::ReverseLandscape);
}

} // namespace
