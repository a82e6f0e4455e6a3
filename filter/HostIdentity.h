// Who the client computer is, as the filter reports it: its host name, the one
// address it picks among those the name resolves to, and the address texts of
// the owner block. Resolution and the compact address form are shared with the
// Job Accounting pane (platform/HostAddress.h).
#pragma once

#include "platform/HostAddress.h"

#include <span>
#include <string>
#include <string_view>

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

// The owner block's HOAD value for a numeric address: each IPv4 octet without
// leading zeros ("10.1.200.15" is "IA1C8F"); an IPv6 address in the compact
// client form. Empty for malformed text.
std::string EncodeOwnerHostAddress(std::string_view address);

// The host name (97-byte buffer) and its compact client address (40-byte
// buffer); the address stays empty when the name does not resolve.
void GetClientIPAddress(std::span<char> hostName, std::span<char> clientAddress, bool utf8Printer);
