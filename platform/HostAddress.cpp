#include "platform/HostAddress.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

namespace platform {

namespace {

struct AddrInfoDeleter {
    void operator()(addrinfo* list) const { freeaddrinfo(list); }
};
using AddrInfoList = std::unique_ptr<addrinfo, AddrInfoDeleter>;

HostAddressList SystemResolve(const std::string& name)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    // One entry per address rather than one per socket type.
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* raw = nullptr;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &raw) != 0) return std::nullopt;
    const AddrInfoList list(raw);
    std::vector<sockaddr_storage> addresses;
    for (const addrinfo* ai = list.get(); ai != nullptr; ai = ai->ai_next) {
        if (ai->ai_addr == nullptr || ai->ai_addrlen > sizeof(sockaddr_storage)) continue;
        sockaddr_storage storage{};
        std::memcpy(&storage, ai->ai_addr, ai->ai_addrlen);
        addresses.push_back(storage);
    }
    return addresses;
}

HostResolver& CurrentResolver()
{
    static HostResolver resolver;
    return resolver;
}

// The four octets of dotted IPv4 text; each part one to three decimal digits
// of value 255 at most.
std::optional<std::array<unsigned, 4>> ParseIPv4(std::string_view text)
{
    std::array<unsigned, 4> octets{};
    size_t part = 0;
    size_t pos = 0;
    while (true) {
        size_t digits = 0;
        unsigned value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            if (++digits > 3) return std::nullopt;
            value = value * 10 + static_cast<unsigned>(text[pos] - '0');
            ++pos;
        }
        if (digits == 0 || value > 255 || part >= 4) return std::nullopt;
        octets[part++] = value;
        if (pos == text.size()) break;
        if (text[pos] != '.') return std::nullopt;
        ++pos;
    }
    if (part != 4) return std::nullopt;
    return octets;
}

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Colon-separated groups, each one to four hexadecimal digits, padded to four.
std::optional<std::vector<std::string>> SplitIPv6Groups(std::string_view text)
{
    std::vector<std::string> groups;
    if (text.empty()) return groups;
    size_t pos = 0;
    while (true) {
        const size_t end = std::min(text.find(':', pos), text.size());
        const std::string_view group = text.substr(pos, end - pos);
        if (group.empty() || group.size() > 4) return std::nullopt;
        for (char c : group)
            if (!IsHexDigit(c)) return std::nullopt;
        groups.push_back(std::string(4 - group.size(), '0') + std::string(group));
        if (end == text.size()) break;
        pos = end + 1;
    }
    return groups;
}

std::string EncodeIPv6(std::string_view text)
{
    // The zone ("%eth0") names a local interface, not part of the address.
    text = text.substr(0, std::min(text.find('%'), text.size()));
    const size_t gap = text.find("::");
    std::vector<std::string> groups;
    if (gap == std::string_view::npos) {
        auto all = SplitIPv6Groups(text);
        if (!all || all->size() != 8) return {};
        groups = std::move(*all);
    } else {
        auto head = SplitIPv6Groups(text.substr(0, gap));
        auto tail = SplitIPv6Groups(text.substr(gap + 2));
        if (!head || !tail || head->size() + tail->size() > 7) return {};
        groups = std::move(*head);
        groups.resize(8 - tail->size(), "0000");
        groups.insert(groups.end(), tail->begin(), tail->end());
    }
    std::string out = "6";
    for (const std::string& group : groups) out += group;
    return out;
}

std::string EncodeIPv4(std::string_view text, OctetDigits digits)
{
    const auto octets = ParseIPv4(text);
    if (!octets) return {};
    std::string out = "I";
    for (unsigned octet : *octets) {
        char hex[4];
        std::snprintf(hex, sizeof hex, digits == OctetDigits::Two ? "%02X" : "%X", octet);
        out += hex;
    }
    return out;
}

} // namespace

void SetHostResolver(HostResolver resolver) { CurrentResolver() = std::move(resolver); }

