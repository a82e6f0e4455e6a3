// Helpers shared by the PPD content tests: opening our PPDs strictly, the
// attribute lookup by name prefix that the filter and the dialogs use, and
// plain lists of an option's choices.
#pragma once

#include <cups/ppd.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ppdtest {

struct PpdCloser {
    void operator()(ppd_file_t* ppd) const { ppdClose(ppd); }
};
using PpdPtr = std::unique_ptr<ppd_file_t, PpdCloser>;

// Folder of the shipped PPDs, set by the build.
inline std::string PpdPath(std::string_view file)
{
    return std::string(QV_PPD_DIR) + "/" + std::string(file);
}

// Opens with strict conformance so that any syntax libcups would only
// tolerate in relaxed mode makes the open fail.
inline PpdPtr OpenStrict(std::string_view file)
{
    ppdSetConformance(PPD_CONFORM_STRICT);
    return PpdPtr(ppdOpenFile(PpdPath(file).c_str()));
}

// The first attribute in file order whose name begins with the given text:
// the lookup the driver uses for every attribute it reads.
inline ppd_attr_t* FindAttrByPrefix(ppd_file_t* ppd, std::string_view prefix)
{
    for (int i = 0; i < ppd->num_attrs; ++i) {
        std::string_view name = ppd->attrs[i]->name;
        if (name.substr(0, prefix.size()) == prefix) return ppd->attrs[i];
    }
    return nullptr;
}

inline std::string AttrValue(ppd_file_t* ppd, const char* name)
{
    ppd_attr_t* attr = ppdFindAttr(ppd, name, nullptr);
    return (attr != nullptr && attr->value != nullptr) ? attr->value : "";
}

// Choice keywords of an option in PPD order; empty when the option is absent.
inline std::vector<std::string> Choices(ppd_file_t* ppd, const char* keyword)
{
    std::vector<std::string> out;
    ppd_option_t* option = ppdFindOption(ppd, keyword);
    if (option == nullptr) return out;
    for (int i = 0; i < option->num_choices; ++i) out.emplace_back(option->choices[i].choice);
    return out;
}

inline std::string DefaultChoice(ppd_file_t* ppd, const char* keyword)
{
    ppd_option_t* option = ppdFindOption(ppd, keyword);
    return option != nullptr ? option->defchoice : "";
}

} // namespace ppdtest
