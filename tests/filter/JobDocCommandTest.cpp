// The job document group: golden output of a plain job on each of our printers,
// PPD defaults, copies and collation, quality and colour, trays, paper, media
// types, feed edge, duplex and pages per sheet.
#include "JobDocHarness.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace jobdoc;

namespace {

const std::string kSimplex = " com.apple.print.PrintSettings.PMDuplexing..n.=1";

TEST(JobDocGolden, PlainJobOnColourMfp) { EXPECT_EQ(Group(kPlainJob, kKZ63), kColourPlainGroup); }

// Monochrome printers: no colour mode, so the print mode goes with GRAYSCALE;
// no trapping option, so no TRAP line.
TEST(JobDocGolden, PlainJobOnMonochromeMfpAndPrinter)
{
    EXPECT_EQ(Group(kPlainJob, kRX42), kMonoPlainGroup);
    EXPECT_EQ(Group(kPlainJob, kWT74), kMonoPlainGroup);
}

// A printer that offers none of the defaulted options gets only what the job
// itself says.
TEST(JobDocGolden, JobWithoutFeatureOptionsOnBarePrinter)
{
    EXPECT_EQ(Group("", kBare), "@PJL SET COPIES=1\n"
                                "@PJL SET JOBATTR=\"@FSTP=0\"\n"
                                "@PJL SET JOBATTR=\"@LSTP=0\"\n"
                                "@PJL SET OUTBIN=MAINTRAY\n"
                                "@PJL SET JOBATTR=\"@LOUT=NOSCALING\"\n"
                                "@PJL SET DUPLEX=ON\n"
                                "@PJL SET TIMEOUT=0\n"
                                "@PJL SET JOBATTR=\"@NLPP=1\"\n");
    EXPECT_EQ(Group("Collate=false media=Letter", kBare), "@PJL SET COPIES=1\n"
                                                          "@PJL SET JOBATTR=\"@FSTP=0\"\n"
                                                          "@PJL SET JOBATTR=\"@LSTP=0\"\n"
                                                          "@PJL SET OUTBIN=MAINTRAY\n"
                                                          "@PJL SET JOBATTR=\"@LOUT=NOSCALING\"\n"
                                                          "@PJL SET COLLATE=OFF\n"
                                                          "@PJL SET PAPER=LETTER\n"
                                                          "@PJL SET DUPLEX=ON\n"
                                                          "@PJL SET TIMEOUT=0\n"
                                                          "@PJL SET JOBATTR=\"@NLPP=1\"\n");
}

// Without a PPD nothing is defaulted and model-dependent values are empty, but
// the lines that need them are still written.
TEST(JobDocGolden, NoPpdGivesEmptyModelValues)
{
    EXPECT_EQ(Group("QVInputSlot=BypassTray MediaType=ThickPaper2" + kSimplex, ""),
              "@PJL SET COPIES=1\n"
              "@PJL SET JOBATTR=\"@FSTP=0\"\n"
              "@PJL SET JOBATTR=\"@LSTP=0\"\n"
              "@PJL SET OUTBIN=MAINTRAY\n"
              "@PJL SET JOBATTR=\"@LOUT=NOSCALING\"\n"
              "@PJL SET MEDIASOURCE=\n"
              "@PJL SET JOBATTR=\"@MSIP=\"\n"
              "@PJL SET DUPLEX=OFF\n"
              "@PJL SET TIMEOUT=0\n"
              "@PJL SET JOBATTR=\"@NLPP=1\"\n");
    const std::string onTray = Group("QVInputSlot=3rdTray MediaType=ThickPaper2" + kSimplex, "");
    EXPECT_TRUE(HasLine(onTray, Attr("INPT=INTRAY3")));
    EXPECT_TRUE(HasLine(onTray, Attr("APSP=")));
}

TEST(JobDocGolden, PpdWithoutModelNameGivesEmptyModelValues)
{
    const std::string group = Group("QVInputSlot=BypassTray MediaType=ThickPaper2" + kSimplex, kNoModelName);
    EXPECT_TRUE(HasLine(group, Set("MEDIASOURCE=")));
    EXPECT_TRUE(HasLine(group, Attr("MSIP=")));
    // The PPD still offers the feed edge, so its default applies.
    EXPECT_TRUE(HasLine(group, Set("PAPERDIRECTION=SEF")));
}

TEST(JobDocCopies, CollateChoosesQtyOrCopiesAndTheCollateLine)
{
    const std::string collated = Group("Collate=true" + kSimplex, kKZ63, "3");
    EXPECT_EQ(collated.rfind(Set("QTY=3"), 0), 0u);
    EXPECT_TRUE(HasLine(collated,
                        Attr("DIPQ=STANDARD") + Set("COLLATE=COLLATENORMAL") + Set("RENDERMODE=AUTOCOLOR")));

    const std::string uncollated = Group("Collate=false" + kSimplex, kKZ63, "3");
    EXPECT_EQ(uncollated.rfind(Set("COPIES=3"), 0), 0u);
    EXPECT_TRUE(HasLine(uncollated, Set("COLLATE=OFF")));

    // Only the exact lower-case choices count.
    const std::string other = Group("Collate=True" + kSimplex, kKZ63, "3");
    EXPECT_EQ(other.rfind(Set("COPIES=3"), 0), 0u);
    EXPECT_EQ(other.find("COLLATE"), std::string::npos);
}

TEST(JobDocCopies, CopiesTextIsPassedOnButCannotBreakTheLine)
{
    EXPECT_EQ(Group(kSimplex, kKZ63, "12").rfind(Set("COPIES=12"), 0), 0u);
    // A copies argument with a line feed must not start a PJL line of its own.
    const std::string group = Group(kSimplex, kKZ63, "2\n@PJL ENTER LANGUAGE=PCL");
    EXPECT_EQ(group.rfind(Set("COPIES=2@PJL ENTER LANGUAGE=PCL"), 0), 0u);
    EXPECT_FALSE(HasLine(group, "@PJL ENTER"));
}

TEST(JobDocQuality, ColourPrinterMapsPrintModeAndColourMode)
{
    const std::string fast =
        Group("QVOutputMode=HighSpeed QVColorMode=Black Collate=false" + kSimplex, kKZ63);
    EXPECT_TRUE(HasLine(fast, Set("OUTBIN=MAINTRAY") + Attr("LOUT=NOSCALING") + Attr("DIPQ=SPEED") +
                                  Set("COLLATE=OFF") + Set("RENDERMODE=GRAYSCALE") + Attr("TRAP=ON")));
    const std::string fine = Group("QVOutputMode=HighQuality" + kSimplex, kKZ63);
    EXPECT_TRUE(HasLine(fine, Attr("DIPQ=QUALITY2") + Set("RENDERMODE=AUTOCOLOR")));
    // Unknown values give no line of their own, the other line stays.
    const std::string odd = Group("QVOutputMode=Draft QVColorMode=Sepia" + kSimplex, kKZ63);
    EXPECT_EQ(odd.find("DIPQ"), std::string::npos);
    EXPECT_EQ(odd.find("RENDERMODE"), std::string::npos);
    const std::string oddColour = Group("QVColorMode=Sepia" + kSimplex, kKZ63);
    EXPECT_TRUE(HasLine(oddColour, Attr("DIPQ=STANDARD") + Attr("TRAP=ON")));
}

TEST(JobDocQuality, MonochromePrinterWritesQualityThenGrayscaleThenCollate)
{
    const std::string group = Group("QVOutputMode=HighQuality Collate=true" + kSimplex, kRX42);
    EXPECT_TRUE(HasLine(group, Attr("LOUT=NOSCALING") + Attr("DIPQ=QUALITY2") + Set("RENDERMODE=GRAYSCALE") +
                                   Set("COLLATE=COLLATENORMAL") + Set("AUTOSELECT=ON")));
    // An unknown print mode: neither DIPQ nor RENDERMODE, collation still written.
    const std::string odd = Group("QVOutputMode=Draft Collate=true" + kSimplex, kRX42);
    EXPECT_TRUE(HasLine(odd, Attr("LOUT=NOSCALING") + Set("COLLATE=COLLATENORMAL") + Set("AUTOSELECT=ON")));
    // A colour choice sent to a monochrome printer does not make it a colour one.
    const std::string colour = Group("QVOutputMode=HighSpeed QVColorMode=Color" + kSimplex, kRX42);
    EXPECT_TRUE(HasLine(colour, Attr("DIPQ=SPEED") + Set("RENDERMODE=AUTOCOLOR")));
}

// A colour printer without a print-mode option still hears the colour choice:
// a black-and-white job must not come out in colour.
TEST(JobDocQuality, ColourPrinterWithoutPrintModeKeepsColourChoice)
{
    const std::string black = Group("QVColorMode=Black Collate=false" + kSimplex, kColorNoOutputMode);
    EXPECT_TRUE(HasLine(black, Attr("LOUT=NOSCALING") + Set("COLLATE=OFF") + Set("RENDERMODE=GRAYSCALE") +
                                   Set("DUPLEX=OFF")));
    EXPECT_EQ(black.find("DIPQ"), std::string::npos);
    const std::string defaulted = Group(kSimplex, kColorNoOutputMode);
    EXPECT_TRUE(HasLine(defaulted, Attr("LOUT=NOSCALING") + Set("RENDERMODE=AUTOCOLOR")));
}

TEST(JobDocQuality, Trapping)
{
    EXPECT_TRUE(HasLine(Group("QVTrapping=false" + kSimplex, kKZ63), Attr("TRAP=OFF")));
    EXPECT_TRUE(HasLine(Group("QVTrapping=true" + kSimplex, kKZ63), Attr("TRAP=ON")));
    EXPECT_EQ(Group("QVTrapping=maybe" + kSimplex, kKZ63).find("TRAP"), std::string::npos);
    // A job may ask for trapping on a printer that does not offer it.
    EXPECT_TRUE(HasLine(Group("QVTrapping=false" + kSimplex, kRX42), Attr("TRAP=OFF")));
}

TEST(JobDocPaper, TraysWithDefaultOtherAndNoMediaType)
{
    const char* trays[] = {"1stTray", "2ndTray", "3rdTray", "4thTray"};
    for (int i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i + 1);
        SCOPED_TRACE(trays[i]);
        const std::string plainMedia =
            Group(std::string("QVInputSlot=") + trays[i] + " MediaType=Default media=A4" + kSimplex, kKZ63);
        EXPECT_TRUE(HasLine(plainMedia, Attr("TRAP=ON") + Set("MEDIASOURCE=TRAY" + n) + Set("PAPER=A4") +
                                            Set("MEDIATYPE=OFF") + Set("DUPLEX=OFF")));
        const std::string thick = Group(
            std::string("QVInputSlot=") + trays[i] + " MediaType=ThickPaper media=A4" + kSimplex, kKZ63);
        EXPECT_TRUE(HasLine(thick, Attr("TRAP=ON") + Attr("INPT=INTRAY" + n) + Set("PAPER=A4") +
                                       Attr("APSP=THICK") + Set("DUPLEX=OFF")));
        // The job named no media type: the tray goes as an input attribute, and
        // the printer's default media type follows.
        const std::string unnamed = Group(std::string("QVInputSlot=") + trays[i] + kSimplex, kKZ63);
        EXPECT_TRUE(HasLine(unnamed, Attr("INPT=INTRAY" + n) + Set("MEDIATYPE=OFF")));
        // A printer without media types.
        const std::string bare = Group(std::string("QVInputSlot=") + trays[i] + kSimplex, kBare);
        EXPECT_TRUE(HasLine(bare, Attr("LOUT=NOSCALING") + Attr("INPT=INTRAY" + n) + Set("DUPLEX=OFF")));
    }
}

