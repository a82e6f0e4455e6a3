#include "features/windows/SeparatorPageList.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr std::string_view kPageListCharacters = " ,0123456789";
constexpr size_t kWorkingCopyLength = 256;
constexpr size_t kStoredListLength = 255;

// The value of a run of digits; any number above the highest page counts as
// one past it, so a number of any length compares without overflow.
int32_t PageValue(std::string_view digits)
{
    const size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return 0;
    digits.remove_prefix(first);
    if (digits.size() > 4) return kSeparatorHighestPage + 1;
    int32_t value = 0;
    for (const char digit : digits) value = value * 10 + (digit - '0');
    return value;
}

std::vector<int32_t> Pages(std::string_view text, char separator)
{
    std::vector<int32_t> pages;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(separator, start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view piece = text.substr(start, end - start);
        if (!piece.empty()) pages.push_back(PageValue(piece));
        start = end + 1;
    }
    return pages;
}

std::vector<int32_t> SortedPages(std::string_view text, char separator)
{
    std::vector<int32_t> pages = Pages(text, separator);
    std::sort(pages.begin(), pages.end());
    return pages;
}

std::string WithoutSpaces(std::string_view text)
{
    std::string copy;
    for (const char c : text)
        if (c != ' ') copy.push_back(c);
    return copy;
}

std::string Joined(const std::vector<int32_t>& pages, char separator, size_t limit)
{
    std::string joined;
    for (const int32_t page : pages) {
        std::string next = joined.empty() ? std::string() : std::string(1, separator);
        next += std::to_string(page);
        if (joined.size() + next.size() > limit) break;
        joined += next;
    }
    return joined;
}

} // namespace

PageInputResult IsPageInputValid(std::string_view text, int maxPages)
{
    if (text.find_first_not_of(kPageListCharacters) != std::string_view::npos) return PageInputBadList;
    if (text.empty() || text.front() == ',' || text.back() == ',') return PageInputBadList;
    if (text.find_first_not_of(' ') == std::string_view::npos) return PageInputBadList;
    std::string compact = WithoutSpaces(text);
    if (compact.size() > kWorkingCopyLength) compact.resize(kWorkingCopyLength);
    if (compact.find(",,") != std::string::npos) return PageInputBadList;
    const auto commas = std::count(compact.begin(), compact.end(), ',');
    if (commas >= maxPages) return PageInputTooManyPages;
    const std::vector<int32_t> pages = SortedPages(compact, ',');
    if (pages.empty() || pages.front() < kSeparatorLowestPage || pages.back() > kSeparatorHighestPage)
        return PageInputBadList;
    return PageInputValid;
}

std::string StoredPageList(std::string_view typed)
{
    if (typed.empty()) return {};
    return Joined(SortedPages(WithoutSpaces(typed), ','), ' ', kStoredListLength);
}

std::string ShownPageList(std::string_view stored)
{
    return Joined(Pages(stored, ' '), ',', kStoredListLength);
}
