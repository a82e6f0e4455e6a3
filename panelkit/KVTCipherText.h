// Reading back a secret that a ticket write enciphered: the Base64 text
// decoded (KVTB64ToBin) and the cipher applied again (KVTEncrypt), which
// gives the plain bytes. The panes use it to restore passcodes and passwords
// from the print settings with the same capacity as the write (255 bytes).
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The cipher text of the plain bytes (KVTEncrypt, then KVTBinToB64), as the
// ticket write makes it; the empty text for empty bytes; nothing when the
// bytes are more than 255 or their Base64 would exceed 255 characters.
std::optional<std::string> EncipherTicketText(std::string_view plain);
// The plain bytes; the empty text for an empty value; nothing when the text
// is not Base64 of at most 255 bytes.
std::optional<std::string> DecipherTicketText(std::string_view base64);
