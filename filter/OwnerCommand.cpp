#include "filter/JobCommands.h"

#include "filter/HostIdentity.h"
#include "filter/OwnerCommand.h"
#include "filter/PjlLine.h"
#include "filter/UtilityFunctionFilter.h"
#include "platform/TextEncoding.h"

#include <cstdio>
#include <ctime>
#include <span>
#include <string>
#include <string_view>

namespace {

// Text in the printer's code set, at most 254 bytes.
std::string InPrinterCodeSet(std::string_view utf8, bool utf8Printer)
{
    char converted[255] = {};
    // A value cut by its fixed field can end inside a UTF-8 character: only
    // that broken character is dropped, so the rest still converts.
    const std::string_view text = platform::WithoutCutUtf8Tail(utf8);
    const size_t length =
        utf8Printer ? ConvertUTF8ToEncodingForUTF8(text, converted) : ConvertUTF8ToEncoding(text, converted);
    return std::string(converted, length);
}

std::tm LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string PrintDate(const JBAOption& jba)
{
    if (jba.printDate[0] != '\0') return jba.printDate;
    const std::tm now = LocalNow();
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%d", now.tm_mon + 1, now.tm_mday, now.tm_year + 1900);
    return text;
}

std::string PrintTime(const JBAOption& jba)
{
    if (jba.printTime[0] != '\0') return jba.printTime;
    const std::tm now = LocalNow();
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", now.tm_hour, now.tm_min, now.tm_sec);
    return text;
}

// The client name: the computer name the dialog saw, else the network host
// name it saw, else this machine's host name.
std::string ClientName(const PrintOptions& options)
{
    const bool utf8 = IsUTF8Printer(options);
    if (options.jba.hostName[0] != '\0') {
        if (utf8) return std::string(platform::WithoutCutUtf8Tail(options.jba.hostName));
        return InPrinterCodeSet(options.jba.hostName, false);
    }
    if (options.jba.hostNameText[0] != '\0') return options.jba.hostNameText;
    char host[97] = {};
    getHostName(host, utf8);
    return host;
}

// The host address as the dialog encoded it, else this machine's own address;
// empty when there is none, and then the line is left out. An IPv4 address is
// written octet by octet without leading zeros, as the printers have always
// read it; an IPv6 address, which that form cannot carry, goes out in the
// compact form the accounting panel writes for this same key ("6" and the 32
// hexadecimal digits), so the printer sees one form whichever side found it.
std::string HostAddress(const PrintOptions& options)
{
    if (options.jba.ipAddress[0] != '\0') return options.jba.ipAddress;
    char host[97] = {};
    getHostName(host, IsUTF8Printer(options));
    char address[46] = {};
    getHostAddress(host, address);
    if (address[0] == '\0') return {};
    return EncodeOwnerHostAddress(address);
}

} // namespace

void OutputJobOwnerCommand(char** argv, const PrintOptions& options, std::string_view user,
                           std::string_view password)
{
    PutPJLComment("DATE=" + PrintDate(options.jba));
    PutPJLComment("TIME=" + PrintTime(options.jba));
    MakePJLCommand("ATTR", "CNAM", ClientName(options));

    const std::string_view owner =
        !user.empty() ? user : (argv != nullptr && argv[2] != nullptr ? argv[2] : "");
    MakePJLCommand("ATTR", "JOAU", InPrinterCodeSet(owner, IsUTF8Printer(options)));

    if (const std::string address = HostAddress(options); !address.empty())
        MakePJLCommand("ATTR", "HOAD", address);

    MakePJLCommand("ATTR", "JOEP", password);
}

void PutJACommand(char** argv, const PrintOptions& options)
{
    const JBAOption& jba = options.jba;
    const int manageType = jba.manageType;

    std::string_view firstUser;
    std::string_view firstPassword;
    const bool accounting = manageType == 1 || manageType == 2;
    // The dialog writes both settings windows' keys; the mode says whose
    // apply: the shared window's for 1, the user's own for 2.
    const int inputMode = manageType == 2 ? jba.inputMode : jba.adminInputMode;
    const int userIDSource = manageType == 2 ? jba.userIDSource : jba.adminUserIDSource;
    if (accounting && inputMode == 1) {
        firstUser = jba.inputUserID;
        firstPassword = firstUser.empty() ? std::string_view() : std::string_view(jba.inputUserPassword);
        OutputJobOwnerCommand(argv, options, firstUser, firstPassword);
    }

    std::string_view user;
    std::string_view password;
    if (accounting) {
        const int source = userIDSource;
        if (source == 2)
            user = manageType == 2 ? jba.userID : jba.adminUserID;
        else if (source == 1)
            user = jba.loginName;
        else
            user = firstUser;

        if (manageType == 2)
            password = jba.userPassword;
        else
            password = !user.empty() ? std::string_view(jba.adminUserPassword) : firstPassword;
    }
    // Every job names its owner: without accounting the block carries the CUPS user.
    OutputJobOwnerCommand(argv, options, user, password);
}
