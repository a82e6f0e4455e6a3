// A temporary folder for one test or benchmark.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

// A fresh folder under $TMPDIR (or /tmp when that is unset or empty), removed
// with everything in it when the object dies. Throws std::runtime_error when
// the folder cannot be made.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Writes a file (creating the folders on its way) and answers its path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    // Names of the entries at the top of the folder.
    std::vector<std::string> entries() const;
    // Leaves the folder behind, for looking into after a failed run.
    void Keep() { keep_ = true; }

private:
    std::string path_;
    bool keep_ = false;
};

} // namespace testing_support
