// Free functions both dialog extensions share: print-session and print-settings
// access, the system version, user checks, PPD value lookups, time-of-day and
// decimal-text conversions, resource names and help books. The text filters
// and length measures of the same unit are in InputFilter.h and DisplayLength.h.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <cups/ppd.h>

#include "panelkit/AppIdentity.h"
#include "panelkit/DisplayLength.h"
#include "panelkit/InputFilter.h"
#include "panelkit/PDEChoice.h"
#include "platform/Bundle.h"
#include "platform/DecimalText.h"
#include "platform/HostServices.h"
#include "platform/PrintSession.h"
#include "platform/PrintSettings.h"
#include "platform/StatusCodes.h"

using OSType = uint32_t;

// Constant names of the panels' resources and of the constraint cache stamp.
inline constexpr const char* kPrintFeaturePDETiger = "PrintFeaturePDETiger";
inline constexpr const char* kPrintFeaturePDEPanther = "PrintFeaturePDEPanther";
inline constexpr const char* kImageOptionPDETiger = "ImageOptionPDETiger";
inline constexpr const char* kImageOptionPDEPanther = "ImageOptionPDEPanther";
inline constexpr const char* STRPPDSTAMP = "*% Last Edit Date:";
// Folder of the preference cache inside the Application Support folder.
inline constexpr const char* VendorName = "QUORVEL";

// Gestalt_ALT selectors.
inline constexpr OSType gestaltSystemVersion = 0x73797376;       // 'sysv'
inline constexpr OSType gestaltSystemVersionMajor = 0x73797331;  // 'sys1'
inline constexpr OSType gestaltSystemVersionMinor = 0x73797332;  // 'sys2'
inline constexpr OSType gestaltSystemVersionBugFix = 0x73797333; // 'sys3'

// The platform's long-date record; only hour and minute are used here.
struct LongDateRec {
    int16_t era = 0;
    int16_t year = 0;
    int16_t month = 0;
    int16_t day = 0;
    int16_t hour = 0;
    int16_t minute = 0;
    int16_t second = 0;
    int16_t dayOfWeek = 0;
    int16_t dayOfYear = 0;
    int16_t weekOfYear = 0;
    int16_t pm = 0;
    int16_t res1 = 0;
    int16_t res2 = 0;
    int16_t res3 = 0;
};

// --- Session, settings and printer ---

// The number stored in the session under the key, as a 32-bit integer.
// kPMKeyNotFound when nothing (or no number) is stored.
OSStatus GetTicketFromSession(const platform::PrintSession* session, std::string_view key, int32_t* value);
// Appends the printer ID and then the key. NO when an argument is missing.
bool CreateKeyWithCurrentPrinter(const char* key, const char* printerID, std::string* string);
// Appends the ID of the session's current printer: 1 when the string is
// missing or there is no printer, else 0.
int SetPrinterString(const platform::PrintSession* session, std::string* string);
// Stores the UTF-8 value under the key with the lock flag. paramErr for a
// missing argument; memFullErr when the value is not valid UTF-8; else the
// settings' status.
OSStatus SetValueToSettingsWithTicketKeyAndLock(const char* value, platform::PrintSettings* settings,
                                                const char* key, bool lock);

// --- Operating system, users ---

// The platform's version code 0x10MN (platform::SystemVersionCode) or one of
// its digits, by selector. Answers 0, or -1 for an unknown selector.
OSErr Gestalt_ALT(OSType selector, int32_t* response);
int32_t getOSMinorVersion();
// The version code from which the panels keep their values in the print
// settings and the preference cache files instead of the platform
// preferences store.
inline constexpr int32_t kPreferenceCacheVersionCode = 0x1070;
// Whether this system's version code is kPreferenceCacheVersionCode or later.
bool UsesPreferenceCache();
// The process's real user checked with UTILITY_SERVICE::checkIfAdminUser.
bool IsUserAdmin();
// Whether the user is in the group (primary group or member list).
bool CheckUserGroups(const char* userName, const char* groupName);

// --- PPD lookups ---

