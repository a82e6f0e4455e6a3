// Whole files as bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

namespace testing_support {

// The file's bytes. Throws std::runtime_error naming the file when it cannot
// be read.
std::string ReadFile(const std::string& path);
// The same, for a file that may go away while it is read (a process's /proc
// entries): nothing, with `error` set.
std::string ReadFile(const std::string& path, std::error_code& error);

// Makes the file hold exactly `bytes`. Throws std::runtime_error naming the
// file when it cannot be written.
void WriteFile(const std::string& path, std::string_view bytes);

// size bytes of a pattern that repeats only after 128 KiB, so that a byte
// moved, lost or doubled shows.
std::string PatternBytes(size_t size);

} // namespace testing_support
