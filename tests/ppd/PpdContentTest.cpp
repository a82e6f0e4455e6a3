// Checks that each shipped PPD says what spoolwrap and the dialog panels read
// from it: model token and group, code set, filter line, option choices the
// PJL writer knows, defaults that agree with the filter's own fallbacks,
// paper sizes, and vendor attributes in the form their readers accept.
#include "tests/ppd/PpdTestSupport.h"
#include "tests/ppd/PrinterExpectations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <set>

namespace ppdtest {
namespace {

class PpdContent : public ::testing::TestWithParam<PrinterExpectations> {
protected:
    void SetUp() override
    {
        ppd_ = OpenStrict(GetParam().file);
        ASSERT_NE(ppd_, nullptr) << GetParam().file << ": " << ppdErrorString(ppdLastError(&line_))
                                 << " at line " << line_;
    }
    ppd_file_t* ppd() const { return ppd_.get(); }

private:
    PpdPtr ppd_;
    int line_ = 0;
};

bool Contains(const std::vector<std::string>& list, const std::string& item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

TEST_P(PpdContent, ModelNameCarriesOnlyItsOwnGroupToken)
{
    const auto& p = GetParam();
    // The filter tests these substrings of ModelName group by group; a second
    // family's token in the name would move the printer into another group.
    const std::vector<std::pair<std::string, std::vector<std::string>>> groups = {
        {"A1", {"RX41", "RX42", "RX43"}},
        {"A2", {"RY51", "RY52", "RY53", "RY54"}},
        {"B", {"KZ61", "KZ62", "KZ63", "KZ64", "KZ65", "KZ66"}},
        {"C", {"WT71", "WT72", "WT73"}},
        {"C+", {"WT71", "WT72", "WT73", "WT74"}},
        {"X", {"VN81"}},
        {"D", {"VN82", "VN83"}},
    };
    const std::string model = AttrValue(ppd(), "ModelName");
    EXPECT_EQ(model, p.modelName);
    EXPECT_NE(model.find(p.modelToken), std::string::npos);

    std::set<std::string> matched;
    for (const auto& [group, tokens] : groups)
        for (const auto& token : tokens)
            if (model.find(token) != std::string::npos) matched.insert(group);
    EXPECT_EQ(matched, std::set<std::string>{p.modelGroup});
}

TEST_P(PpdContent, AttributesFoundByPrefixAreTheIntendedOnes)
{
    const auto& p = GetParam();
    // The driver takes the first attribute whose name begins with the name it
    // looks for, so each must be met first under its own name.
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"QVPrinterLanguageEncoding", p.codeSet},
        {"cupsFilter", "application/pdf 0 spoolwrap"},
        {"ModelName", p.modelName},
        {"LandscapeOrientation", p.landscape},
        {"Manufacturer", "Quorvel"},
    };
    for (const auto& [name, value] : expected) {
        ppd_attr_t* attr = FindAttrByPrefix(ppd(), name);
        ASSERT_NE(attr, nullptr) << name;
        EXPECT_STREQ(attr->name, name.c_str());
        EXPECT_STREQ(attr->value, value.c_str()) << name;
    }
    EXPECT_EQ(ppd()->color_device != 0, p.colour);
}

TEST_P(PpdContent, VendorAttributesHaveTheChosenValues)
{
    for (const auto& [name, value] : GetParam().vendorAttrs) {
        ppd_attr_t* attr = FindAttrByPrefix(ppd(), name);
        if (value.empty()) {
            EXPECT_EQ(attr, nullptr) << name << " should be absent";
            continue;
        }
        ASSERT_NE(attr, nullptr) << name;
        EXPECT_STREQ(attr->name, name.c_str());
        EXPECT_STREQ(attr->value, value.c_str()) << name;
    }
}

// Decimal numbers separated by exactly one character, in low/high pairs.
bool ParseScopePairs(const std::string& text, std::vector<std::pair<long, long>>& pairs)
{
    std::vector<long> numbers;
    const char* pos = text.c_str();
    while (*pos != '\0') {
        if (!std::isdigit(static_cast<unsigned char>(*pos))) return false;
        char* end = nullptr;
        long n = std::strtol(pos, &end, 10);
        if (n > 0xFFFF) return false;
        numbers.push_back(n);
        pos = end;
        if (*pos != '\0') ++pos; // one separator
    }
    if (numbers.empty() || numbers.size() % 2 != 0) return false;
    for (size_t i = 0; i < numbers.size(); i += 2) {
        if (numbers[i + 1] < numbers[i]) return false;
        pairs.emplace_back(numbers[i], numbers[i + 1]);
    }
    return true;
}

TEST_P(PpdContent, VendorAttributeValuesAreInTheFormTheirReadersAccept)
{
    ppd_file_t* f = ppd();
    const std::set<std::string> featureModes = {"Default00", "Default01", "Default02", "Default03"};
    EXPECT_TRUE(featureModes.count(AttrValue(f, "QVXFeaturesSettings")));

    // "name-suffix": the name picks the pane's product row, the suffix its help pages.
    auto splitSetting = [](const std::string& v) {
        size_t dash = v.find('-');
        return dash == std::string::npos ? std::make_pair(v, std::string())
                                         : std::make_pair(v.substr(0, dash), v.substr(dash + 1));
    };
    const std::set<std::string> printTypeRows = {"Default00", "Default01", "Default02", "Pellor00"};
    const std::set<std::string> accountingRows = {"Default00", "Default01", "Pellor00"};
    if (std::string v = AttrValue(f, "QVXPrintTypeSettings"); !v.empty()) {
        auto [name, suffix] = splitSetting(v);
        EXPECT_TRUE(printTypeRows.count(name)) << v;
        EXPECT_FALSE(suffix.empty()) << v;
    }
    if (std::string v = AttrValue(f, "QVXAccountingSettings"); !v.empty()) {
        auto [name, suffix] = splitSetting(v);
        EXPECT_TRUE(accountingRows.count(name)) << v;
        EXPECT_FALSE(suffix.empty()) << v;
    }
    // The mailbox maximum is made of the digits among the first three bytes.
    if (std::string v = AttrValue(f, "QVXMailBoxSettings"); !v.empty()) {
        std::string digits;
        for (char c : v.substr(0, 3))
            if (std::isdigit(static_cast<unsigned char>(c))) digits += c;
        ASSERT_FALSE(digits.empty()) << v;
        EXPECT_GT(std::stoi(digits), 0) << v;
    }
    for (const char* scope : {"QVPTUserIDScope", "QVPTDocNameScope"}) {
        std::string v = AttrValue(f, scope);
        if (v.empty()) continue;
        std::vector<std::pair<long, long>> pairs;
        EXPECT_TRUE(ParseScopePairs(v, pairs)) << scope << " = " << v;
        EXPECT_LE(pairs.size(), 20u) << scope;
    }
    // The passcode minimum is the first number in the value.
    if (std::string v = AttrValue(f, "QVPTPasswdLimit"); !v.empty()) {
        EXPECT_NE(v.find_first_of("0123456789"), std::string::npos) << v;
    }
    // The layout section is built only for "Default00".
    if (std::string v = AttrValue(f, "QVXLayoutSettings"); !v.empty()) {
        EXPECT_EQ(v, "Default00");
    }
}

TEST_P(PpdContent, FilterOptionsOfferOnlyValuesThePjlWriterMaps)
{
    const auto& p = GetParam();
    ppd_file_t* f = ppd();
    EXPECT_EQ(Choices(f, "QVInputSlot"), p.inputSlots);

    const std::set<std::string> mediaTypes = {
        "Default",           "Stationary",      "StationaryBack",    "ThickPaper",    "ThickPaper2",
        "Transparency",      "FinePaper",       "FinePaperBack",     "RecyclePaper",  "LetterheadPaper",
        "PreprintedPaper",   "PrepunchedPaper", "ColoredPaper",      "ThickPaper3",   "CoatingPaper1",
        "CoatingPaper1Back", "CoatingPaper2",   "CoatingPaper2Back", "CoatingPaper3", "CoatingPaper3Back",
        "LabelPaper",        "Envelope"};
    auto media = Choices(f, "MediaType");
    ASSERT_FALSE(media.empty());
    EXPECT_EQ(media.front(), "Default");
    for (const auto& m : media) EXPECT_TRUE(mediaTypes.count(m)) << "MediaType " << m;
    // The constraints below name these three.
    for (const char* m : {"Transparency", "Envelope", "LabelPaper"}) EXPECT_TRUE(Contains(media, m)) << m;

    EXPECT_EQ(Choices(f, "QVOutputMode"), (std::vector<std::string>{"HighSpeed", "Standard", "HighQuality"}));
    EXPECT_EQ(Choices(f, "QVStaple"),
              (std::vector<std::string>{"None", "UpperLeftSinglePort", "LeftDoublePort", "TopDoublePort"}));
    EXPECT_EQ(Choices(f, "QVMSILeadingEdge"),
              (std::vector<std::string>{"ShortEdge", "LongEdge", "ShortEdgeR", "LongEdgeR"}));
    EXPECT_EQ(Choices(f, "Duplex"), (std::vector<std::string>{"None", "DuplexNoTumble", "DuplexTumble"}));

    if (p.punch) {
        EXPECT_EQ(Choices(f, "QVPunch"), (std::vector<std::string>{"None", "True"}));
        EXPECT_FALSE(Choices(f, "QVNumPunchHoles").empty());
    } else {
        EXPECT_EQ(ppdFindOption(f, "QVPunch"), nullptr);
        EXPECT_EQ(ppdFindOption(f, "QVNumPunchHoles"), nullptr);
    }
    if (p.colour) {
        EXPECT_EQ(Choices(f, "QVColorMode"), (std::vector<std::string>{"Color", "Black"}));
    } else {
        EXPECT_EQ(ppdFindOption(f, "QVColorMode"), nullptr);
        EXPECT_EQ(ppdFindOption(f, "QVTrapping"), nullptr);
    }
}

TEST_P(PpdContent, FilterBooleansUseLowerCaseChoicesTrueFirst)
{
    // spoolwrap compares these with "true"/"false" exactly.
    std::vector<const char*> options = {"Collate", "QVTurnPage", "QVPDFRasterizedMode"};
    if (GetParam().colour) options.push_back("QVTrapping");
    for (const char* keyword : options) {
        ppd_option_t* option = ppdFindOption(ppd(), keyword);
        ASSERT_NE(option, nullptr) << keyword;
        EXPECT_EQ(option->ui, PPD_UI_BOOLEAN) << keyword;
        EXPECT_EQ(Choices(ppd(), keyword), (std::vector<std::string>{"true", "false"})) << keyword;
    }
}

TEST_P(PpdContent, DefaultsAgreeWithTheFilterFallbacks)
{
    // A job without the option must print as one with the PPD default.
    const std::vector<std::pair<const char*, const char*>> fallbacks = {
        {"QVOutputMode", "Standard"},
        {"QVColorMode", "Color"},
        {"QVTrapping", "true"},
        {"QVInputSlot", "AutoSelect"},
        {"QVMSILeadingEdge", "ShortEdge"},
        {"MediaType", "Default"},
        {"QVStaple", "None"},
        {"QVPunch", "None"},
    };
    for (const auto& [keyword, value] : fallbacks) {
        if (ppdFindOption(ppd(), keyword) == nullptr) continue;
        EXPECT_EQ(DefaultChoice(ppd(), keyword), value) << keyword;
    }
    EXPECT_EQ(DefaultChoice(ppd(), "QVTurnPage"), "false");
    EXPECT_EQ(DefaultChoice(ppd(), "QVPDFRasterizedMode"), "false");
    EXPECT_EQ(DefaultChoice(ppd(), "PageSize"), GetParam().defaultSize);

    ppdMarkDefaults(ppd());
    EXPECT_EQ(ppdConflicts(ppd()), 0);
}

TEST_P(PpdContent, PaperSizesAreTheEightThePjlWriterNames)
{
    struct Size {
        const char* name;
        float width, length;
    };
    const std::vector<Size> sizes = {{"A3", 842, 1191},    {"B4", 729, 1032},     {"A4", 595, 842},
                                     {"B5", 516, 729},     {"A5", 420, 595},      {"Letter", 612, 792},
                                     {"Legal", 612, 1008}, {"Tabloid", 792, 1224}};
    ASSERT_EQ(ppd()->num_sizes, static_cast<int>(sizes.size()));
    std::vector<std::string> names;
    for (const auto& s : sizes) {
        names.emplace_back(s.name);
        ppd_size_t* size = ppdPageSize(ppd(), s.name);
        ASSERT_NE(size, nullptr) << s.name;
        EXPECT_FLOAT_EQ(size->width, s.width) << s.name;
        EXPECT_FLOAT_EQ(size->length, s.length) << s.name;
        EXPECT_GE(size->left, 0.0f) << s.name;
        EXPECT_GE(size->bottom, 0.0f) << s.name;
        EXPECT_LT(size->left, size->right) << s.name;
        EXPECT_LT(size->bottom, size->top) << s.name;
        EXPECT_LE(size->right, size->width) << s.name;
        EXPECT_LE(size->top, size->length) << s.name;
    }
    EXPECT_EQ(Choices(ppd(), "PageSize"), names);
    EXPECT_EQ(Choices(ppd(), "PageRegion"), names);
}

INSTANTIATE_TEST_SUITE_P(Printers, PpdContent, ::testing::ValuesIn(AllPrinters()),
                         [](const ::testing::TestParamInfo<PrinterExpectations>& info) {
                             return info.param.modelToken;
                         });

} // namespace
} // namespace ppdtest