HostAddressList ResolveWithTimeout(const HostResolver& resolver, const std::string& name,
                                   std::chrono::milliseconds bound)
{
    // Shared by the waiting caller and the helper; whoever leaves last frees it.
    struct Pending {
        std::mutex mutex;
        std::condition_variable done;
        bool finished = false;
        HostAddressList result;
    };
    auto pending = std::make_shared<Pending>();
    try {
        std::thread([pending, resolver, name] {
            HostAddressList result = resolver(name);
            const std::lock_guard<std::mutex> lock(pending->mutex);
            pending->result = std::move(result);
            pending->finished = true;
            pending->done.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        return std::nullopt;
    }
    std::unique_lock<std::mutex> lock(pending->mutex);
    if (!pending->done.wait_for(lock, bound, [&] { return pending->finished; })) return std::nullopt;
    return std::move(pending->result);
}

HostAddressList ResolveHostName(const std::string& name)
{
    const HostResolver& installed = CurrentResolver();
    if (!installed)
        if (const char* fixed = std::getenv(kHostAddressesVariable)) return ParseHostAddresses(fixed);
    return ResolveWithTimeout(installed ? installed : HostResolver(SystemResolve), name, kHostResolveTimeout);
}

HostAddressList ParseHostAddresses(std::string_view text)
{
    if (text.empty()) return std::nullopt;
    std::vector<sockaddr_storage> addresses;
    while (true) {
        const size_t comma = std::min(text.find(','), text.size());
        const std::string item(text.substr(0, comma));
        sockaddr_storage storage{};
        auto* v4 = reinterpret_cast<sockaddr_in*>(&storage);
        auto* v6 = reinterpret_cast<sockaddr_in6*>(&storage);
        if (inet_pton(AF_INET, item.c_str(), &v4->sin_addr) == 1) {
            v4->sin_family = AF_INET;
            addresses.push_back(storage);
        } else if (inet_pton(AF_INET6, item.c_str(), &v6->sin6_addr) == 1) {
            v6->sin6_family = AF_INET6;
            addresses.push_back(storage);
        }
        if (comma == text.size()) break;
        text.remove_prefix(comma + 1);
    }
    return addresses;
}

std::optional<std::string> NumericAddressText(const sockaddr_storage& address)
{
    socklen_t length = 0;
    if (address.ss_family == AF_INET) length = sizeof(sockaddr_in);
    if (address.ss_family == AF_INET6) length = sizeof(sockaddr_in6);
    char text[INET6_ADDRSTRLEN] = {};
    if (length == 0 || getnameinfo(reinterpret_cast<const sockaddr*>(&address), length, text, sizeof text,
                                   nullptr, 0, NI_NUMERICHOST) != 0)
        return std::nullopt;
    return std::string(text);
}

std::string LocalHostName()
{
    if (const char* fixed = std::getenv(kHostNameVariable); fixed != nullptr && *fixed != '\0') return fixed;
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

namespace {

// systemd's pretty host name, the name a person gave the machine
// (PRETTY_HOSTNAME in /etc/machine-info, as hostnamectl sets it); empty when
// none is set.
std::string PrettyHostName()
{
    std::ifstream info("/etc/machine-info");
    std::string line;
    constexpr std::string_view kPretty = "PRETTY_HOSTNAME=";
    while (std::getline(info, line)) {
        if (line.rfind(kPretty, 0) != 0) continue;
        std::string value = line.substr(kPretty.size());
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return value;
    }
    return {};
}

} // namespace

std::string ComputerName()
{
    if (const char* fixed = std::getenv(kComputerNameVariable); fixed != nullptr && *fixed != '\0')
        return fixed;
    // A fixed host name fixes the whole identity of a scripted run.
    const char* fixedHost = std::getenv(kHostNameVariable);
    if (fixedHost == nullptr || *fixedHost == '\0') {
        if (std::string pretty = PrettyHostName(); !pretty.empty()) return pretty;
    }
    return LocalHostName();
}

std::string EncodeClientAddress(std::string_view address, OctetDigits digits)
{
    if (address.find('.') != std::string_view::npos) return EncodeIPv4(address, digits);
    if (address.find(':') != std::string_view::npos) return EncodeIPv6(address);
    return {};
}

} // namespace platform
