// Shared helpers of the constraint engine tests: fixture paths, marking,
// temporary files, the platform release override and the PPD sample of the
// openprinting-ppds package.
#pragma once

#include "platform/PlatformRelease.h"
#include "platform/PpdFile.h"
#include "constraints/XppdTable.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

#include <cups/ppd.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace constraints_test {

using testing_support::ReadFile;
using testing_support::TempDir;

std::string FixturePath(const std::string& name);
std::string ProjectPPDPath(const std::string& name);

// Open a PPD or fail the calling test.
PpdFilePtr OpenOrFail(const std::string& path);

// Mark a choice through libcups; false when libcups does not know it.
bool Mark(ppd_file_t* ppd, const char* option, const char* choice);
// Clear every mark the way libcups keeps them (the choices' flags, its list
// of marked choices and the page sizes' flags), so that a check starts from
// a PPD with nothing marked.
void UnmarkAll(ppd_file_t* ppd);

// The place of a choice in the top-level groups; fails the test when absent.
x_constraints PlaceOf(ppd_file_t* ppd, const char* option, const char* choice);

// Every option keyword of the PPD.
std::vector<std::string> OptionKeywords(ppd_file_t* ppd);

// Entries of a table as sorted (key, place) pairs, for comparing tables.
std::vector<std::pair<std::string, x_constraints>> Entries(const XppdTable& table);

// A copy of a PPD with extra lines placed right after its first line.
std::string CopyPPDWithLines(const TempDir& dir, const std::string& source, const std::string& name,
                             const std::string& lines);

// Sets the platform release text for the life of the object.
struct ScopedRelease : testing_support::ScopedEnv {
    explicit ScopedRelease(const char* release)
        : ScopedEnv(platform::kPlatformReleaseVariable, std::string(release))
    {}
};

// Keywords of the options a PPD file places inside OpenSubGroup blocks, read
// from the file text (independently of the engine).
std::vector<std::string> SubgroupOptionsFromText(const std::string& path);

// A PPD of the openprinting-ppds package, for example "Canon/cnprc650x1g.ppd",
// written by the package's driver program into the build tree on first use.
// Nothing, with the reason, when the driver or the PPD is not available.
std::optional<std::string> OpenPrintingPPD(const std::string& name, std::string& reason);

} // namespace constraints_test
