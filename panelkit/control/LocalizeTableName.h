// The strings table a panel and its controls take their titles from:
// "Localizable" followed by the value of the PPD attribute
// "QVLocalizableFileIndex", so that one bundle serves printer models whose
// texts differ.
#pragma once

#include <optional>
#include <string>

#include <cups/ppd.h>

// Nothing when there is no PPD or the PPD has no such attribute with a value.
std::optional<std::string> LocalizeTableNameFromPPD(ppd_file_t* ppd);
