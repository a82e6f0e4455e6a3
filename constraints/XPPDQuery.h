// The conflict query: one hash lookup and a look at the marked flag of each
// choice the key's entries point at.
#pragma once

#include "constraints/XppdTable.h"

#include <cups/ppd.h>

#include <string_view>

// 1 when marking the choice would conflict with the PPD's current marks
// (some entry of "option:choice" points at a marked choice), else 0. Entries
// that point outside the PPD's groups, options or choices (a table made for
// another PPD, a stale cache file) never conflict. A missing PPD or table
// answers 0.
int IsPPDChoiceConflicted(ppd_file_t* ppd, const XppdTable* table, std::string_view optionKeyword,
                          std::string_view choiceKeyword);

// The choice an entry points at, or null when the entry lies outside the PPD.
const ppd_choice_t* ChoiceAtPlace(const ppd_file_t& ppd, const x_constraints& place);
