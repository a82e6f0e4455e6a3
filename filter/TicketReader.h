// Ticket tables: which job option lands in which field of the print-options
// record, and how its value is read.
#pragma once

#include "filter/CupsOptions.h"

#include <cstddef>
#include <span>

// What a reader sees of the job: its parsed options and the printer's code set.
struct TicketSource {
    const CupsOptions& options;
    bool utf8Printer;
};

// A reader fills one destination field from one option.
using TicketReaderFunc = void (*)(const char* name, const TicketSource& source, std::span<char> dest);

// One row of a ticket table: option name, destination field (offset and size
// inside its block) and reader.
struct TicketData {
    const char* name;
    size_t offset;
    size_t size;
    TicketReaderFunc reader;
};

// Integer value through decimal text-to-integer conversion; -1 when absent.
void GetTicketInteger(const char* name, const TicketSource& source, std::span<char> dest);
// 1 when the option is absent, 0 when present.
void CheckTicketKey(const char* name, const TicketSource& source, std::span<char> dest);
// Decoded value copied unchanged, cut to the field.
void GetTicketStringConvertedToPrtLang(const char* name, const TicketSource& source, std::span<char> dest);
// Decoded value re-encoded character by character as UTF-8, cut to the field.
void GetTicketStringConvertedToPrtLangForUTF8(const char* name, const TicketSource& source,
                                              std::span<char> dest);
// Decoded value converted into the printer's code set, cut to the field.
void GetTicketPasswordStringConvertedToEncryption(const char* name, const TicketSource& source,
                                                  std::span<char> dest);
// The pages-per-sheet text: "1", or "N" followed by the page count.
void GetNumberUpTicketString(const char* name, const TicketSource& source, std::span<char> dest);

// Runs every row of the table into the block, in table order.
void GetTicketFromArray(const TicketSource& source, std::span<const TicketData> table, void* block);

// Integer value of an option read directly (not through a table); -1 when absent.
int GetOptionInteger(const CupsOptions& options, const char* name);
