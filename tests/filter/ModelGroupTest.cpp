// Printer model groups: token tests on the model name, the bypass tray name and
// the "ThickPaper2" value by group, and the unknown model.
#include "JobDocHarness.h"

#include "filter/MediaTables.h"
#include "filter/ModelGroup.h"
#include "platform/PpdFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace jobdoc;

namespace {

TEST(ModelGroup, EveryTokenBelongsToItsGroupOnly)
{
    const std::pair<ModelGroup, std::vector<const char*>> groups[] = {
        {ModelGroup::A1, {"RX41", "RX42", "RX43"}},
        {ModelGroup::A2, {"RY51", "RY52", "RY53", "RY54"}},
        {ModelGroup::B, {"KZ61", "KZ62", "KZ63", "KZ64", "KZ65", "KZ66"}},
        {ModelGroup::C, {"WT71", "WT72", "WT73"}},
        {ModelGroup::X, {"VN81"}},
        {ModelGroup::D, {"VN82", "VN83"}},
    };
    for (const auto& [group, tokens] : groups) {
        for (const char* token : tokens) {
            const std::string model = std::string("Quorvel ") + token + " MFP";
            for (const auto& [other, unused] : groups)
                EXPECT_EQ(IsModelInGroup(model, other), other == group) << model;
            // C+ is C and the WT74.
            EXPECT_EQ(IsModelInGroup(model, ModelGroup::CPlus), group == ModelGroup::C) << model;
        }
    }
    EXPECT_TRUE(IsModelInGroup("Quorvel WT74 Printer", ModelGroup::CPlus));
    EXPECT_FALSE(IsModelInGroup("Quorvel WT74 Printer", ModelGroup::C));
    // Near misses.
    for (const char* model :
         {"", "Quorvel RX44", "Quorvel RY50", "Quorvel KZ60", "Quorvel KZ67", "Quorvel WT75", "Quorvel VN80",
          "Quorvel VN84", "quorvel kz63", "Quorvel KZ 63"})
        for (ModelGroup g : {ModelGroup::A1, ModelGroup::A2, ModelGroup::B, ModelGroup::C, ModelGroup::CPlus,
                             ModelGroup::X, ModelGroup::D})
            EXPECT_FALSE(IsModelInGroup(model, g)) << model;
    // Tokens are found anywhere in the name.
    EXPECT_TRUE(IsModelInGroup("KZ63", ModelGroup::B));
    EXPECT_TRUE(IsModelInGroup("Office-KZ65C", ModelGroup::B));
}

TEST(ModelGroup, BypassTrayName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Quorvel RX41", "SMH"},
        {"Quorvel RY53", "SMH"},
        {"Quorvel KZ63 Color MFP", "TRAY5"},
        {"Quorvel WT72", "SMH"},
        {"Quorvel WT74 Printer", "SMH"},
        {"Quorvel VN81", "TRAY5"},
        {"Quorvel VN83", "SMH"},
        {"Quorvel ZZ99", "TRAY5"},
        {"", "TRAY5"},
        // Names with tokens of two groups take the first group's value.
        {"Quorvel VN81/VN82", "TRAY5"},
        {"Quorvel VN82/VN81", "TRAY5"},
        {"Quorvel KZ63/RX42", "SMH"},
        {"Quorvel WT74/KZ61", "TRAY5"},
        {"Quorvel VN82/WT71", "SMH"},
    };
    for (const auto& [model, name] : cases) EXPECT_EQ(BypassTrayName(std::string_view(model)), name) << model;
    EXPECT_EQ(BypassTrayName(std::nullopt), "");
}

TEST(ModelGroup, ThickPaper2Name)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Quorvel RX42 MFP", "SUPERTHICK"},  {"Quorvel RY51", "THICK2"},
        {"Quorvel KZ66", "SUPERTHICK"},      {"Quorvel WT73", "THICK2"},
        {"Quorvel WT74", "SUPERTHICK"},      {"Quorvel VN81", "SUPERTHICK"},
        {"Quorvel VN82", "SUPERTHICK"},      {"Other", "SUPERTHICK"},
        {"Quorvel RY52/RX43", "SUPERTHICK"}, {"Quorvel KZ61/RY54", "THICK2"},
        {"Quorvel WT71/KZ62", "SUPERTHICK"},
    };
    for (const auto& [model, name] : cases) {
        EXPECT_EQ(ThickPaper2Name(std::string_view(model)), name) << model;
        // The same value on trays and on the bypass tray.
        EXPECT_EQ(MediaTypeName("ThickPaper2", false, std::string_view(model)), name) << model;
        EXPECT_EQ(MediaTypeName("ThickPaper2", true, std::string_view(model)), name) << model;
    }
    EXPECT_EQ(ThickPaper2Name(std::nullopt), "");
    EXPECT_EQ(MediaTypeName("ThickPaper2", false, std::nullopt), std::optional<std::string_view>(""));
}

TEST(ModelGroup, ModelNameFromPpd)
{
    {
        ScopedPpd ppd(kKZ63);
        PpdFilePtr file = OpenJobPPD();
        ASSERT_TRUE(file);
        EXPECT_EQ(FindModelName(file.get()), std::optional<std::string_view>("Quorvel KZ63 Color MFP"));
    }
    {
        ScopedPpd ppd(kNoModelName);
        PpdFilePtr file = OpenJobPPD();
        ASSERT_TRUE(file);
        EXPECT_EQ(FindModelName(file.get()), std::nullopt);
    }
    EXPECT_EQ(FindModelName(nullptr), std::nullopt);
}

// Whole groups on printers made up for the case: the model name alone decides.
TEST(ModelGroup, BypassAndThickPaper2OnGeneratedPrinters)
{
    TempDir dir;
    const std::string base = ReadFile(kNoModelName);
    const std::pair<const char*, std::pair<const char*, const char*>> cases[] = {
        {"Quorvel VN81 VN82 MFP", {"TRAY5", "SUPERTHICK"}},
        {"Quorvel RY54 MFP", {"SMH", "THICK2"}},
        {"Quorvel WT71 Printer", {"SMH", "THICK2"}},
        {"Quorvel VN83 MFP", {"SMH", "SUPERTHICK"}},
    };
    for (const auto& [model, expected] : cases) {
        SCOPED_TRACE(model);
        const std::string path = dir.file("model.ppd");
        WriteFile(path, base + "*ModelName: \"" + model + "\"\n");
        const std::string group = Group("QVInputSlot=BypassTray MediaType=ThickPaper2 "
                                        "com.apple.print.PrintSettings.PMDuplexing..n.=1",
                                        path);
        EXPECT_TRUE(HasLine(group, Set(std::string("MEDIASOURCE=") + expected.first)));
        EXPECT_TRUE(HasLine(group, Attr(std::string("MSIP=") + expected.second)));
    }
}

} // namespace
