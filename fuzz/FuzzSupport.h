// Small helpers shared by the libFuzzer harnesses.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

namespace fuzz {

inline std::string SourcePath(const std::string& relative)
{
    return std::string(QV_SOURCE_DIR) + "/" + relative;
}

// The PPDs the project ships; a harness that needs one picks it with a byte.
inline const char* const kShippedPpds[] = {
    "ppd/quorvel-kz63-color-mfp.ppd",
    "ppd/quorvel-rx42-mfp.ppd",
    "ppd/quorvel-wt74-printer.ppd",
};

// Splits the fuzz input: leading control bytes, then the rest as text.
class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t Byte()
    {
        if (pos_ >= size_) return 0;
        return data_[pos_++];
    }
    // The next piece up to a separator byte (excluded), or the rest.
    std::string_view Piece(uint8_t separator)
    {
        const size_t start = pos_;
        while (pos_ < size_ && data_[pos_] != separator) ++pos_;
        std::string_view piece(reinterpret_cast<const char*>(data_) + start, pos_ - start);
        if (pos_ < size_) ++pos_;
        return piece;
    }
    std::string_view Rest()
    {
        std::string_view rest(reinterpret_cast<const char*>(data_) + pos_, size_ - pos_);
        pos_ = size_;
        return rest;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// One scratch file per harness process, rewritten for every input.
class ScratchFile {
public:
    explicit ScratchFile(const char* suffix)
    {
        const char* tmp = std::getenv("TMPDIR");
        path_ = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/qvfuzz-" +
                std::to_string(::getpid()) + suffix;
    }
    ~ScratchFile() { ::unlink(path_.c_str()); }
    const std::string& Write(std::string_view bytes)
    {
        std::FILE* f = std::fopen(path_.c_str(), "wb");
        if (f == nullptr) throw std::runtime_error("scratch file");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        return path_;
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// A failed property: report it the way a sanitizer would, so that libFuzzer
// keeps the input.
[[noreturn]] inline void Fail(const char* what)
{
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
}

} // namespace fuzz

#define FUZZ_CHECK(cond)                                                                                     \
    do {                                                                                                     \
        if (!(cond)) ::fuzz::Fail(#cond);                                                                    \
    } while (0)
