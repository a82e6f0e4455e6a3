// Text read back from a print-settings value or a preference into a fixed
// text block. The value may come from a saved-settings file that anyone could
// have written, so it is decoded as the filter decodes job options and bounded
// before it reaches the block.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The longest run of whole UTF-8 characters from the start of the text that
// takes at most maxBytes and holds no zero byte; bytes that are no UTF-8 end
// the text there, since the fields show UTF-8.
std::string BoundedUtf8Text(std::string_view text, std::size_t maxBytes = 255);

// A print-settings value: the value escape decoded when the value begins
// with "/" (a code of 256 or more ends the text, as in the filter), then
// bounded as BoundedUtf8Text does.
std::string RestoredTicketText(std::string_view value, std::size_t maxBytes = 255);
