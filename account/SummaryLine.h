// One line of a pane's summary: the title with its text, the title appended
// to the display order the first time it appears.
#pragma once

#include <string>
#include <string_view>

#include "panelkit/control/BaseControl.h"
#include "platform/TextEncoding.h"

inline void AddSummaryLine(SummaryDictionary& summary, SummaryOrder& order, const std::string& title,
                           std::string text)
{
    if (summary.insert_or_assign(title, std::move(text)).second) order.push_back(title);
}

// A secret as a summary shows it: one halfwidth middle dot (0xA5 of
// Shift_JIS) for each character.
inline std::string MaskedSummaryText(std::string_view text)
{
    constexpr std::string_view kMaskCharacter = "\xEF\xBD\xA5";
    std::string masked;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!platform::DecodeUtf8Char(text, pos)) ++pos;
        masked.append(kMaskCharacter);
    }
    return masked;
}
