// What printdialog keeps between runs: the last used settings, presets, and
// the order in which starting values are laid over each other (the
// destination's saved options need a CUPS queue: tests/integration).
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "DialogRun.h"

namespace {

using dialog_test::DialogRunner;
using dialog_test::FindControl;
using dialog_test::FindPanel;
using dialog_test::LastJson;
using nlohmann::json;
using testing_support::ProcessResult;

json FeaturesControls(const ProcessResult& run)
{
    const json snapshot = LastJson(run.out);
    if (!snapshot.is_object()) return json::array();
    const json* panel = FindPanel(snapshot, "PrintFeaturesKind");
    return panel != nullptr ? panel->at("controls") : json::array();
}

std::string OptionsLine(const ProcessResult& run) { return run.out.substr(0, run.out.find('\n')); }

// The job options as they stand, from the snapshot: no print step runs, so
// nothing becomes the last used settings.
std::string SnapshotOptions(const ProcessResult& run)
{
    const json snapshot = LastJson(run.out);
    return snapshot.is_object() ? snapshot.at("options").get<std::string>() : run.err;
}

bool Has(const std::string& options, const std::string& option)
{
    return options.find(option) != std::string::npos;
}

TEST(MemoryBetweenRunsTest, ASecondRunShowsTheFirstRunsChoices)
{
    const DialogRunner runner;
    const ProcessResult first = runner.Run(
        {"--options"}, "panel features\ncheck 10 on\nchoose ProbeColor #2\nstep 15 up\nstep 15 up\n");
    ASSERT_EQ(first.status, 0) << first.err;

    const std::string file = runner.DataDir() + "/printers/probe/LastUsedSettings.plist";
    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);

    const ProcessResult second = runner.Run({"--dump"});
    ASSERT_EQ(second.status, 0) << second.err;
    const json controls = FeaturesControls(second);
    ASSERT_NE(FindControl(controls, 10), nullptr) << second.out;
    EXPECT_EQ(FindControl(controls, 10)->at("value"), 1);
    EXPECT_EQ(FindControl(controls, 11)->at("selected"), 1);
    EXPECT_EQ(FindControl(controls, 15)->at("value"), 3);
    // The second run's disabled box follows the restored check box.
    EXPECT_EQ(FindControl(controls, 14)->at("enabled"), false);
}

TEST(MemoryBetweenRunsTest, PresetsAreSavedAndLoaded)
{
    const DialogRunner runner;
    ASSERT_EQ(runner.Run({}, "panel features\ncheck 10 on\npreset save Two sided\n").status, 0);
    // A preset is no print: nothing becomes the last used settings.
    EXPECT_EQ(runner.DataFiles().count(runner.DataDir() + "/printers/probe/LastUsedSettings.plist"), 0u);

    const ProcessResult loaded = runner.Run({"--preset", "Two sided", "--dump"});
    ASSERT_EQ(loaded.status, 0) << loaded.err;
    EXPECT_EQ(FindControl(FeaturesControls(loaded), 10)->at("value"), 1);

    const ProcessResult scripted =
        runner.Run({"--dump"}, "panel features\ncheck 10 off\nsave\npreset load Two sided\n");
    ASSERT_EQ(scripted.status, 0) << scripted.err;
    EXPECT_EQ(FindControl(FeaturesControls(scripted), 10)->at("value"), 1);
    EXPECT_EQ(FindControl(FeaturesControls(scripted), 14)->at("enabled"), false);
}

TEST(MemoryBetweenRunsTest, StartingValuesLieOverEachOtherLowestFirst)
{
    const DialogRunner runner;
    // Last used: printed with the layer mark "last" and black.
    ASSERT_EQ(runner.Run({"-o", "com.quorvel.test.Layer=last", "-o", "ProbeColor=Black", "--options"}).status,
              0);
    // A preset over it: the mark "preset" and short-edge duplex.
    ASSERT_EQ(
        runner.Run({"-o", "com.quorvel.test.Layer=preset", "-o", "Duplex=DuplexTumble"}, "preset save P\n")
            .status,
        0);

    const std::string cli =
        SnapshotOptions(runner.Run({"--preset", "P", "-o", "com.quorvel.test.Layer=cli", "--dump"}));
    EXPECT_TRUE(Has(cli, "com.quorvel.test.Layer='cli'")) << cli;
    EXPECT_TRUE(Has(cli, "Duplex='DuplexTumble'")) << cli;
    EXPECT_TRUE(Has(cli, "ProbeColor='Black'")) << cli;

    const std::string preset = SnapshotOptions(runner.Run({"--preset", "P", "--dump"}));
    EXPECT_TRUE(Has(preset, "com.quorvel.test.Layer='preset'")) << preset;

    const std::string lastUsed = SnapshotOptions(runner.Run({"--dump"}));
    EXPECT_TRUE(Has(lastUsed, "com.quorvel.test.Layer='last'")) << lastUsed;
    EXPECT_FALSE(Has(lastUsed, "Duplex=")) << lastUsed;

    // A printer without remembered values starts from the PPD's defaults.
    const std::string defaults = OptionsLine(runner.Run({"--printer-id", "other", "--options"}));
    EXPECT_TRUE(Has(defaults, "ProbeColor='Color'")) << defaults;
    EXPECT_FALSE(Has(defaults, "com.quorvel.test.Layer")) << defaults;
}

} // namespace
