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

// A copy of the program without its module: a job that needs no page pass
// prints and never looks for the module; one that needs the pass says why it
// cannot run it and goes out as it came, as after any failed page pass.
TEST(PagePassModule, WithoutItsModuleOnlyAPageJobNoticesAndSaysWhy)
{
    TempDir tmp, bin;
    const std::string program = bin.file("spoolwrap");
    std::filesystem::copy_file(SpoolwrapBinary(), program);
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    const std::string pdf = ReadFile(ProjectPath("samples/sample.pdf"));
    const std::string fsiz = "@FSIZ=" + std::to_string(pdf.size()) + "\"";
    for (const std::string options : {"", "QVTurnPage=true"}) {
        SpoolwrapJob job = CupsJob(tmp.path(), tmp.file("no-marker"), options);
        job.stdinData = pdf;
        job.program = program;
        job.cleanEnvironment = true;
        const SpoolwrapResult r = testing_support::RunProcess(job);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find(fsiz + "\n@PJL ENTER LANGUAGE=PDF\n" + pdf), std::string::npos) << options;
        if (options.empty())
            EXPECT_EQ(r.err, "");
        else
            EXPECT_EQ(r.err.rfind("ERROR: The page pass module " + bin.file("spoolwrap-pagepass.so") +
                                      " cannot be loaded: " + bin.file("spoolwrap-pagepass.so") +
                                      ": cannot open shared object file",
                                  0),
                      0u)
                << r.err;
    }
}

// A copy of the program and its page pass module without the raster module:
// a vector pass runs as ever; a raster job says why it cannot be rasterised
// and goes out as it came.
TEST(PagePassModule, WithoutTheRasterModuleOnlyARasterJobNoticesAndSaysWhy)
{
    TempDir tmp, bin;
    const std::string program = bin.file("spoolwrap");
    std::filesystem::copy_file(SpoolwrapBinary(), program);
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    std::filesystem::copy_file(QV_PAGEPASS_MODULE_BIN, bin.file("spoolwrap-pagepass.so"));
    const std::string pdf = ReadFile(ProjectPath("samples/sample.pdf"));
    const std::string fsiz = "@FSIZ=" + std::to_string(pdf.size()) + "\"";
    for (const std::string options : {"QVTurnPage=true", "QVPDFRasterizedMode=true"}) {
        SpoolwrapJob job = CupsJob(tmp.path(), tmp.file("no-marker"), options);
        job.stdinData = pdf;
        job.program = program;
        job.cleanEnvironment = true;
        const SpoolwrapResult r = testing_support::RunProcess(job);
        EXPECT_EQ(r.status, 0) << r.err;
        const bool raster = options == "QVPDFRasterizedMode=true";
        // The vector pass rewrites the document; the failed raster pass sends it as it came.
        EXPECT_EQ(r.out.find(fsiz + "\n@PJL ENTER LANGUAGE=PDF\n" + pdf) != std::string::npos, raster)
            << options;
        if (!raster)
            EXPECT_EQ(r.err, "");
        else
            EXPECT_EQ(r.err.rfind("ERROR: The raster pass module " + bin.file("spoolwrap-rasterpass.so") +
                                      " cannot be loaded: " + bin.file("spoolwrap-rasterpass.so") +
                                      ": cannot open shared object file",
                                  0),
                      0u)
                << r.err;
    }
}

} // namespace
