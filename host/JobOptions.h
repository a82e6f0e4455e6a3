// The job options the dialog hands to CUPS, as one option string: what the
// filter receives in argument 5 of its command line (before cupsd adds its
// own). Every value is quoted, so that cupsParseOptions gives back each value
// byte for byte whatever it holds (spaces, quotes, backslashes).
#pragma once

#include <string>
#include <string_view>

#include "platform/PrintSettings.h"

namespace host {

// Whether a name can be carried in an option string: not empty, and no
// space, control character, '=', quote or backslash.
bool IsOptionName(std::string_view name);

// 'value' with each backslash and apostrophe preceded by a backslash.
std::string QuoteOptionValue(std::string_view value);

// "Keyword=Choice" of each PPD choice the dialog set, then every print
// setting "Key=Value" (a key that is also a PPD choice's keyword is left to
// the choice; a key IsOptionName refuses cannot be carried and is left out),
// separated by single spaces.
std::string JobOptionString(const platform::PrintSettings& ppdChoices,
                            const platform::PrintSettings& settings);

} // namespace host
