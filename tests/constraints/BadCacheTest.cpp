// The constraint cache file when it is not what the PPD promised: very large,
// binary, or not a regular file at all. The reader takes only records that
// point inside the PPD, and never hangs or stops the dialog.
#include "constraints/CQuickXPPD.h"
#include "constraints/XPPDBuild.h"
#include "constraints/XPPDCache.h"
#include "constraints/XPPDQuery.h"
#include "tests/constraints/ConstraintsTestSupport.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <sstream>

using namespace constraints_test;

namespace {

class BadCache : public ::testing::Test {
protected:
    void SetUp() override
    {
        ppd_ = OpenOrFail(FixturePath("shapes.ppd"));
        ASSERT_TRUE(ppd_);
        BuildXppdFromConstraints(ppd_.get(), &built_, OptionKeywords(ppd_.get()));
        ASSERT_FALSE(built_.Empty());
        std::ostringstream out;
        out << CQuickXPPD(ppd_.get(), &built_, "PrintFeaturePDETiger");
        section_ = out.str();
        dataLine_ = section_.substr(section_.find('\n') + 1);
        dataLine_.pop_back(); // its line feed
    }

    // Reads the cache file at path through a copy of shapes.ppd naming it.
    int Read(const std::string& cachePath, XppdTable& table)
    {
        const std::string ppdPath = CopyPPDWithLines(dir_, FixturePath("shapes.ppd"), "cached.ppd",
                                                     "*QVXCDFSetting: \"" + cachePath + "\"\n");
        PpdFilePtr ppd = OpenOrFail(ppdPath);
        ScopedRelease release("23.1.0");
        return GetXPPD(ppd.get(), &table, kPrintFeatureStampPrefix, "QVXCDFSetting");
    }

    // Whether reading finishes within a few seconds (in a child, so a hang
    // cannot stop the test run).
    bool ReadFinishes(const std::string& cachePath)
    {
        const pid_t pid = fork();
        if (pid == 0) {
            alarm(5);
            XppdTable table;
            const int result = Read(cachePath, table);
            _exit(result == 1 && table.Empty() ? 0 : 2);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    TempDir dir_;
    PpdFilePtr ppd_;
    XppdTable built_;
    std::string section_;
    std::string dataLine_;
};

TEST_F(BadCache, TenMegabyteFileReadsEveryValidRecordAndSkipsTheRest)
{
    // Junk lines before the section, then one data line of 10 MB: valid
    // records repeated, each followed by one that points outside the PPD.
    std::string text(1 << 20, 'j');
    for (size_t at = 100; at < text.size(); at += 100) text[at] = '\n';
    text += "\nPrintFeaturePDETiger\n";
    size_t copies = 0;
    while (text.size() < 10u << 20) {
        text += dataLine_;
        text += "QVStaple:None@999@0@0@";
        ++copies;
    }
    text += "\n";
    XppdTable table;
    EXPECT_EQ(Read(dir_.Write("big.xppd", text), table), 0);
    EXPECT_EQ(table.Size(), built_.Size() * copies);
    EXPECT_EQ(table.KeyCount(), built_.KeyCount());
    for (const auto& [key, place] : table.SortedEntries())
        EXPECT_NE(ChoiceAtPlace(*ppd_, place), nullptr) << key;
    // The answers are those of the table built from the PPD.
    Mark(ppd_.get(), "QVPunch", "True");
    for (std::string_view key : built_.SortedKeys()) {
        const std::string k(key);
        const size_t colon = k.find(':');
        EXPECT_EQ(IsPPDChoiceConflicted(ppd_.get(), &table, k.substr(0, colon), k.substr(colon + 1)),
                  IsPPDChoiceConflicted(ppd_.get(), &built_, k.substr(0, colon), k.substr(colon + 1)))
            << key;
    }
}

TEST_F(BadCache, TenMegabyteFileWithoutTheSectionAddsNothing)
{
    std::string text;
    while (text.size() < 10u << 20) text += "PrintFeaturePDEPanther\n" + dataLine_ + "\n";
    XppdTable table;
    EXPECT_EQ(Read(dir_.Write("big.xppd", text), table), 0);
    EXPECT_TRUE(table.Empty());
}

TEST_F(BadCache, BinaryFileAddsOnlyRecordsInsideThePPD)
{
    std::mt19937 random(7);
    std::string noise;
    for (int i = 0; i < 256 * 1024; ++i) noise.push_back(static_cast<char>(random()));
    static const char kNulRecords[] = "PrintFeaturePDETiger\n\0\0\0@@@@\0:\0@1@1@1@\n";
    for (const std::string& text :
         {noise, "PrintFeaturePDETiger\n" + noise,
          "PrintFeaturePDETiger\n" + noise.substr(0, 5000) + "@0@0@0@" + dataLine_ + "\n",
          std::string(kNulRecords, sizeof kNulRecords - 1)}) {
        XppdTable table;
        EXPECT_EQ(Read(dir_.Write("binary.xppd", text), table), 0);
        for (const auto& [key, place] : table.SortedEntries())
            EXPECT_NE(ChoiceAtPlace(*ppd_, place), nullptr) << key;
    }
}

TEST_F(BadCache, CacheThatIsNoRegularFileIsRefusedWithoutWaiting)
{
    // A named pipe nobody writes to would block the open for ever; a device
    // such as /dev/zero would be read without end; a folder holds no table.
    const std::string fifo = dir_.file("cache.fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_TRUE(ReadFinishes(fifo));
    EXPECT_TRUE(ReadFinishes("/dev/zero"));
    EXPECT_TRUE(ReadFinishes(dir_.path()));
}

} // namespace
