#include "panelkit/RestoredText.h"

#include "platform/TextEncoding.h"
#include "platform/ValueEscape.h"

std::string BoundedUtf8Text(std::string_view text, std::size_t maxBytes)
{
    text = text.substr(0, text.find('\0'));
    std::size_t end = 0;
    std::size_t pos = 0;
    while (pos < text.size() && platform::DecodeUtf8Char(text, pos) && pos <= maxBytes) end = pos;
    return std::string(text.substr(0, end));
}

std::string RestoredTicketText(std::string_view value, std::size_t maxBytes)
{
    return BoundedUtf8Text(platform::DecodeValueEscape(value), maxBytes);
}
