// Which resolved address may name the client computer to the printer. A
// loopback address (127.0.0.0/8, ::1) or a link-local one (169.254.0.0/16,
// fe80::/10) names no computer the printer could reach or tell apart: Debian's
// /etc/hosts maps the host name to 127.0.1.1, so the resolver's first answer
// is often such an address. The filter and the Job Accounting pane both pass
// them over and prefer IPv4, through this one rule.
#pragma once

#include <sys/socket.h>

#include <optional>
#include <string>
#include <vector>

namespace platform {

// Whether the address is IPv4 or IPv6 and neither loopback nor link-local.
bool IsReportableClientAddress(const sockaddr_storage& address);

// The numeric text of the address to report: the first reportable IPv4
// address, else the last reportable IPv6 address; nothing when none is left.
std::optional<std::string> ChooseClientAddress(const std::vector<sockaddr_storage>& addresses);

} // namespace platform
