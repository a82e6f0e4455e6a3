// What the PPD-bound controls of the Features panel share: the panel they
// live in, the PPD and constraint table they read, their choice lists, the
// PPD marking, the print-dialog hand-over of a choice and the mailbox rules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <cups/ppd.h>

#include "constraints/PpdChoiceRow.h"
#include "constraints/XppdTable.h"

class BaseControl;
class KPRINTFEATURESPDE;

// The Features panel the control was added to; null for any other panel.
KPRINTFEATURESPDE* FeaturesPanelOf(const BaseControl& control);
// The parent panel's current PPD and constraint table; null without them.
ppd_file_t* CurrentPPDOf(const BaseControl& control);
const XppdTable* CurrentXppdOf(const BaseControl& control);

// The choice list of the option rebuilt under the PPD's current marks. A
// control without a constraint table has no list: it shows and marks nothing.
void RebuildChoiceList(const BaseControl& control, std::string_view keyword, PpdChoiceList& list);

// Marks the choice with ppdMarkOption (keywords as libcups keeps them, at
// most 255 bytes); whether libcups reported no conflict.
bool MarkPPDChoice(ppd_file_t* ppd, std::string_view option, std::string_view choice);

// Hands the option's choice to the print dialog
// (willChangePPDOptionKeyValue:ppdChoice:); the dialog's answer, NO when the
// panel has no callback object.
bool SendPPDChoice(const BaseControl& control, std::string_view option, std::string_view choice);

// The panel's mailbox flag is set and the keyword is in either mailbox table
// (the control is disabled), or in the restore table (the control is also
// held at its PPD default).
bool MailboxDisables(const BaseControl& control, std::string_view keyword);
bool MailboxRestoresDefault(const BaseControl& control, std::string_view keyword);

// The entry of a 1-based pop-up value; null for a value without an entry.
const PpdChoiceRow* EntryOfListValue(const PpdChoiceList& list, int32_t value);
// The entry a check box's value stands for: with a first entry "False",
// value 0 is entry 0 and 1 is entry 1, otherwise the reverse. Null for a
// value other than 0 and 1 and for an entry the list does not have (a
// one-choice boolean, an empty list).
const PpdChoiceRow* EntryOfCheckBoxValue(const PpdChoiceList& list, int32_t value);

// Choice keywords compare as libcups compares them, without letter case:
// "True" also names a PPD's "true".
bool SameChoiceKeyword(std::string_view a, std::string_view b);

// The text cut to at most maxBytes bytes without splitting a character.
std::string CutUtf8(std::string_view text, std::size_t maxBytes);

// Limits of the texts the controls keep or show.
inline constexpr std::size_t kPPDKeyCStrMax = 254;     // own keyword copy
inline constexpr std::size_t kMenuItemTextMax = 99;    // item titles and keys
inline constexpr std::size_t kMarkKeywordMax = 255;    // keyword handed to libcups
inline constexpr std::size_t kCheckBoxSummaryMax = 23; // a check box's summary text
