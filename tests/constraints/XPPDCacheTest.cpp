#include "constraints/CQuickXPPD.h"
#include "constraints/XPPDBuild.h"
#include "constraints/XPPDCache.h"
#include "constraints/XPPDQuery.h"
#include "constraints/XPPDStamp.h"
#include "tests/constraints/ConstraintsTestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <sstream>

using namespace constraints_test;

namespace {

using EntryList = std::vector<std::pair<std::string, x_constraints>>;

// Read a cache text with no PPD to check indices against.
EntryList ReadCache(const std::string& text, const std::string& stamp = "PrintFeaturePDETiger")
{
    XppdTable table;
    CQuickXPPD reader(nullptr, &table, stamp);
    std::istringstream in(text);
    in >> reader;
    return Entries(table);
}

TEST(GetOneLine, TakesTheFieldBeforeTheFirstSeparator)
{
    std::string_view source = "QVStaple:None@0@3@";
    std::string field = "old";
    EXPECT_TRUE(getoneline(source, field, '@'));
    EXPECT_EQ(field, "QVStaple:None");
    EXPECT_EQ(source, "0@3@");

    source = "@rest";
    EXPECT_TRUE(getoneline(source, field, '@'));
    EXPECT_EQ(field, "");
    EXPECT_EQ(source, "rest");

    // No separator left: nothing moves.
    source = "tail";
    field = "kept";
    EXPECT_FALSE(getoneline(source, field, '@'));
    EXPECT_EQ(field, "kept");
    EXPECT_EQ(source, "tail");
}

TEST(CacheReader, OneRecordAddsExactlyOneEntry)
{
    EXPECT_EQ(ReadCache("PrintFeaturePDETiger\nQVStaple:LeftDoublePort@0@3@2@\n"),
              (EntryList{{"QVStaple:LeftDoublePort", {0, 3, 2}}}));
}

TEST(CacheReader, OnlyTheSectionAfterTheMatchingStampIsRead)
{
    const std::string text = "any text before\n"
                             "PrintFeaturePDEPanther\nA:1@0@0@1@\n"
                             "PrintFeaturePDETiger\nB:1@0@1@1@B:2@0@1@2@\n"
                             "ImageOptionPDETiger\nC:1@1@0@0@\n"
                             "PrintFeaturePDETiger\nD:1@1@1@1@\n";
    EXPECT_EQ(ReadCache(text), (EntryList{{"B:1", {0, 1, 1}}, {"B:2", {0, 1, 2}}}));
    EXPECT_EQ(ReadCache(text, "PrintFeaturePDEPanther"), (EntryList{{"A:1", {0, 0, 1}}}));
    EXPECT_EQ(ReadCache(text, "ImageOptionPDETiger"), (EntryList{{"C:1", {1, 0, 0}}}));
}

TEST(CacheReader, StampLineMustMatchExactly)
{
    EXPECT_TRUE(ReadCache("PrintFeaturePDETiger \nA:1@0@0@1@\n").empty());
    EXPECT_TRUE(ReadCache("PrintFeaturePDETiger\r\nA:1@0@0@1@\n").empty());
    EXPECT_TRUE(ReadCache("printfeaturepdetiger\nA:1@0@0@1@\n").empty());
    EXPECT_TRUE(ReadCache("A:1@0@0@1@\n").empty());
    EXPECT_TRUE(ReadCache("PrintFeaturePDETiger\n").empty());
    EXPECT_TRUE(ReadCache("").empty());
    // The data line need not end with a line feed.
    EXPECT_EQ(ReadCache("PrintFeaturePDETiger\nA:1@0@0@1@").size(), 1u);
    // Anything after the data line is not read.
    EXPECT_EQ(ReadCache("PrintFeaturePDETiger\nA:1@0@0@1@\nB:1@0@0@1@\n").size(), 1u);
}

TEST(CacheReader, DuplicatesAreKeptAndEmptyKeysSkipped)
{
    EXPECT_EQ(ReadCache("PrintFeaturePDETiger\nA:1@0@0@1@@4@4@4@A:1@0@0@1@\n"),
              (EntryList{{"A:1", {0, 0, 1}}, {"A:1", {0, 0, 1}}}));
}

TEST(CacheReader, MalformedNumbersReadAsZeroAndNumbersPastSixteenBitsAreSkipped)
{
    EXPECT_EQ(ReadCache("PrintFeaturePDETiger\nA:1@x@@ 7z@\n"), (EntryList{{"A:1", {0, 0, 7}}}));
    EXPECT_EQ(ReadCache("PrintFeaturePDETiger\nA:1@65535@0@0@B:1@65536@0@0@C:1@-1@0@0@"
                        "D:1@0@99999999999999999999999@0@\n"),
              (EntryList{{"A:1", {65535, 0, 0}}}));
}

// Text after the last "@" once made the reader spin for ever; each case runs
// in a child that an alarm ends if it does not finish.
TEST(CacheReaderDeathTest, TextAfterTheLastSeparatorEndsTheReading)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto readsAndExits = [](const std::string& text, std::size_t expected) {
        alarm(5);
        const std::size_t read = ReadCache(text).size();
        _exit(read == expected ? 0 : 1);
    };
    EXPECT_EXIT(readsAndExits("PrintFeaturePDETiger\nA:1@0@0@1@\r\n", 1), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(readsAndExits("PrintFeaturePDETiger\nA:1@0@0@1@B:1@0@0\n", 1), ::testing::ExitedWithCode(0),
                "");
    EXPECT_EXIT(readsAndExits("PrintFeaturePDETiger\nA:1@0@0@1@B:1@0@0@\n", 1), ::testing::ExitedWithCode(0),
                "");
    EXPECT_EXIT(readsAndExits("PrintFeaturePDETiger\nno separator at all\n", 0), ::testing::ExitedWithCode(0),
                "");
}

class ShapesCache : public ::testing::Test {
protected:
    void SetUp() override
    {
        ppd_ = OpenOrFail(FixturePath("shapes.ppd"));
        ASSERT_TRUE(ppd_);
        BuildXppdFromConstraints(ppd_.get(), &built_, OptionKeywords(ppd_.get()));
    }

