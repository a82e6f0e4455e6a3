// The client computer's host name and network addresses, as both the filter
// and the Job Accounting pane need them: resolution behind a seam that tests
// replace, the numeric text of an address, and the compact address text the
// printer's accounting records expect. Each side picks its own address.
#pragma once

#include <sys/socket.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The addresses a host name resolves to, in the resolver's order; no value when
// resolution failed.
using HostAddressList = std::optional<std::vector<sockaddr_storage>>;

// Resolves a host name. The system one asks getaddrinfo; tests hand in their own
// so that nothing depends on, or talks to, the machine's network.
using HostResolver = std::function<HostAddressList(const std::string& name)>;

// Replaces the resolver; an empty function brings back the system resolver.
void SetHostResolver(HostResolver resolver);

// A print job must not wait on a slow or dead name server: resolution is given
// this long and then abandoned, and the job goes on without an address.
inline constexpr std::chrono::milliseconds kHostResolveTimeout{5000};

// Runs the resolver on a helper thread and waits at most bound for it. When the
// bound passes the helper is left to finish on its own (it owns everything it
// touches) and no address is reported.
HostAddressList ResolveWithTimeout(const HostResolver& resolver, const std::string& name,
                                   std::chrono::milliseconds bound);

// Seams that fix the machine's identity for tests and scripted dialog runs,
// read anew on every call (each bundle's copy of this layer sees the same):
//   QV_HOST_ADDRESSES  the resolver's answer, numeric addresses separated by
//                      commas, in order ("" means resolution failed);
//   QV_HOST_NAME       LocalHostName();
//   QV_COMPUTER_NAME   ComputerName().
inline constexpr const char* kHostAddressesVariable = "QV_HOST_ADDRESSES";
inline constexpr const char* kHostNameVariable = "QV_HOST_NAME";
inline constexpr const char* kComputerNameVariable = "QV_COMPUTER_NAME";

// Resolves name with the installed resolver; without one, QV_HOST_ADDRESSES
// when it is set, else the system's resolver, bounded by kHostResolveTimeout.
HostAddressList ResolveHostName(const std::string& name);

// The addresses of a QV_HOST_ADDRESSES text, in order; items that are no
// numeric address are passed over. An empty text is a failed resolution.
HostAddressList ParseHostAddresses(std::string_view text);

// The numeric text of an IPv4 or IPv6 address, made in a 46-byte buffer (the
// longest IPv6 text); nothing for another family, or for a text that would not
// fit there (an IPv6 zone with a long interface name).
std::optional<std::string> NumericAddressText(const sockaddr_storage& address);

// This machine's host name (QV_HOST_NAME when set and not empty); empty when
// the system has none.
std::string LocalHostName();

// The computer's name a person gave it (SCDynamicStoreCopyComputerName):
// QV_COMPUTER_NAME when set and not empty; else systemd's pretty host name
// (PRETTY_HOSTNAME of /etc/machine-info) where one is set and QV_HOST_NAME
// does not fix the identity; else the host name.
std::string ComputerName();

// How the compact form writes an IPv4 octet.
enum class OctetDigits {
    Two,      // always two digits: the client address
    Shortest, // without leading zeros: the owner block's host address
};

// The compact address: "I" and each octet in uppercase hexadecimal for IPv4
// ("10.1.200.15" is "I0A01C80F", or "IA1C8F" with the shortest digits); "6"
// and the 32 digits of the fully expanded IPv6 address, in the letter case of
// the text, its zone left out. Empty for text that is not a well-formed address.
std::string EncodeClientAddress(std::string_view address, OctetDigits digits = OctetDigits::Two);

} // namespace platform
