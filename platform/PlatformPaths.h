// Every path and platform constant the system uses, in one place.
//
// Each entry names the value the original platform used beside the one used
// here. Tests redirect them through environment variables (CUPS's own names
// where CUPS defines one) so that no test touches a system folder.
#pragma once

#include <array>
#include <string>

namespace platform {

// Marker whose existence turns on the job copy of the filter.
// Original: "/Library/Printers/QUORVEL/zkjobcopy".
// Here: "/etc/cups/quorvel/zkjobcopy"; $SPOOLWRAP_JOBCOPY_MARKER overrides it.
inline constexpr const char* kOriginalJobCopyMarker = "/Library/Printers/QUORVEL/zkjobcopy";
inline constexpr const char* kDefaultJobCopyMarker = "/etc/cups/quorvel/zkjobcopy";
std::string JobCopyMarkerPath();

// CUPS data folder holding the conversion tables under "mime/".
// Original tables: "/usr/share/cups/mime/{apple,mime}.convs".
// Here: $CUPS_DATADIR, default "/usr/share/cups".
inline constexpr const char* kDefaultCupsDataDir = "/usr/share/cups";
std::string CupsDataDir();

// Conversion tables searched for the system PDF filter, in order.
// Original: the four files below. Here: every "*.convs" file under
// CupsDataDir()/mime, then under CupsServerRoot(), each folder in name order.
inline constexpr std::array<const char*, 4> kOriginalConversionTables = {
    "/usr/share/cups/mime/apple.convs", "/usr/share/cups/mime/mime.convs", "/etc/cups/apple.convs",
    "/etc/cups/mime.convs"};

// CUPS configuration folder, searched after the data folder.
// Original tables: "/etc/cups/{apple,mime}.convs". Here: $CUPS_SERVERROOT, default "/etc/cups".
inline constexpr const char* kDefaultCupsServerRoot = "/etc/cups";
std::string CupsServerRoot();

// CUPS program folder; filters live in its "filter/" subfolder.
// Original filter folder: "/usr/libexec/cups/filter/".
// Here: $CUPS_SERVERBIN, default "/usr/lib/cups" (Debian), so "/usr/lib/cups/filter/".
inline constexpr const char* kOriginalFilterDirectory = "/usr/libexec/cups/filter/";
inline constexpr const char* kDefaultCupsServerBin = "/usr/lib/cups";
std::string CupsServerBin();
std::string FilterDirectory(); // always ends with '/'

// Destination type of the system PDF filter.
// Original: "application/vnd.apple-pdf" (Apple's layout filter output).
// Here: "application/vnd.cups-pdf", cups-filters' pdftopdf output.
inline constexpr const char* kOriginalSystemPdfType = "application/vnd.apple-pdf";
inline constexpr const char* kSystemPdfType = "application/vnd.cups-pdf";

// Application Support data root; the preference cache lives in "<root>/QUORVEL".
// Original: "/Library/Application Support" (NSApplicationSupportDirectory, local domain).
// Here: $QV_APPLICATION_SUPPORT, default "/var/lib/quorvel".
inline constexpr const char* kOriginalApplicationSupportDir = "/Library/Application Support";
inline constexpr const char* kDefaultApplicationSupportDir = "/var/lib/quorvel";
std::string ApplicationSupportDir();

// Preference store for values shared by all users (kCFPreferencesAnyUser).
// Original: "/Library/Preferences". Here: $QV_SYSTEM_PREFERENCES, default "/var/lib/quorvel/Preferences".
inline constexpr const char* kOriginalSystemPreferencesDir = "/Library/Preferences";
inline constexpr const char* kDefaultSystemPreferencesDir = "/var/lib/quorvel/Preferences";
std::string SystemPreferencesDir();

// The current user's data folder: "$XDG_CONFIG_HOME/quorvel"
// ("~/.config/quorvel" when XDG_CONFIG_HOME is unset or empty). The
// print-dialog host keeps its remembered settings here.
std::string UserDataDir();

// Preference store of the current user (kCFPreferencesCurrentUser).
// Original: "~/Library/Preferences". Here: $QV_USER_PREFERENCES, default
// "<UserDataDir()>/Preferences" ("~/.config/quorvel/Preferences").
inline constexpr const char* kOriginalUserPreferencesDir = "~/Library/Preferences";
std::string UserPreferencesDir();

// The help viewer's registration file (registered help books).
// Original: "~/Library/Preferences/com.apple.help.plist".
// Here: $QV_HELP_REGISTRATION, default "<user preferences>/com.quorvel.help.plist".
inline constexpr const char* kOriginalHelpRegistrationFile = "~/Library/Preferences/com.apple.help.plist";
inline constexpr const char* kHelpRegistrationFileName = "com.quorvel.help.plist";
std::string HelpRegistrationFile();

// Group whose members administer shared printer settings.
// Original: "admin". Here: "lpadmin", the group CUPS itself treats as printer
// administrators on Debian (there is no "admin" group); $QV_ADMIN_GROUP overrides it.
inline constexpr const char* kOriginalAdminGroup = "admin";
inline constexpr const char* kDefaultAdminGroup = "lpadmin";
std::string AdminGroupName();

// User and group databases. Original: the system directory services.
// Here: the system databases (getpwnam, getgrent); $QV_PASSWD_FILE and $QV_GROUP_FILE
// name files in passwd(5) / group(5) form read instead, so tests bring their own.
// Empty result: use the system databases.
std::string PasswdFileOverride();
std::string GroupFileOverride();

// Home directory of the process: $HOME, else the user database's entry.
std::string HomeDirectory();

} // namespace platform