    // A copy of shapes.ppd whose QVXCDFSetting names a cache file with the text.
    PpdFilePtr PPDWithCache(const std::string& cacheText, const std::string& attribute = "QVXCDFSetting")
    {
        const std::string cache = dir_.Write("shapes.xppd", cacheText);
        const std::string path = CopyPPDWithLines(dir_, FixturePath("shapes.ppd"), "cached.ppd",
                                                  "*" + attribute + ": \"" + cache + "\"\n");
        return OpenOrFail(path);
    }

    std::string Written(const XppdTable& table, const std::string& stamp = "PrintFeaturePDETiger")
    {
        std::ostringstream out;
        out << CQuickXPPD(ppd_.get(), const_cast<XppdTable*>(&table), stamp);
        return out.str();
    }

    TempDir dir_;
    PpdFilePtr ppd_;
    XppdTable built_;
};

TEST_F(ShapesCache, WrittenSectionReadsBackAsTheBuiltTable)
{
    const std::string text = Written(built_);
    EXPECT_TRUE(text.starts_with("PrintFeaturePDETiger\nMediaType:Envelope@0@2@1@MediaType:Envelope@0@2@3@"));
    EXPECT_TRUE(text.ends_with("@\n"));
    XppdTable read;
    CQuickXPPD reader(ppd_.get(), &read, "PrintFeaturePDETiger");
    std::istringstream in(text);
    in >> reader;
    EXPECT_EQ(reader.SkippedRecords(), 0u);
    EXPECT_EQ(Entries(read), Entries(built_));
}

TEST_F(ShapesCache, GetXPPDFillsTheTableFromTheNamedFile)
{
    PpdFilePtr ppd = PPDWithCache("header\n" + Written(built_));
    ASSERT_TRUE(ppd);
    XppdTable table;
    EXPECT_EQ(GetXPPD(ppd.get(), &table, kPrintFeatureStampPrefix, kXppdCacheAttribute), 0);
    EXPECT_EQ(Entries(table), Entries(built_));

    // The query reads marks through the loaded table like through a built one.
    ASSERT_TRUE(Mark(ppd.get(), "QVPunch", "True"));
    EXPECT_EQ(IsPPDChoiceConflicted(ppd.get(), &table, "QVStaple", "TopDoublePort"), 1);
    EXPECT_EQ(IsPPDChoiceConflicted(ppd.get(), &table, "QVStaple", "Off"), 0);
}

TEST_F(ShapesCache, AttributeIsFoundByItsFirstNineteenBytes)
{
    PpdFilePtr ppd = PPDWithCache(Written(built_), "QVXCDFSettingTigerPath");
    ASSERT_TRUE(ppd);
    XppdTable table;
    EXPECT_EQ(GetXPPD(ppd.get(), &table, kPrintFeatureStampPrefix, "QVXCDFSetting"), 0);
    EXPECT_EQ(table.Size(), built_.Size());
    XppdTable cut;
    // 22 bytes given; the first 19, "QVXCDFSettingTigerP", are compared.
    EXPECT_EQ(GetXPPD(ppd.get(), &cut, kPrintFeatureStampPrefix, "QVXCDFSettingTigerPXX"), 0);
    EXPECT_EQ(cut.Size(), built_.Size());
    XppdTable none;
    EXPECT_EQ(GetXPPD(ppd.get(), &none, kPrintFeatureStampPrefix, "QVXCDFSettingTigerX"), 1);
    EXPECT_TRUE(none.Empty());
}

TEST_F(ShapesCache, MissingAttributeOrFileLeavesTheTableAsItWas)
{
    XppdTable table;
    table.Insert("Kept:1", x_constraints{0, 0, 1});
    EXPECT_EQ(GetXPPD(ppd_.get(), &table, kPrintFeatureStampPrefix, kXppdCacheAttribute), 1);
    const std::string path = CopyPPDWithLines(dir_, FixturePath("shapes.ppd"), "gone.ppd",
                                              "*QVXCDFSetting: \"" + dir_.file("missing.xppd") + "\"\n");
    PpdFilePtr ppd = OpenOrFail(path);
    ASSERT_TRUE(ppd);
    EXPECT_EQ(GetXPPD(ppd.get(), &table, kPrintFeatureStampPrefix, kXppdCacheAttribute), 1);
    EXPECT_EQ(GetXPPD(nullptr, &table, kPrintFeatureStampPrefix, kXppdCacheAttribute), 1);
    EXPECT_EQ(GetXPPD(ppd.get(), nullptr, kPrintFeatureStampPrefix, kXppdCacheAttribute), 1);
    EXPECT_EQ(Entries(table), (EntryList{{"Kept:1", {0, 0, 1}}}));
}

TEST_F(ShapesCache, FileWithoutTheStampOpensButAddsNothing)
{
    PpdFilePtr ppd = PPDWithCache("nothing for us here\nA:1@0@0@1@\n");
    ASSERT_TRUE(ppd);
    XppdTable table;
    EXPECT_EQ(GetXPPD(ppd.get(), &table, kPrintFeatureStampPrefix, kXppdCacheAttribute), 0);
    EXPECT_TRUE(table.Empty());
}

TEST_F(ShapesCache, PantherSectionIsReadOnlyOnKernelMajorSeven)
{
    PpdFilePtr ppd = PPDWithCache(Written(built_, "PrintFeaturePDEPanther"));
    ASSERT_TRUE(ppd);
    XppdTable onDefault;
    EXPECT_EQ(GetXPPD(ppd.get(), &onDefault, kPrintFeatureStampPrefix, kXppdCacheAttribute), 0);
    EXPECT_TRUE(onDefault.Empty());
    for (const char* release : {"8.0.0", "11.4.2", "17.0.0", "6.1.0"}) {
        ScopedRelease scoped(release);
        XppdTable table;
        EXPECT_EQ(GetXPPD(ppd.get(), &table, kPrintFeatureStampPrefix, kXppdCacheAttribute), 0);
        EXPECT_TRUE(table.Empty()) << release;
    }
    ScopedRelease panther("7.9.0");
    XppdTable table;
    EXPECT_EQ(GetXPPD(ppd.get(), &table, kPrintFeatureStampPrefix, kXppdCacheAttribute), 0);
    EXPECT_EQ(Entries(table), Entries(built_));
}

// A cache file made for another PPD points past this one's arrays: those
// records are left out when read, and the rest still load.
TEST_F(ShapesCache, StaleRecordsAreSkippedWhenRead)
{
    const std::string text = "PrintFeaturePDETiger\n"
                             "QVStaple:TopDoublePort@0@0@1@" // QVPunch True: fine
                             "QVStaple:TopDoublePort@3@0@0@" // no group 3
                             "QVStaple:TopDoublePort@0@3@0@" // group 0 has 3 options
                             "QVStaple:TopDoublePort@0@0@2@" // QVPunch has 2 choices
                             "\n";
    PpdFilePtr ppd = PPDWithCache(text);
    ASSERT_TRUE(ppd);
    XppdTable table;
    EXPECT_EQ(GetXPPD(ppd.get(), &table, kPrintFeatureStampPrefix, kXppdCacheAttribute), 0);
    EXPECT_EQ(Entries(table), (EntryList{{"QVStaple:TopDoublePort", {0, 0, 1}}}));

    XppdTable direct;
    CQuickXPPD reader(ppd.get(), &direct, "PrintFeaturePDETiger");
    std::istringstream in(text);
    in >> reader;
    EXPECT_EQ(reader.SkippedRecords(), 3u);
}

TEST_F(ShapesCache, TwoSectionsWrittenWithTheirOwnKeywordLists)
{
    CQuickXPPD writer(ppd_.get(), nullptr, "unused");
    EXPECT_TRUE(writer.AddSection("PrintFeaturePDEPanther", {"QVPunch"}));
    EXPECT_TRUE(writer.AddSection("PrintFeaturePDETiger", {"QVFold"}));
    ASSERT_EQ(writer.Sections().size(), 2u);
    std::ostringstream out;
    ASSERT_TRUE(writer.WriteSections(out));

    XppdTable punch;
    BuildXppdFromConstraints(ppd_.get(), &punch, std::vector<std::string>{"QVPunch"});
    XppdTable fold;
    BuildXppdFromConstraints(ppd_.get(), &fold, std::vector<std::string>{"QVFold"});
    EXPECT_EQ(ReadCache(out.str(), "PrintFeaturePDEPanther"), Entries(punch));
    EXPECT_EQ(ReadCache(out.str(), "PrintFeaturePDETiger"), Entries(fold));
}

TEST(CQuickXPPDSections, AtMostTenAndTheListEndsAtTheFirstWithoutKeywords)
{
    CQuickXPPD quick;
    for (int i = 0; i < 10; ++i) EXPECT_TRUE(quick.AddSection("S" + std::to_string(i), {"K"}));
    EXPECT_FALSE(quick.AddSection("S10", {"K"}));
    EXPECT_EQ(quick.Sections().size(), 10u);
    std::ostringstream out;
    EXPECT_FALSE(quick.WriteSections(out)) << "no PPD to build from";
}

TEST(CacheWriter, KeysTheFormatCannotCarryAreLeftOut)
{
    XppdTable table;
    table.Insert("Good:1", x_constraints{1, 2, 3});
    table.Insert("Bad@:1", x_constraints{0, 0, 0});
    std::ostringstream out;
    CQuickXPPD writer(nullptr, &table, "PrintFeaturePDETiger");
    out << writer;
    EXPECT_EQ(out.str(), "PrintFeaturePDETiger\nGood:1@1@2@3@\n");
    EXPECT_EQ(writer.UnwritableEntries(), 1u);
}

// The version code itself is tested with the platform layer.
TEST(XppdStamp, SystemNameFromTheRelease)
{
    EXPECT_EQ(XppdSystemName("7"), "Panther");
    EXPECT_EQ(XppdSystemName("17"), "Tiger");
    EXPECT_EQ(XppdSystemName("7.0.0"), "Panther");
    EXPECT_EQ(XppdSystemName("7.31.0"), "Panther");
    EXPECT_EQ(XppdSystemName("8.11.0"), "Tiger");
    EXPECT_EQ(XppdSystemName("6.1.0-18-amd64"), "Tiger");
    EXPECT_EQ(XppdSystemName("garbage"), "Tiger");
    {
        ScopedRelease panther("7.2.0");
        EXPECT_EQ(XppdStamp("PrintFeaturePDE"), "PrintFeaturePDEPanther");
    }
    ScopedRelease later("12.0.0");
    EXPECT_EQ(XppdStamp("PrintFeaturePDE"), "PrintFeaturePDETiger");
}

} // namespace
