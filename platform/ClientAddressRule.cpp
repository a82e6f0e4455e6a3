#include "platform/ClientAddressRule.h"

#include <netinet/in.h>

#include <cstdint>

#include "platform/HostAddress.h"

namespace platform {

bool IsReportableClientAddress(const sockaddr_storage& address)
{
    if (address.ss_family == AF_INET) {
        const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
        const uint32_t host = ntohl(v4.sin_addr.s_addr);
        const bool loopback = (host >> 24) == 127;
        const bool linkLocal = (host >> 16) == 0xA9FE;
        return !loopback && !linkLocal;
    }
    if (address.ss_family == AF_INET6) {
        const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
        const unsigned char* bytes = v6.sin6_addr.s6_addr;
        const bool loopback = IN6_IS_ADDR_LOOPBACK(&v6.sin6_addr);
        const bool linkLocal = bytes[0] == 0xFE && (bytes[1] & 0xC0) == 0x80;
        return !loopback && !linkLocal;
    }
    return false;
}

std::optional<std::string> ChooseClientAddress(const std::vector<sockaddr_storage>& addresses)
{
    std::optional<std::string> chosen;
    for (const sockaddr_storage& address : addresses) {
        if (!IsReportableClientAddress(address)) continue;
        std::optional<std::string> text = NumericAddressText(address);
        if (!text) continue;
        if (address.ss_family == AF_INET) return text;
        chosen = std::move(text);
    }
    return chosen;
}

} // namespace platform
