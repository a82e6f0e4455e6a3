// Pictures of the dialog's window on each of the project's PPDs: one of the
// window per pane and one per window the panels registered (so a setup
// window that lands later is pictured too), each the right size and showing
// something: not blank, not one colour.
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "DialogRun.h"
#include "WindowRun.h"

namespace {

using dialog_test::DialogRunner;

struct Picture {
    int width = 0;
    int height = 0;
    double commonestShare = 1; // of the pixels, the share of the commonest colour
    size_t colours = 0;
};

std::optional<Picture> ReadPicture(const std::string& path)
{
    GError* error = nullptr;
    GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file(path.c_str(), &error);
    if (pixbuf == nullptr) {
        g_error_free(error);
        return std::nullopt;
    }
    Picture picture{.width = gdk_pixbuf_get_width(pixbuf), .height = gdk_pixbuf_get_height(pixbuf)};
    const int channels = gdk_pixbuf_get_n_channels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    const guchar* pixels = gdk_pixbuf_read_pixels(pixbuf);
    std::map<uint32_t, size_t> counts;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const guchar* p = pixels + y * stride + x * channels;
            ++counts[(uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2]];
        }
    }
    size_t commonest = 0;
    for (const auto& [colour, count] : counts) commonest = std::max(commonest, count);
    picture.colours = counts.size();
    picture.commonestShare = double(commonest) / (double(picture.width) * picture.height);
    g_object_unref(pixbuf);
    return picture;
}

size_t CountWindows(const nlohmann::json& windows)
{
    size_t count = windows.size();
    for (const nlohmann::json& window : windows)
        if (window.contains("windows")) count += CountWindows(window["windows"]);
    return count;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

class WindowScreenshots : public testing::TestWithParam<const char*> {};

} // namespace

TEST_P(WindowScreenshots, EveryPaneAndEveryRegisteredWindowIsPicturedAndShowsSomething)
{
    const std::string ppd = std::string(QV_PPD_DIR) + "/" + GetParam();
    const DialogRunner runner;
    // What the panels register, as the headless dialog sees it.
    const testing_support::ProcessResult dump = runner.Run({"--ppd", ppd, "--dump"});
    ASSERT_EQ(dump.status, 0) << dump.err;
    const nlohmann::json snapshot = dialog_test::LastJson(dump.out);
    size_t expectedWindows = 0;
    for (const nlohmann::json& panel : snapshot["panels"]) expectedWindows += CountWindows(panel["windows"]);

    const std::string folder = runner.Dir().file("pictures");
    const testing_support::ProcessResult run =
        runner.Run({"--window", "--ppd", ppd, "--screenshots", folder}, "", gtk_test::ScreenEnvironment());
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> files = Lines(run.out);

    size_t panes = 0;
    size_t windows = 0;
    std::optional<std::pair<int, int>> windowSize;
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        ASSERT_TRUE(std::filesystem::exists(file));
        const std::optional<Picture> picture = ReadPicture(file);
        ASSERT_TRUE(picture.has_value());
        EXPECT_LT(picture->commonestShare, 0.97);
        EXPECT_GE(picture->colours, 16u);
        const std::string name = std::filesystem::path(file).stem();
        if (name.starts_with("pane-")) {
            ++panes;
            // Every pane is the same window: at least its default size.
            EXPECT_GE(picture->width, 900);
            EXPECT_GE(picture->height, 640);
            if (!windowSize) windowSize = {picture->width, picture->height};
            EXPECT_EQ(std::make_pair(picture->width, picture->height), *windowSize);
        } else {
            ASSERT_TRUE(name.starts_with("window-"));
            EXPECT_GE(picture->width, 200);
            EXPECT_GE(picture->height, 80);
            ++windows;
        }
    }
    // Copies & Pages, each panel, Summary.
    EXPECT_EQ(panes, snapshot["panels"].size() + 2);
    EXPECT_EQ(windows, expectedWindows);
}

INSTANTIATE_TEST_SUITE_P(ProjectPpds, WindowScreenshots,
                         testing::Values("quorvel-kz63-color-mfp.ppd", "quorvel-rx42-mfp.ppd",
                                         "quorvel-wt74-printer.ppd"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             name = name.substr(0, name.find('.'));
                             std::erase(name, '-');
                             return name;
                         });
