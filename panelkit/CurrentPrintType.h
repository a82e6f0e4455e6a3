// The print type chosen for the current job: the one rule both extensions
// follow. The Print Type pane writes its list's value into the job's print
// settings whenever the person leaves the pane or prints, so the settings
// answer first; below version code 0x1070 the pane also keeps it in the
// platform preferences, which answer when the settings hold nothing yet.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/PreferenceStore.h"
#include "platform/PrintSettings.h"

class BasePrintPanel;

// Print type values, as the Print Type pane's list stores them.
inline constexpr int32_t kPrintTypeNormal = 1;
inline constexpr int32_t kPrintTypeSecure = 2;
inline constexpr int32_t kPrintTypeSample = 3;
inline constexpr int32_t kPrintTypeDelayed = 4;
inline constexpr int32_t kPrintTypeMailBox = 5;

// The preference key suffix under which the pane's list keeps its value.
inline constexpr const char* kPrintTypeReferenceKey = "com.lumeral.vrk.printsettings.PrintTypeReference";

// Whether the value is one of the five print types.
inline bool IsPrintTypeValue(int32_t value)
{
    return value >= kPrintTypeNormal && value <= kPrintTypeMailBox;
}

// The print type of the job: the settings' "PrintTypeTicketKey" when they
// hold one; else, below version code 0x1070 and with a printer ID, the
// per-printer preference of the current user; else normal printing. A value
// that is no print type counts as normal printing.
int32_t GetCurrentJobPrintType(const platform::PrintSettings* settings,
                               platform::PreferenceStore* preferences, std::string_view printerID,
                               uint32_t osVersion);

// The same for a panel: its current print settings (the host's when the
// panel has none yet), its preference store, printer ID and version code.
int32_t GetCurrentJobPrintType(BasePrintPanel& panel);
