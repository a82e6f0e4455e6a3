// Filling the constraint table from a PPD's UIConstraints.
//
// Each constraint line makes entries in one direction only: the key is a
// choice of option 2, the value the place of a choice of option 1. PPDs state
// their constraints in both directions, so both sides end up in the table.
// Only options of the PPD's top-level groups are found; an option inside a
// subgroup (OpenSubGroup ... CloseSubGroup) never takes part.
#pragma once

#include "constraints/XppdTable.h"

#include <cups/ppd.h>

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// The four builders, one per constraint shape, for the constraint at the
// given index of the PPD's constraint list. Each answers the number of
// entries it added (0 when an option or choice is not found, or the index is
// outside the list).
std::size_t xConst2Hash_O1O2(ppd_file_t* ppd, XppdTable* table, int constraintIndex);
std::size_t xConst2Hash_O1C1O2(ppd_file_t* ppd, XppdTable* table, int constraintIndex);
std::size_t xConst2Hash_O1O2C2(ppd_file_t* ppd, XppdTable* table, int constraintIndex);
std::size_t xConst2Hash_O1C1O2C2(ppd_file_t* ppd, XppdTable* table, int constraintIndex);

// The builder for the constraint's shape (which choices are empty).
std::size_t AddConstraintToXppd(ppd_file_t* ppd, XppdTable* table, int constraintIndex);

// Walk every constraint of the PPD in order and add those that name a listed
// option keyword (exact comparison) as option 1 or option 2. Does nothing
// when the PPD or the table is missing or the PPD has no constraints.
void BuildXppdFromConstraints(ppd_file_t* ppd, XppdTable* table,
                              std::span<const std::string> keywordFilterList);

// Whether a choice of an option stands for "this option is in use" when a
// constraint names the option without a choice: every choice but the first
// one and those named "None", "Off" or "False" (in any letter case).
bool IsEligibleChoice(const ppd_option_t& option, int choiceIndex);