TEST(JobDocPaper, AutoSelectAndUnknownSource)
{
    EXPECT_TRUE(HasLine(Group("QVInputSlot=AutoSelect" + kSimplex, kBare), Set("AUTOSELECT=ON")));
    const std::string unknown = Group("QVInputSlot=5thTray" + kSimplex, kKZ63);
    EXPECT_TRUE(HasLine(unknown, Attr("TRAP=ON") + Set("MEDIATYPE=OFF")));
    EXPECT_EQ(unknown.find("INPT"), std::string::npos);
    EXPECT_EQ(unknown.find("MEDIASOURCE"), std::string::npos);
    EXPECT_EQ(unknown.find("AUTOSELECT"), std::string::npos);
}

TEST(JobDocPaper, BypassTrayNameByModel)
{
    EXPECT_TRUE(HasLine(Group("QVInputSlot=BypassTray" + kSimplex, kKZ63), Set("MEDIASOURCE=TRAY5")));
    EXPECT_TRUE(HasLine(Group("QVInputSlot=BypassTray" + kSimplex, kRX42), Set("MEDIASOURCE=SMH")));
    EXPECT_TRUE(HasLine(Group("QVInputSlot=BypassTray" + kSimplex, kWT74), Set("MEDIASOURCE=SMH")));
    // A model of no known family.
    EXPECT_TRUE(HasLine(Group("QVInputSlot=BypassTray" + kSimplex, kBare), Set("MEDIASOURCE=TRAY5")));
}

