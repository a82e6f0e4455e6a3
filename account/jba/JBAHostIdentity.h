// The identity stamped on every accounting job: the computer's name, the
// network host name, the encoded client address and the local date and time,
// written into the job's print settings.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/PrintSettings.h"

// Writes the five identity keys. Every key is written even when an earlier
// write failed (one bad value must not cost the printer the others); YES
// only when all five succeeded.
bool SetInformationToTicket(platform::PrintSettings* settings, bool lock);

// Writes the text under the key after filtering its bytes: cut to 32 bytes
// on a character boundary, empty for spaces only, bytes outside low..high
// become "_" and the right single quotation mark "___". A maximum of 0 or
// less means 256; a text of more UTF-8 bytes than that is written empty.
bool SetCFStringToTicketWithByteFilter(platform::PrintSettings* settings, std::string_view text,
                                       const char* key, bool lock, unsigned char low, unsigned char high,
                                       int maximum);
// The filtered value SetCFStringToTicketWithByteFilter writes.
std::string ByteFilteredText(std::string_view text, unsigned char low, unsigned char high, int maximum);

// Writes at most 255 UTF-8 bytes of the text (empty when it is no UTF-8).
bool SetCStringToTicket(platform::PrintSettings* settings, std::string_view text, const char* key, bool lock);

// The local date "MM/DD/YYYY" and time "HH:MM:SS", appended to the buffers
// (at least 17 bytes each; the caller clears them). The seconds are cut, not
// rounded: 23:59:59.6 is 23:59:59.
void GetCurrentDateAndTime(std::span<char> date, std::span<char> time);

// The host name (65-byte buffer, cut to 64 bytes on a character boundary)
// and the encoded client address (40-byte buffer, empty without a
// reportable address).
void GetClientIPAddress(std::span<char> host, std::span<char> address);
