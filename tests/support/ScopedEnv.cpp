#include "tests/support/ScopedEnv.h"

#include <cstdlib>

namespace testing_support {

namespace {

void Put(const std::string& name, const std::optional<std::string>& value)
{
    if (value)
        setenv(name.c_str(), value->c_str(), 1);
    else
        unsetenv(name.c_str());
}

} // namespace

ScopedEnv::ScopedEnv(const char* name, std::optional<std::string> value) : name_(name)
{
    if (const char* old = std::getenv(name)) old_ = old;
    Put(name_, value);
}

ScopedEnv::~ScopedEnv() { Put(name_, old_); }

} // namespace testing_support