// platform::FindPpdAttrByPrefix; null for a missing name.
ppd_attr_t* ppdFindAttr_ALT(ppd_file_t* ppd, const char* name);
bool CheckPPDKeyIsExist(ppd_file_t* ppd, const char* keyword);
int GetValueFromPPD(ppd_file_t* ppd, const char* keyword, std::span<const char* const> strings);
int GetPWMiniIntValueFromPPD(ppd_file_t* ppd, const char* keyword);
// The number formed by the decimal digits among the bytes (others skipped);
// 0 for none. Values beyond the 32-bit range stay at its maximum.
int getIntFromString(std::string_view bytes);
int GetPellorPWMiniIntValueFromPPD(ppd_file_t* ppd, const char* attributeName);
// Word-filter ranges read from the attribute's value; at most 20 pairs are
// taken (the record's size). Null on a missing argument or attribute, a
// number above 65535, or a high bound below its low bound.
std::unique_ptr<TextEditFilterData> CopyPellorScopeInfoFromPPD(ppd_file_t* ppd, const char* attributeName);
int GetMBMaxNumberFromPPD(ppd_file_t* ppd, const char* attributeName);
int GetIndexOfMarkedOptionWithKey(const ppd_option_t* option, ppd_file_t* ppd, const char* keyword);
// One PDEChoice per choice in order; nothing for a missing option.
std::optional<std::vector<PDEChoice>> ArrayFromPPDOption(const ppd_option_t* option);

// --- Time of day (local zone; TZ is honoured) ---

int GetActualDSTSecondOffset();
// The zone's standard-time offset as "+HHMM" / "-HHMM".
std::string GetActualTimeZoneString();
// Writes "2001-01-01 HH:MM:00 +ZZZZ" (NUL-terminated, cut to the buffer).
// NO for an empty buffer.
bool ConvertLongDateToNSDate(const LongDateRec& date, std::span<char> text);
// Hour from characters 11-12 and minute from 14-15 of the date's text
// ("2001-01-01 09:05:00 +0900"). NO, record unchanged, when they are not digits.
bool ConvertNSDateToLongDate(std::string_view dateText, LongDateRec* date);

// --- Decimal text ---

// 123 gives "12.3", 7 gives "0.7", -5 gives "-0.5". The buffer is cleared
// first; NO when the text does not fit (the buffer then stays cleared).
bool ConvertIntToFloatStr(const int* value, std::span<char> text);
int ConvertFloatStrToInt(const char* text);
int GetStringPointCount(std::u16string_view string);
int GetStringPointIndex(std::u16string_view string);
int numCompare(int a, int b, void* context);
// itoa, shared with the filter, is in platform/DecimalText.h.
// Decodes the value escape ("/97/44/98" to "a,b") in place (platform/ValueEscape.h).
void numstrtochar(std::span<char> text);

// --- Strings and resources ---

void ReleaseCFString(std::unique_ptr<std::u16string>* string);
// A copy cut so that its UTF-8 form takes at most 255 bytes (never inside a character).
std::u16string NSStringCreateWithCFString(std::u16string_view string);
std::string GetAppResourceName(std::string_view text, int part);
std::string GetAppResourceNameNS(std::string_view text, int part);
// At most 255 characters.
std::string GetAppFullResourceName(std::string_view name, int kind, std::string_view prefix0,
                                   std::string_view prefix1);
// The extension's own bundle: the one the host has loaded under the
// identifier that initWithBundle recorded; null when the host has none.
std::shared_ptr<const platform::Bundle> GetAppBundleRef(const platform::HostServices& services,
                                                        const AppIdentity& identity);
std::string GetAppClientID(const AppIdentity& identity);
// Has the host register the help book of the extension's bundle; fnfErr
// without the bundle, else the host's status.
OSStatus RegisterMyHelpBook(platform::HostServices& services, const AppIdentity& identity);
// Has the host show the page of the book named by the bundle's localised
// string for the key ("no translation" when it has none). fnfErr without a
// bundle or key, else the host's status.
OSStatus GotoHelpPage(platform::HostServices& services, const platform::Bundle* bundle,
                      std::string_view pagePath, std::string_view anchor, const char* bookNameKey);