TEST(JobDocPaper, PaperSizes)
{
    const std::pair<const char*, const char*> sizes[] = {
        {"A3", "A3"}, {"B4", "JISB4"},      {"A4", "A4"},       {"B5", "JISB5"},
        {"A5", "A5"}, {"Letter", "LETTER"}, {"Legal", "LEGAL"}, {"Tabloid", "LEDGER"},
    };
    for (const auto& [media, paper] : sizes) {
        SCOPED_TRACE(media);
        EXPECT_TRUE(
            HasLine(Group(std::string("media=") + media + kSimplex, kKZ63),
                    Set("AUTOSELECT=ON") + Set(std::string("PAPER=") + paper) + Set("MEDIATYPE=OFF")));
    }
    for (const char* media : {"a4", "A4.Transverse", "Executive", "na_letter_8.5x11in"})
        EXPECT_EQ(Group(std::string("media=") + media + kSimplex, kKZ63).find("PAPER"), std::string::npos)
            << media;
}

struct MediaTypeCase {
    const char* mediaType;
    const char* tray;   // APSP value, nullptr: no line
    const char* bypass; // MSIP value on the KZ63
};

const MediaTypeCase kMediaTypes[] = {
    {"Stationary", "NORMAL", "NORMAL"},
    {"StationaryBack", nullptr, "NORMALREV"},
    {"ThickPaper", "THICK", "THICK"},
    {"ThickPaper2", "SUPERTHICK", "SUPERTHICK"},
    {"Transparency", "THICK", "THICK"},
    {"TRANSPARENCY", "THICK", "THICK"},
    {"FinePaper", "HIGHQUALITY", "HIGHQUALITY"},
    {"FinePaperBack", nullptr, "HIGHQUALITYREV"},
    {"RecyclePaper", "RECYCLE", "RECYCLE"},
    {"LetterheadPaper", "LETTERHEAD", "LETTERHEAD"},
    {"PreprintedPaper", "PREPRINTED", "PREPRINTED"},
    {"PrepunchedPaper", "PREPUNCHED", "PREPUNCHED"},
    {"ColoredPaper", "COLOR", "COLOR"},
    {"ThickPaper3", "THICK3", "THICK3"},
    {"CoatingPaper1", "COATEDPAPER", "COATEDPAPER"},
    {"CoatingPaper1Back", nullptr, "COATEDPAPERREV"},
    {"CoatingPaper2", "COATEDPAPER2", "COATEDPAPER2"},
    {"CoatingPaper2Back", nullptr, "COATEDPAPER2REV"},
    {"CoatingPaper3", "COATEDPAPER3", "COATEDPAPER3"},
    {"CoatingPaper3Back", nullptr, "COATEDPAPER3REV"},
    {"LabelPaper", "LABEL", "LABEL"},
    {"Envelope", "ENVELOPE", "ENVELOPE"},
};

