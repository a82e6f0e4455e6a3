#include "filter/JobInput.h"

#include "platform/PpdFile.h"

#include <sys/stat.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace {

// What a PPD reading was made from; a file replaced or rewritten under the
// same name is another file.
struct PpdIdentity {
    std::string path;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    bool operator==(const PpdIdentity& other) const
    {
        return path == other.path && device == other.device && inode == other.inode && size == other.size &&
               modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
    }
};

PpdIdentity CurrentPpdIdentity()
{
    PpdIdentity id;
    const char* path = std::getenv("PPD");
    if (path == nullptr || *path == '\0') return id;
    id.path = path;
    struct stat st {};
    if (::stat(path, &st) == 0) {
        id.device = st.st_dev;
        id.inode = st.st_ino;
        id.size = st.st_size;
        id.modified = st.st_mtim;
    }
    return id;
}

struct JobInputRecord {
    std::optional<std::string> optionText; // what the options were parsed from
    std::unique_ptr<CupsOptions> options;
    std::optional<PpdIdentity> ppdIdentity; // what the PPD was opened from
    PpdFilePtr ppd;
};

JobInputRecord jobinput;

} // namespace

const CupsOptions& JobOptions(char** argv)
{
    const char* text = argv != nullptr ? argv[5] : nullptr;
    const std::string current = text != nullptr ? text : "";
    if (!jobinput.options || jobinput.optionText != current) {
        jobinput.options = std::make_unique<CupsOptions>(text);
        jobinput.optionText = current;
    }
    return *jobinput.options;
}

ppd_file_t* JobPPD()
{
    PpdIdentity current = CurrentPpdIdentity();
    if (!jobinput.ppdIdentity || !(*jobinput.ppdIdentity == current)) {
        jobinput.ppd = current.path.empty() ? nullptr : OpenPpdFile(current.path);
        jobinput.ppdIdentity = std::move(current);
    }
    return jobinput.ppd.get();
}

void ResetJobInput()
{
    jobinput.options.reset();
    jobinput.optionText.reset();
    jobinput.ppd.reset();
    jobinput.ppdIdentity.reset();
}
