// Who the client computer is: its host name and one usable network address,
// and the compact address texts the printer's accounting records expect.
#pragma once

#include <sys/socket.h>

#include <chrono>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// Copies a host name into buffer (at most its size minus one bytes). A UTF-8
// printer shows at most 32 UTF-16 characters of it, so longer valid UTF-8
// names are cut to their first 32 characters first.
void FitHostName(std::string_view name, bool utf8Printer, std::span<char> buffer);

// The local host name into a 97-byte buffer; empty when the system has none.
void getHostName(std::span<char> buffer, bool utf8Printer);

// Resolves name and picks one address: the first IPv4 address other than
// 127.0.0.1, else the last IPv6 address that is not fe80::1. The buffer holds
// its numeric text, or stays empty. Returns 1 when the last address examined
// could be made into numeric text, else 0 (also for a missing or non-ASCII name).
int getHostAddress(const char* name, std::span<char> buffer);

// The compact client address: "I" and two uppercase hexadecimal digits per
// octet for IPv4 ("10.1.200.15" is "I0A01C80F"), "6" and the 32 digits of the
// fully expanded IPv6 address in the letter case of the text. Empty for text
// that is not a well-formed address.
std::string EncodeClientAddress(std::string_view address);

// The owner block's HOAD value for a numeric address: "I" and each octet in
// uppercase hexadecimal without leading zeros ("10.1.200.15" is "IA1C8F"); an
// IPv6 address in the compact client form. Empty for malformed text.
std::string EncodeOwnerHostAddress(std::string_view address);

// The host name (97-byte buffer) and its compact client address (40-byte
// buffer); the address stays empty when the name does not resolve.
void GetClientIPAddress(std::span<char> hostName, std::span<char> clientAddress, bool utf8Printer);