TEST(JobDocMediaType, EveryMediaTypeOnATrayAndOnTheBypassTray)
{
    for (const MediaTypeCase& c : kMediaTypes) {
        SCOPED_TRACE(c.mediaType);
        const std::string type = std::string(" MediaType=") + c.mediaType;
        const std::string tray = Group("QVInputSlot=2ndTray media=A4" + type + kSimplex, kKZ63);
        if (c.tray != nullptr)
            EXPECT_TRUE(
                HasLine(tray, Set("PAPER=A4") + Attr(std::string("APSP=") + c.tray) + Set("DUPLEX=OFF")));
        else
            EXPECT_TRUE(HasLine(tray, Set("PAPER=A4") + Set("DUPLEX=OFF")));
        EXPECT_EQ(tray.find("MSIP"), std::string::npos);

        const std::string bypass = Group("QVInputSlot=BypassTray media=A4" + type + kSimplex, kKZ63);
        EXPECT_TRUE(HasLine(bypass, Set("MEDIASOURCE=TRAY5") + Set("PAPER=A4") +
                                        Attr(std::string("MSIP=") + c.bypass) + Set("PAPERDIRECTION=SEF")));
        EXPECT_EQ(bypass.find("APSP"), std::string::npos);
    }
}

TEST(JobDocMediaType, DefaultUnknownAndAutoSelect)
{
    // "Default" is the printer's own media, also on the bypass tray.
    EXPECT_TRUE(HasLine(Group("QVInputSlot=BypassTray MediaType=Default" + kSimplex, kKZ63),
                        Set("MEDIASOURCE=TRAY5") + Set("MEDIATYPE=OFF") + Set("PAPERDIRECTION=SEF")));
    // Media types go with automatic tray selection too.
    EXPECT_TRUE(HasLine(Group("MediaType=LabelPaper" + kSimplex, kKZ63),
                        Set("AUTOSELECT=ON") + Attr("APSP=LABEL") + Set("DUPLEX=OFF")));
    const std::string unknown = Group("MediaType=Cardboard" + kSimplex, kKZ63);
    EXPECT_EQ(unknown.find("APSP"), std::string::npos);
    EXPECT_EQ(unknown.find("MEDIATYPE"), std::string::npos);
    // A printer without media types writes no media-type line at all.
    EXPECT_EQ(Group(kSimplex, kBare).find("MEDIATYPE"), std::string::npos);
}

