// An environment variable set for one scope.
#pragma once

#include <optional>
#include <string>

namespace testing_support {

// Sets the variable (or, with no value, unsets it) and restores what it was
// when the object dies.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

} // namespace testing_support
