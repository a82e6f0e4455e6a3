// The separator window's page list (IsPageInputValid and its stored and
// shown forms): an accepted list holds 1 to maxPages pages between the
// lowest and highest page, its stored form is ascending with single spaces
// within 255 bytes, and the shown form checks as valid again.
#include "FuzzSupport.h"

#include "features/windows/SeparatorPageList.h"

#include <string>
#include <vector>

namespace {

std::vector<long> Numbers(const std::string& text, char separator)
{
    std::vector<long> numbers;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(separator, start);
        if (end == std::string::npos) end = text.size();
        const std::string piece = text.substr(start, end - start);
        FUZZ_CHECK(!piece.empty() && piece.size() <= 5 &&
                   piece.find_first_not_of("0123456789") == std::string::npos);
        numbers.push_back(std::stol(piece));
        start = end + 1;
    }
    return numbers;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input in(data, size);
    const int maxPages = 1 + in.Byte() % 40;
    const std::string_view text = in.Rest();
    const PageInputResult result = IsPageInputValid(text, maxPages);
    FUZZ_CHECK(result == PageInputValid || result == PageInputBadList || result == PageInputTooManyPages);
    const std::string stored = StoredPageList(text);
    FUZZ_CHECK(stored.size() <= 255);
    const std::string shown = ShownPageList(stored);
    FUZZ_CHECK(shown.size() <= 255);
    // The field's text block holds at most 255 bytes; longer text is only
    // checked for safety above.
    if (result != PageInputValid || text.size() > 255) return 0;

    const std::vector<long> pages = Numbers(stored, ' ');
    FUZZ_CHECK(!pages.empty() && pages.size() <= static_cast<size_t>(maxPages));
    for (size_t i = 0; i < pages.size(); ++i) {
        FUZZ_CHECK(pages[i] >= kSeparatorLowestPage && pages[i] <= kSeparatorHighestPage);
        if (i > 0) FUZZ_CHECK(pages[i - 1] <= pages[i]);
    }
    FUZZ_CHECK(Numbers(shown, ',') == pages);
    FUZZ_CHECK(IsPageInputValid(shown, maxPages) == PageInputValid);
    FUZZ_CHECK(StoredPageList(shown) == stored);
    return 0;
}