TEST(JobDocMediaType, ThickPaper2ByModel)
{
    EXPECT_TRUE(HasLine(Group("MediaType=ThickPaper2" + kSimplex, kRX42), Attr("APSP=SUPERTHICK")));
    EXPECT_TRUE(HasLine(Group("MediaType=ThickPaper2" + kSimplex, kKZ63), Attr("APSP=SUPERTHICK")));
    // The WT74 is of the wider C family only: not the C rule, so SUPERTHICK.
    EXPECT_TRUE(HasLine(Group("MediaType=ThickPaper2 QVInputSlot=BypassTray" + kSimplex, kWT74),
                        Attr("MSIP=SUPERTHICK")));
}

TEST(JobDocFeedEdge, BypassTrayFeedEdge)
{
    const std::pair<const char*, const char*> edges[] = {
        {"LongEdge", "LEF"}, {"LongEdgeR", "LEF"}, {"ShortEdge", "SEF"}, {"ShortEdgeR", "SEF"}};
    for (const auto& [edge, direction] : edges) {
        SCOPED_TRACE(edge);
        EXPECT_TRUE(HasLine(
            Group(std::string("QVInputSlot=BypassTray QVMSILeadingEdge=") + edge + kSimplex, kKZ63),
            Set("MEDIATYPE=OFF") + Set(std::string("PAPERDIRECTION=") + direction) + Set("DUPLEX=OFF")));
        // The feed edge belongs to the bypass tray only.
        EXPECT_EQ(Group(std::string("QVInputSlot=1stTray QVMSILeadingEdge=") + edge + kSimplex, kKZ63)
                      .find("PAPERDIRECTION"),
                  std::string::npos);
    }
    EXPECT_EQ(
        Group("QVInputSlot=BypassTray QVMSILeadingEdge=Diagonal" + kSimplex, kKZ63).find("PAPERDIRECTION"),
        std::string::npos);
    // No feed-edge option and none in the job: no line.
    EXPECT_EQ(Group("QVInputSlot=BypassTray" + kSimplex, kBare).find("PAPERDIRECTION"), std::string::npos);
    // The job's feed edge is honoured on a printer that does not list the option.
    EXPECT_TRUE(HasLine(Group("QVInputSlot=BypassTray QVMSILeadingEdge=LongEdge" + kSimplex, kBare),
                        Set("PAPERDIRECTION=LEF")));
}

