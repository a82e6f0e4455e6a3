// The separator window's page list: the check of the typed text, and its two
// forms: stored ("3 10 25": ascending, single spaces, at most 255 bytes, the
// form the print settings carry) and shown ("3,10,25").
#pragma once

#include <string>
#include <string_view>

inline constexpr int kSeparatorMaxPages = 20;
inline constexpr int kSeparatorLowestPage = 2;
inline constexpr int kSeparatorHighestPage = 9999;

enum PageInputResult { PageInputValid = 0, PageInputBadList = 1, PageInputTooManyPages = 2 };

// IsPageInputValid: 0 valid, 1 bad list ("Message22c"), 2 more than maxPages
// pages ("Message22d"). Page numbers compare by value however many digits
// they have; leading zeros are allowed (00010 is page 10).
PageInputResult IsPageInputValid(std::string_view text, int maxPages = kSeparatorMaxPages);

// The stored form of a typed list: spaces removed, split at ",", sorted by
// value, duplicates kept. Empty text gives an empty list.
std::string StoredPageList(std::string_view typed);

// The shown form of a stored list.
std::string ShownPageList(std::string_view stored);
