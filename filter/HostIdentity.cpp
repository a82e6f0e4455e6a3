#include "filter/HostIdentity.h"

#include "platform/ClientAddressRule.h"
#include "platform/TextEncoding.h"

#include "filter/UtilityFunctionFilter.h"

#include <cstring>
#include <optional>
#include <vector>

namespace {

// Resolution of the name with the bounded wait.
platform::HostAddressList MyResolveNameToAddress(const std::string& name)
{
    return platform::ResolveHostName(name);
}

// Walks the addresses in order and picks the one to report. Returns the flag:
// whether the last address examined had a numeric text.
int MyPrintAddressArray(const std::vector<sockaddr_storage>& addresses, std::span<char> buffer)
{
    int found = 0;
    for (const sockaddr_storage& address : addresses) {
        const std::optional<std::string> text = platform::NumericAddressText(address);
        if (!text) {
            found = 0;
            continue;
        }
        found = 1;
        const std::string_view numeric(*text);
        if (numeric.find('.') != std::string_view::npos) {
            // An IPv4 address ends the search: the printer prefers it.
            if (platform::IsReportableClientAddress(address)) {
                CopyToField(numeric, buffer);
                break;
            }
        } else if (numeric.find(':') != std::string_view::npos) {
            // An IPv6 address is kept only until an IPv4 address turns up.
            if (platform::IsReportableClientAddress(address)) CopyToField(numeric, buffer);
        }
    }
    return found;
}

} // namespace

void FitHostName(std::string_view name, bool utf8Printer, std::span<char> buffer)
{
    if (buffer.empty()) return;
    std::memset(buffer.data(), 0, buffer.size());
    if (utf8Printer && platform::IsValidUtf8(name)) {
        size_t units = 0;
        size_t pos = 0;
        while (pos < name.size()) {
            size_t next = pos;
            const std::optional<char32_t> cp = platform::DecodeUtf8Char(name, next);
            if (!cp) break;
            const size_t width = *cp > 0xFFFF ? 2 : 1; // a surrogate pair stays whole
            if (units + width > 32) break;
            units += width;
            pos = next;
        }
        name = name.substr(0, pos);
    }
    CopyToField(name, buffer);
}

void getHostName(std::span<char> buffer, bool utf8Printer)
{
    FitHostName(platform::LocalHostName(), utf8Printer, buffer);
}

int getHostAddress(const char* name, std::span<char> buffer)
{
    // The buffer is cleared first: callers read an empty buffer as no address,
    // also when the name is missing.
    if (!buffer.empty()) std::memset(buffer.data(), 0, buffer.size());
    if (name == nullptr || buffer.empty()) return 0;
    const std::string_view host(name);
    if (host.empty()) return 0;
    for (char c : host)
        if (static_cast<unsigned char>(c) >= 0x80) return 0;

    const platform::HostAddressList addresses = MyResolveNameToAddress(std::string(host));
    if (!addresses) return 0;
    return MyPrintAddressArray(*addresses, buffer);
}

std::string EncodeOwnerHostAddress(std::string_view address)
{
    return platform::EncodeClientAddress(address, platform::OctetDigits::Shortest);
}

void GetClientIPAddress(std::span<char> hostName, std::span<char> clientAddress, bool utf8Printer)
{
    if (!clientAddress.empty()) std::memset(clientAddress.data(), 0, clientAddress.size());
    getHostName(hostName, utf8Printer);
    if (hostName.empty() || clientAddress.empty()) return;
    char address[46] = {};
    getHostAddress(hostName.data(), address);
    if (address[0] == '\0') return;
    CopyToField(platform::EncodeClientAddress(address), clientAddress);
}