TEST(JobDocDuplex, DuplexKeyValues)
{
    const std::string key = "com.apple.print.PrintSettings.PMDuplexing..n.=";
    EXPECT_TRUE(HasLine(Group(key + "1", kKZ63), Set("DUPLEX=OFF") + Set("TIMEOUT=0")));
    EXPECT_TRUE(
        HasLine(Group(key + "2", kKZ63), Set("DUPLEX=ON") + Set("BINDING=LONGEDGE") + Set("TIMEOUT=0")));
    EXPECT_TRUE(
        HasLine(Group(key + "3", kKZ63), Set("DUPLEX=ON") + Set("BINDING=SHORTEDGE") + Set("TIMEOUT=0")));
    // Other values: duplex without a binding.
    for (const char* other : {"0", "4", "-7"})
        EXPECT_TRUE(HasLine(Group(key + other, kKZ63), Set("DUPLEX=ON") + Set("TIMEOUT=0"))) << other;
    // The key wins over the CUPS options.
    EXPECT_TRUE(HasLine(Group(key + "1 sides=two-sided-long-edge Duplex=DuplexTumble", kKZ63),
                        Set("DUPLEX=OFF") + Set("TIMEOUT=0")));
}

// Jobs from lp or other applications carry no print-dialog duplex key.
TEST(JobDocDuplex, JobWithoutDuplexKey)
{
    // The printer's default: one-sided on the KZ63 and WT74, long-edge on the RX42.
    EXPECT_TRUE(HasLine(Group("", kKZ63), Set("DUPLEX=OFF") + Set("TIMEOUT=0")));
    EXPECT_TRUE(HasLine(Group("", kWT74), Set("DUPLEX=OFF") + Set("TIMEOUT=0")));
    EXPECT_TRUE(HasLine(Group("", kRX42), Set("DUPLEX=ON") + Set("BINDING=LONGEDGE") + Set("TIMEOUT=0")));
    // The PPD's own duplex option, and CUPS's "sides".
    EXPECT_TRUE(HasLine(Group("Duplex=DuplexNoTumble", kKZ63), Set("DUPLEX=ON") + Set("BINDING=LONGEDGE")));
    EXPECT_TRUE(HasLine(Group("Duplex=DuplexTumble", kKZ63), Set("DUPLEX=ON") + Set("BINDING=SHORTEDGE")));
    EXPECT_TRUE(
        HasLine(Group("sides=two-sided-long-edge", kKZ63), Set("DUPLEX=ON") + Set("BINDING=LONGEDGE")));
    EXPECT_TRUE(
        HasLine(Group("sides=two-sided-short-edge", kWT74), Set("DUPLEX=ON") + Set("BINDING=SHORTEDGE")));
    EXPECT_TRUE(HasLine(Group("sides=one-sided Duplex=None", kKZ63), Set("DUPLEX=OFF")));
    // A printer with no duplex option and a job that says nothing.
    EXPECT_TRUE(HasLine(Group("", kBare), Set("DUPLEX=ON") + Set("TIMEOUT=0")));
    EXPECT_TRUE(HasLine(Group("", ""), Set("DUPLEX=ON") + Set("TIMEOUT=0")));
}

TEST(JobDocPagesPerSheet, NumberUp)
{
    EXPECT_TRUE(HasLine(Group("number-up=4" + kSimplex, kKZ63), Set("TIMEOUT=0") + Attr("NLPP=N4")));
    EXPECT_TRUE(HasLine(Group("number-up=1" + kSimplex, kKZ63), Set("TIMEOUT=0") + Attr("NLPP=1")));
    EXPECT_TRUE(HasLine(Group("com.apple.print.PrintSettings.PMLayoutRows..n.=2 "
                              "com.apple.print.PrintSettings.PMLayoutColumns..n.=3" +
                                  kSimplex,
                              kKZ63),
                        Attr("NLPP=N6")));
    // NLPP is the group's last line.
    const std::string group = Group("number-up=16" + kSimplex, kKZ63);
    const std::string last = Attr("NLPP=N16");
    ASSERT_GE(group.size(), last.size());
    EXPECT_EQ(group.substr(group.size() - last.size()), last);
}

// The record's fixed fields are read only up to their size, even when one is
// full to the last byte.
TEST(JobDocRecord, FullFieldsAndEmptyNumberUp)
{
    auto options = std::make_unique<PrintOptions>();
    options->features.duplex = 1;
    std::memset(options->features.media, 'A', sizeof options->features.media);
    std::memset(options->features.numberUp, 0, sizeof options->features.numberUp);
    const std::string group = GroupOf(*options, kBare);
    EXPECT_EQ(group.find("PAPER"), std::string::npos);
    EXPECT_TRUE(HasLine(group, Set("DUPLEX=OFF") + Set("TIMEOUT=0") + Attr("NLPP=1")));
}

} // namespace
