// PPD attribute and option reads on mutated PPDs: whatever libcups accepts,
// the constraint table builder, the conflict query, the choice lists, titles,
// defaults and attribute tests of the dialogs, and the filter's attribute
// reads must handle.
#include "FuzzSupport.h"

#include "platform/PpdAttrLookup.h"
#include "platform/PpdFile.h"
#include "constraints/XPPDBuild.h"
#include "constraints/XPPDLookups.h"
#include "constraints/XPPDQuery.h"
#include "filter/FilterState.h"
#include "filter/PrintOptionsReader.h"
#include "filter/UtilityFunctionFilter.h"

#include <cstring>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static fuzz::ScratchFile file(".ppd");
    const std::string& path = file.Write(std::string_view(reinterpret_cast<const char*>(data), size));
    PpdFilePtr ppd = OpenPpdFile(path);
    if (!ppd) return 0;
    ppd_file_t* p = ppd.get();

    std::vector<std::string> keywords;
    for (int g = 0; g < p->num_groups; ++g)
        for (int o = 0; o < p->groups[g].num_options; ++o)
            keywords.push_back(p->groups[g].options[o].keyword);
    XppdTable table;
    BuildXppdFromConstraints(p, &table, keywords);
    for (const auto& [key, place] : table.SortedEntries()) FUZZ_CHECK(ChoiceAtPlace(*p, place) != nullptr);

    ppdMarkDefaults(p);
    for (const std::string& keyword : keywords) {
        PpdChoiceList list;
        int rows = 0;
        GetUIListFromPPD(p, &table, keyword, &list, rows);
        FUZZ_CHECK(static_cast<size_t>(rows) == list.size());
        for (const PpdChoiceRow& row : list)
            FUZZ_CHECK(FindPPDKeyPairsMatch(list, row.optionKeyword, row.choiceKeyword) >= 0);
        InitializeValueFromPPD(p, &table, &list, keyword);
        (void)GetUIDefaultFromPPD(p, keyword);
        (void)GetUITitleFromPPD(p, keyword);
    }
    for (const char* name : {"QVXCDFSetting", "QVPrinterLanguageEncoding", "cupsFilter", "ModelName", ""}) {
        (void)CDFKeyExist(p, name);
        (void)platform::FindPpdAttrByPrefix(p, name);
        (void)ppdFindAttr_ALT(p, name);
    }

    // The filter reads the same PPD through $PPD.
    ::setenv("PPD", path.c_str(), 1);
    PPDInfoOption info{};
    GetPPDOptions(info);
    FUZZ_CHECK(std::memchr(info.cupsFilter, 0, sizeof info.cupsFilter) != nullptr);
    FUZZ_CHECK(std::memchr(info.printerLanguageEncoding, 0, sizeof info.printerLanguageEncoding) != nullptr);
    return 0;
}
