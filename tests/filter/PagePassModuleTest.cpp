// The page pass as spoolwrap's module: the build's module loads and fits the
// filter, a load that fails says why, the program itself needs neither qpdf
// nor poppler, and a job that needs no page pass never loads them.
#include "filter/PagePassModule.h"

#include "SpoolwrapRun.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace {

std::string ProgramFolder() { return std::filesystem::read_symlink("/proc/self/exe").parent_path().string(); }

TEST(PagePassModule, TheBuildsModuleLoadsAndReadsAPdf)
{
    const PagePassLoad load = LoadPagePassModule(QV_PAGEPASS_MODULE_BIN);
    ASSERT_NE(load.calls, nullptr) << load.failure;
    EXPECT_EQ(load.failure, "");
    const std::shared_ptr<PdfDocument> pdf =
        load.calls->openPdfDocument(ProjectPath("samples/sample.pdf").c_str());
    ASSERT_TRUE(pdf);
    EXPECT_EQ(load.calls->pdfDocumentPageCount(*pdf, nullptr), 2);
    // Loading again hands back the same module.
    EXPECT_EQ(LoadPagePassModule(QV_PAGEPASS_MODULE_BIN).calls, load.calls);
}

TEST(PagePassModule, ALoadThatFailsSaysWhy)
{
    TempDir tmp;
    WriteFile(tmp.file("text.so"), "not a shared object\n");
    const struct {
        std::string path, failure;
    } cases[] = {
        {"", "the filter's own path cannot be read from /proc/self/exe"},
        {tmp.file("missing.so"),
         tmp.file("missing.so") + ": cannot open shared object file: No such file or directory"},
        {tmp.file("text.so"), tmp.file("text.so") + ": "},
    };
    for (const auto& c : cases) {
        const PagePassLoad load = LoadPagePassModule(c.path);
        EXPECT_EQ(load.calls, nullptr) << c.path;
        EXPECT_EQ(load.failure.substr(0, c.failure.size()), c.failure) << load.failure;
    }
}

TEST(PagePassModule, ItsPathIsBesideTheRunningProgram)
{
    EXPECT_EQ(PagePassModulePath(), ProgramFolder() + "/spoolwrap-pagepass.so");
    EXPECT_EQ(std::filesystem::path(QV_PAGEPASS_MODULE_BIN).parent_path(),
              std::filesystem::path(SpoolwrapBinary()).parent_path());
}

// qpdf, poppler and the libraries they bring are most of a small job's
// start-up, and poppler's several megabytes of mapped pages are not needed
// by a vector pass: the program names neither library, the page pass module
// qpdf alone, and the raster pass module, which it loads for raster jobs,
// both.
TEST(PagePassModule, OnlyTheModulesNeedThePdfLibraries)
{
    const std::string program = ReadFile(SpoolwrapBinary());
    const std::string pagePass = ReadFile(QV_PAGEPASS_MODULE_BIN);
    const std::string rasterPass = ReadFile(QV_RASTERPASS_MODULE_BIN);
    EXPECT_EQ(std::filesystem::path(QV_RASTERPASS_MODULE_BIN).parent_path(),
              std::filesystem::path(QV_PAGEPASS_MODULE_BIN).parent_path());
    const struct {
        const char* library;
        bool inPagePass;
    } cases[] = {{"libqpdf.so", true}, {"libpoppler", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(program.find(c.library), std::string::npos) << c.library;
        EXPECT_EQ(pagePass.find(c.library) != std::string::npos, c.inPagePass) << c.library;
        EXPECT_NE(rasterPass.find(c.library), std::string::npos) << c.library;
    }
}

// A copy of the program with some of its modules: a job that needs a missing
// module says why it cannot run the pass and goes out as it came, as after any
// failed page pass; a job that needs none of the missing ones never notices.
TEST(PagePassModule, AMissingModuleIsNoticedOnlyByAJobThatNeedsIt)
{
    const std::string pdf = ReadFile(ProjectPath("samples/sample.pdf"));
    const std::string asItCame =
        "@FSIZ=" + std::to_string(pdf.size()) + "\"\n@PJL ENTER LANGUAGE=PDF\n" + pdf;
    const struct {
        bool withPagePass; // the copy has the page pass module (never the raster one)
        const char* options;
        const char* missingKind; // the module the job says it cannot load, or null
        const char* missingFile;
        bool sentAsItCame;
    } cases[] = {
        {false, "", nullptr, nullptr, true},
        {false, "QVTurnPage=true", "page pass", "spoolwrap-pagepass.so", true},
        {true, "QVTurnPage=true", nullptr, nullptr, false}, // the vector pass rewrites the document
        {true, "QVPDFRasterizedMode=true", "raster pass", "spoolwrap-rasterpass.so", true},
    };
    for (const auto& c : cases) {
        TempDir tmp, bin;
        const std::string program = bin.file("spoolwrap");
        std::filesystem::copy_file(SpoolwrapBinary(), program);
        std::filesystem::permissions(program, std::filesystem::perms::owner_all);
        if (c.withPagePass)
            std::filesystem::copy_file(QV_PAGEPASS_MODULE_BIN, bin.file("spoolwrap-pagepass.so"));
        SpoolwrapJob job = CupsJob(tmp.path(), tmp.file("no-marker"), c.options);
        job.stdinData = pdf;
        job.program = program;
        job.cleanEnvironment = true;
        const SpoolwrapResult r = testing_support::RunProcess(job);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out.find(asItCame) != std::string::npos, c.sentAsItCame) << c.options;
        if (c.missingKind == nullptr) {
            EXPECT_EQ(r.err, "") << c.options;
            continue;
        }
        const std::string module = bin.file(c.missingFile);
        EXPECT_EQ(r.err.rfind(std::string("ERROR: The ") + c.missingKind + " module " + module +
                                  " cannot be loaded: " + module + ": cannot open shared object file",
                              0),
                  0u)
            << r.err;
    }
}

} // namespace
