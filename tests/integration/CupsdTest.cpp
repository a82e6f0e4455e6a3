#include "CupsdTest.h"

#include "ProcessTree.h"

#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

void CupsdTest::SetUp()
{
    // Processes that cupsd's children leave behind are handed to this
    // process instead of init, so a test can see them.
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    root_ = rootDir_.path();
    // cupsd's filters run as "lp", which must reach the installed files.
    ASSERT_EQ(chmod(root_.c_str(), 0755), 0);
    driver_ = InstallDriver(root_ + "/stage");
    ASSERT_TRUE(driver_.ok) << driver_.log;
}

void CupsdTest::TearDown()
{
    cupsd_.reset();
    while (waitpid(-1, nullptr, WNOHANG) > 0) {}
    const char* keep = std::getenv("QV_KEEP_CUPS_ROOT");
    if (keep != nullptr && *keep != '\0') {
        std::fprintf(stderr, "kept %s\n", root_.c_str());
        rootDir_.Keep();
    }
}

void CupsdTest::StartCupsd(bool systemFilters)
{
    cupsd_ = std::make_unique<PrivateCupsd>(
        root_, PrivateCupsd::Options{driver_.filter, driver_.ppdFolder, systemFilters});
    ASSERT_TRUE(cupsd_->running()) << cupsd_->startLog();
}

std::vector<std::string> CupsdTest::TempFiles() const
{
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(cupsd_->TempFolder(), ec), end; !ec && it != end;
         it.increment(ec))
        names.push_back(it->path().filename());
    return names;
}

std::vector<std::string> CupsdTest::OtherProcesses(const std::string& text) const
{
    std::vector<std::string> found;
    const std::string cupsd = std::to_string(cupsd_->pid()) + ":";
    for (const std::string& p : Descendants(getpid()))
        if (p.rfind(cupsd, 0) != 0 && p.find(text) != std::string::npos) found.push_back(p);
    return found;
}
