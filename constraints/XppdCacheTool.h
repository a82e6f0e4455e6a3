// The xppdcache command: writes the constraint cache section of a PPD for
// this platform to standard output. Printer makers run it when they ship a
// PPD with a "QVXCDFSetting" attribute.
#pragma once

#include <cups/ppd.h>

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

// Exit statuses of the command.
inline constexpr int kXppdCacheOk = 0;
inline constexpr int kXppdCacheFailed = 1;
inline constexpr int kXppdCacheUsage = 2;

// Every option keyword of the PPD, in libcups order (subgroup options too).
std::vector<std::string> AllOptionKeywords(ppd_file_t* ppd);

// xppdcache PPD [KEYWORD...]: the stamp line "PrintFeaturePDE" + system name,
// then the data line of the table built with the keywords as the keyword
// filter list (every option keyword of the PPD when none are given). Errors
// go to err, one line each, and give a non-zero status; a keyword the PPD
// has no option for is reported and kept in the list.
int RunXppdCache(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);
