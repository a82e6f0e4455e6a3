// Checks against real PPDs: the project's own, those cups-filters installs,
// and a sample of the openprinting-ppds package (the largest by constraint
// count, a spread over makers and sizes, and a Japanese one).
#include "constraints/CQuickXPPD.h"
#include "constraints/XPPDBuild.h"
#include "constraints/XPPDLookups.h"
#include "constraints/XPPDQuery.h"
#include "constraints/PpdTextEncoding.h"
#include "tests/constraints/ConstraintsTestSupport.h"

#include <gtest/gtest.h>

#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>
#include <unordered_map>
#include <unordered_set>

using namespace constraints_test;

namespace {

struct RealPPD {
    std::string label;
    std::string path;         // a file, or empty for an openprinting-ppds name
    std::string openPrinting; // name inside the package
};

void PrintTo(const RealPPD& ppd, std::ostream* out) { *out << ppd.label; }

std::vector<RealPPD> RealPPDs()
{
    std::vector<RealPPD> list;
    for (const char* name :
         {"quorvel-kz63-color-mfp.ppd", "quorvel-rx42-mfp.ppd", "quorvel-wt74-printer.ppd"}) {
        list.push_back({name, ProjectPPDPath(name), ""});
    }
    for (const char* name : {"Fuji_Xerox-DocuPrint_CM305_df-PDF.ppd", "pxlcolor.ppd", "pxlmono.ppd",
                             "Generic-PDF_Printer-PDF.ppd"}) {
        list.push_back({name, std::string("/usr/share/ppd/cupsfilters/") + name, ""});
    }
    for (const char* name :
         {// The largest by UIConstraints (9286, 8446, 7007, 5760, 5349); the
          // rest of the ten largest are near copies of these.
          "Canon/cnprc650x1g.ppd", "Canon/cnprc750x1g.ppd", "Ricoh/PS/Ricoh-Pro_C7210S_PS.ppd",
          "Canon/cnadvc7280x1g.ppd", "Ricoh/PS/Ricoh-Pro_8220S_PS.ppd",
          // A spread over makers and sizes.
          "Samsung/PS/Samsung_X7600_Series.ppd", "KONICA_MINOLTA/KO1050UX.ppd",
          "Lexmark/Lexmark_XC9200_Series.ppd", "Kyocera/it/Kyocera_Mita_KM-5035_it.ppd", "Oki/ok9500u1.ppd",
          "Sharp/sham455u.ppd", "Toshiba/TOSHIBA_EST3510c_CUPS.ppd", "HP/hp_officejet_9100_series.ppd",
          "Brother/BRHL24_2_GPL.ppd", "Lexmark/Lexmark_C522.ppd",
          // JIS83-RKSJ.
          "Epson/eplp980c.ppd"}) {
        list.push_back({name, "", name});
    }
    return list;
}

std::string TestNameOf(const ::testing::TestParamInfo<RealPPD>& info)
{
    std::string name = info.param.label;
    if (name.ends_with(".ppd")) name.resize(name.size() - 4);
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

class RealPPDTest : public ::testing::TestWithParam<RealPPD> {
protected:
    void SetUp() override
    {
        path_ = GetParam().path;
        if (!GetParam().openPrinting.empty()) {
            std::string reason;
            const auto fetched = OpenPrintingPPD(GetParam().openPrinting, reason);
            if (!fetched) GTEST_SKIP() << reason;
            path_ = *fetched;
        } else if (access(path_.c_str(), R_OK) != 0) {
            GTEST_SKIP() << path_ << " is not installed";
        }
        ppd_ = OpenOrFail(path_);
        ASSERT_TRUE(ppd_);
    }
    ppd_file_t* ppd() { return ppd_.get(); }

    std::string path_;
    PpdFilePtr ppd_;
};

bool SameOption(const char* a, const char* b) { return strcasecmp(a, b) == 0; }

// For every constraint naming both choices: with only choice 1 marked, the
// query answers 1 for choice 2 exactly when the pair's options are in the
// keyword filter list (and outside subgroups), and libcups agrees that
// marking both conflicts.
TEST_P(RealPPDTest, ConstraintsWithBothChoicesAgreeWithLibcups)
{
    const std::vector<std::string> all = OptionKeywords(ppd());
    // Every other option keyword: both outcomes of the filter occur.
    std::vector<std::string> half;
    for (std::size_t i = 0; i < all.size(); i += 2) half.push_back(all[i]);
    const std::unordered_set<std::string> halfSet(half.begin(), half.end());
    std::unordered_set<std::string> inSubgroups;
    for (const std::string& keyword : SubgroupOptionsFromText(path_)) {
        std::string lowered = keyword;
        std::transform(lowered.begin(), lowered.end(), lowered.begin(), ::tolower);
        inSubgroups.insert(lowered);
    }
    const auto inSubgroup = [&](const char* keyword) {
        std::string lowered = keyword;
        std::transform(lowered.begin(), lowered.end(), lowered.begin(), ::tolower);
        return inSubgroups.contains(lowered);
    };

    XppdTable full;
    BuildXppdFromConstraints(ppd(), &full, all);
    XppdTable filtered;
    BuildXppdFromConstraints(ppd(), &filtered, half);

    // Reverse and repeated constraints mark the same two choices: libcups is
    // asked once per pair of marks.
    std::unordered_map<std::string, int> libcupsAnswers;
    int checked = 0;
    int listed = 0;
    for (int i = 0; i < ppd()->num_consts; ++i) {
        const ppd_const_t& k = ppd()->consts[i];
        if (k.choice1[0] == '\0' || k.choice2[0] == '\0' || SameOption(k.option1, k.option2)) continue;
        ppd_option_t* option1 = ppdFindOption(ppd(), k.option1);
        ppd_option_t* option2 = ppdFindOption(ppd(), k.option2);
        ppd_choice_t* choice1 = ppdFindChoice(option1, k.choice1);
        ppd_choice_t* choice2 = ppdFindChoice(option2, k.choice2);
        if (choice1 == nullptr || choice2 == nullptr) continue;
        const bool found = !inSubgroup(k.option1) && !inSubgroup(k.option2);
        const bool inFilter = halfSet.contains(k.option1) || halfSet.contains(k.option2);

        // The engine reads the choices' marked flags only.
        UnmarkAll(ppd());
        choice1->marked = 1;
        EXPECT_EQ(IsPPDChoiceConflicted(ppd(), &full, option2->keyword, choice2->choice), found ? 1 : 0)
            << "constraint " << i << ": " << k.option1 << " " << k.choice1 << " " << k.option2 << " "
            << k.choice2;
        EXPECT_EQ(IsPPDChoiceConflicted(ppd(), &filtered, option2->keyword, choice2->choice),
                  found && inFilter ? 1 : 0)
            << "constraint " << i << " with half the keywords";

        std::string pair1 = std::string(option1->keyword) + ':' + choice1->choice;
        std::string pair2 = std::string(option2->keyword) + ':' + choice2->choice;
        if (pair2 < pair1) std::swap(pair1, pair2);
        const auto [answer, isNew] = libcupsAnswers.try_emplace(pair1 + '\n' + pair2, 0);
        if (isNew) {
            UnmarkAll(ppd());
            ppdMarkOption(ppd(), option1->keyword, choice1->choice);
            // ppdMarkOption answers with ppdConflicts's count for the new marks.
            answer->second = ppdMarkOption(ppd(), option2->keyword, choice2->choice);
        }
        EXPECT_GT(answer->second, 0) << "libcups on constraint " << i;
        ++checked;
        listed += inFilter ? 1 : 0;
    }
    UnmarkAll(ppd());
    RecordProperty("checked", checked);
    if (checked > 0) {
        EXPECT_FALSE(full.Empty());
    }
    if (checked > 1) {
        EXPECT_GT(listed, 0);
    }
}

TEST_P(RealPPDTest, CacheSectionReadsBackAsTheBuiltTable)
{
    XppdTable built;
    BuildXppdFromConstraints(ppd(), &built, OptionKeywords(ppd()));
    std::ostringstream out;
    out << "PrintFeaturePDEPanther\nStale:1@999@0@0@\n";
    out << CQuickXPPD(ppd(), &built, "PrintFeaturePDETiger");

    XppdTable read;
    CQuickXPPD reader(ppd(), &read, "PrintFeaturePDETiger");
    std::istringstream in(out.str());
    in >> reader;
    EXPECT_EQ(reader.SkippedRecords(), 0u);
    EXPECT_EQ(read.Size(), built.Size());
    EXPECT_EQ(Entries(read), Entries(built));
}

TEST_P(RealPPDTest, ChoiceListsCoverEveryOptionWithValidText)
{
    XppdTable table;
    BuildXppdFromConstraints(ppd(), &table, OptionKeywords(ppd()));
    ppdMarkDefaults(ppd());
    int rows = 0;
    int expectedRows = 0;
    for (ppd_option_t* option = ppdFirstOption(ppd()); option != nullptr; option = ppdNextOption(ppd())) {
        PpdChoiceList list;
        int before = rows;
        GetUIListFromPPD(ppd(), &table, option->keyword, &list, rows);
        expectedRows += option->num_choices;
        ASSERT_EQ(list.size(), static_cast<std::size_t>(rows - before));
        for (std::size_t c = 0; c < list.size(); ++c) {
            EXPECT_EQ(list[c].optionKeyword, option->keyword);
            EXPECT_EQ(list[c].choiceKeyword, option->choices[c].choice);
            EXPECT_EQ(ConvertPPDTextToUTF8(list[c].choiceText, PpdTextEncoding::UTF8), list[c].choiceText);
            EXPECT_EQ(FindPPDKeyPairsMatch(list, option->keyword, option->choices[c].choice) >= 0, true);
        }
        // The marked default never conflicts with itself through the table
        // unless the PPD's own defaults conflict.
        EXPECT_EQ(GetUIDefaultFromPPD(ppd(), option->keyword), std::optional<std::string>(option->defchoice));
    }
    EXPECT_EQ(rows, expectedRows);
}

INSTANTIATE_TEST_SUITE_P(Sample, RealPPDTest, ::testing::ValuesIn(RealPPDs()), TestNameOf);

// The Japanese PPD of the sample: LanguageEncoding JIS83-RKSJ; the title of
// its memory option reads "メモリ" once decoded.
TEST(RealJapanesePPD, TitlesAndChoicesDecodeAsJapanese)
{
    std::string reason;
    const auto path = OpenPrintingPPD("Epson/eplp980c.ppd", reason);
    if (!path) GTEST_SKIP() << reason;
    PpdFilePtr ppd = OpenOrFail(*path);
    ASSERT_TRUE(ppd);
    PpdTextEncoding encoding = PpdTextEncoding::UTF8;
    ASSERT_TRUE(GetCFStringEncodingFromPPD(ppd.get(), encoding));
    EXPECT_EQ(encoding, PpdTextEncoding::MacJapanese);
    EXPECT_EQ(GetUITitleFromPPD(ppd.get(), "InstalledMemory"), std::optional<std::string>("メモリ"));

    // The raw bytes of the file decode, through the Mac Japanese stand-in, to
    // the same text libcups gives for every option title.
    const std::string text = ReadFile(*path);
    std::istringstream lines(text);
    std::string line;
    int compared = 0;
    while (std::getline(lines, line)) {
        if (!line.starts_with("*OpenUI *")) continue;
        const std::size_t slash = line.find('/');
        const std::size_t colon = line.find(':', 9);
        if (slash == std::string::npos || colon == std::string::npos || slash > colon) continue;
        const std::string keyword = line.substr(9, slash - 9);
        const std::string raw = line.substr(slash + 1, colon - slash - 1);
        EXPECT_EQ(GetUITitleFromPPD(ppd.get(), keyword),
                  std::optional<std::string>(ConvertPPDTextToUTF8(raw, encoding)))
            << keyword;
        ++compared;
    }
    EXPECT_GT(compared, 5);
}

} // namespace
