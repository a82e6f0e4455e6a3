// Text of a fixed-size field of the print-options record.
#pragma once

#include <cstring>
#include <string_view>

// Stops at the zero byte, or at the field's end should a field ever be full,
// so a value never runs into the next field.
template <size_t N>
std::string_view FieldText(const char (&field)[N])
{
    return std::string_view(field, strnlen(field, N));
}
