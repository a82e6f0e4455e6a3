// Owning view of a parsed CUPS option string (argument 5 of the filter).
#pragma once

#include <cups/cups.h>

#include <string>

class CupsOptions {
public:
    explicit CupsOptions(const char* optionString)
    {
        if (optionString != nullptr) count_ = cupsParseOptions(optionString, 0, &options_);
    }
    ~CupsOptions() { cupsFreeOptions(count_, options_); }
    CupsOptions(const CupsOptions&) = delete;
    CupsOptions& operator=(const CupsOptions&) = delete;

    // The option's value, or null when the option is absent.
    const char* Get(const char* name) const { return cupsGetOption(name, count_, options_); }
    int size() const { return count_; }

private:
    int count_ = 0;
    cups_option_t* options_ = nullptr;
};
