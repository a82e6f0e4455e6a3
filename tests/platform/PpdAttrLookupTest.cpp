#include "platform/PpdAttrLookup.h"

#include <cstring>

#include <gtest/gtest.h>

namespace {

ppd_attr_t Attr(const char* name, char* value)
{
    ppd_attr_t attr{};
    std::strncpy(attr.name, name, sizeof attr.name - 1);
    attr.value = value;
    return attr;
}

// One lookup serves the filter, the framework and the constraint engine:
// first match in file order, by prefix over the whole given name.
TEST(FindPpdAttrByPrefix, FirstAttributeInFileOrderWhoseNameBeginsWithTheName)
{
    char two[] = "two";
    char one[] = "one";
    char path[] = "/x";
    ppd_attr_t attrs[] = {Attr("cupsFilter2", two), Attr("cupsFilter", one),
                          Attr("QVXCDFSettingTiger", nullptr), Attr("QVXCDFSetting", path)};
    ppd_attr_t* list[] = {&attrs[0], nullptr, &attrs[1], &attrs[2], &attrs[3]};
    ppd_file_t ppd{};
    ppd.num_attrs = 5;
    ppd.attrs = list;

    const struct {
        std::string_view name;
        const ppd_attr_t* found;
    } cases[] = {
        {"cupsFilter", &attrs[0]}, // a longer name that comes first wins over the exact one
        {"cupsFilter2", &attrs[0]},
        {"cups", &attrs[0]},
        {"QVXCDFSetting", &attrs[2]}, // found whatever its value, here none
        {"", &attrs[0]},              // every name begins with the empty name
        {"cupsfilter", nullptr},      // letter case counts
        {"cupsFilter22", nullptr},
        {std::string_view("cups\0Filter", 11), nullptr},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::FindPpdAttrByPrefix(&ppd, c.name), c.found) << c.name;

    EXPECT_EQ(platform::FindPpdAttrByPrefix(nullptr, "cupsFilter"), nullptr);
    ppd_file_t empty{};
    EXPECT_EQ(platform::FindPpdAttrByPrefix(&empty, ""), nullptr);
}

} // namespace
