#include "tests/support/FileBytes.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace testing_support {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::runtime_error Failure(const char* what, const std::string& path, int error)
{
    return std::runtime_error(std::string("cannot ") + what + " " + path + ": " +
                              std::generic_category().message(error));
}

} // namespace

std::string ReadFile(const std::string& path, std::error_code& error)
{
    error.clear();
    const FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        error.assign(errno, std::generic_category());
        return {};
    }
    std::string bytes;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
    if (std::ferror(file.get())) {
        error.assign(errno != 0 ? errno : EIO, std::generic_category());
        return {};
    }
    return bytes;
}

std::string ReadFile(const std::string& path)
{
    std::error_code error;
    std::string bytes = ReadFile(path, error);
    if (error) throw Failure("read", path, error.value());
    return bytes;
}

void WriteFile(const std::string& path, std::string_view bytes)
{
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file) throw Failure("write", path, errno);
    const bool complete = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const int writeError = errno;
    // Closing flushes the buffer: a full disk may only show here.
    if (std::fclose(file.release()) != 0 || !complete)
        throw Failure("write", path, complete ? errno : writeError);
}

std::string PatternBytes(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131) ^ (i >> 9));
    return bytes;
}

} // namespace testing_support
