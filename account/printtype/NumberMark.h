// Messages and labels that name a limit carry the mark "[n]" where the
// number goes ("at least [n]digits"); the text is split at the first mark and
// rejoined around the number's text.
#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view kNumberMark = "[n]";

// The text with its first "[n]" replaced; unchanged without one.
inline std::string ReplaceNumberMark(std::string_view text, std::string_view number)
{
    const std::size_t mark = text.find(kNumberMark);
    if (mark == std::string_view::npos) return std::string(text);
    std::string joined(text.substr(0, mark));
    joined.append(number);
    joined.append(text.substr(mark + kNumberMark.size()));
    return joined;
}
