// The constraint cache file: a constraint table written out next to the PPD,
// so that a dialog need not walk thousands of constraints when it opens.
//
// Text, lines ending with a line feed: any lines, then the stamp line of the
// section (stamp prefix and system name, see XPPDStamp.h), then the data
// line: every entry as four fields each followed by "@": key, group index,
// option index, choice index (decimal). "QVStaple:LeftDoublePort@2@5@1@".
#pragma once

#include "constraints/XppdTable.h"

#include <cups/ppd.h>

#include <string>
#include <string_view>

// Attribute that names a PPD's cache file, and the stamp prefix of the
// Features panel's section.
inline constexpr const char* kXppdCacheAttribute = "QVXCDFSetting";
inline constexpr const char* kPrintFeatureStampPrefix = "PrintFeaturePDE";

// Move the text before the first separator into the field and drop it and the
// separator from the source. With no separator left it changes nothing and
// answers false; the reader stops there, since the rest cannot be a record.
bool getoneline(std::string_view& source, std::string& field, char separator);

// Fill the table from the cache file named by the first attribute whose name
// begins with attributeName (at most 19 bytes of it), reading the section of
// stampPrefix + system name. 0 when the file opened (a file without that
// section adds nothing); 1 when there is no PPD, table, attribute or
// readable regular file, and the table is left as it was. Entries that point outside
// this PPD's groups, options or choices are skipped.
int GetXPPD(ppd_file_t* ppd, XppdTable* table, std::string_view stampPrefix, std::string_view attributeName);
