// What PPD-bound controls read from the PPD: choice rows with their conflict
// state, the default choice, the option's title, and attribute tests.
#pragma once

#include "constraints/PpdChoiceRow.h"
#include "constraints/XppdTable.h"

#include <cups/ppd.h>

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Append one row per choice of the option, in PPD order (keywords as in the
// PPD record, the translated text, the conflict state from the table under
// the PPD's current marks), and add one to rowCount per row. Nothing when the
// list or PPD is missing, or the option is missing or has no choices.
void GetUIListFromPPD(ppd_file_t* ppd, const XppdTable* table, std::string_view optionKeyword,
                      PpdChoiceList* list, int& rowCount);

// GetUIListFromPPD with a counter of its own, when the PPD has the option.
void InitializeValueFromPPD(ppd_file_t* ppd, const XppdTable* table, PpdChoiceList* list,
                            std::string_view optionKeyword);

// The option's default choice keyword; nothing when the option is missing.
std::optional<std::string> GetUIDefaultFromPPD(ppd_file_t* ppd, std::string_view optionKeyword);

// The option's translated title in UTF-8; nothing when the option is missing.
std::optional<std::string> GetUITitleFromPPD(ppd_file_t* ppd, std::string_view optionKeyword);

// Index of the first row whose option and choice keywords equal the given
// ones (case-sensitive); -1 when none does or the list is empty.
int FindPPDKeyPairsMatch(std::span<const PpdChoiceRow> list, std::string_view optionKeyword,
                         std::string_view choiceKeyword);

// The extensions copy an attribute name into a 20-byte field before they
// look it up, so at most this many bytes of it take part (CDFKeyExist, GetXPPD).
inline constexpr std::size_t kAttrNameFieldMax = 19;

// Whether the PPD has an attribute whose name begins with the given name (at
// most kAttrNameFieldMax bytes of it).
bool CDFKeyExist(ppd_file_t* ppd, std::string_view attributeName);
