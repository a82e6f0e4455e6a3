// Document-name validation: the code-range walk on arbitrary bytes, and the
// names built from an arbitrary job title for every printer kind and product
// type.
#include "FuzzSupport.h"

#include "filter/DocuNameValidateData.h"
#include "filter/DocumentName.h"
#include "filter/FilterState.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

const DocuNameValidateData* const kTables[] = {
    &docuNameValidateDataScale,
    &docuNameValidateDataScaleForProduct02,
    &docuNameValidateDataScaleForProduct03,
    &docuNameValidateDataScaleForProduct03UTF8,
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input in(data, size);
    const uint8_t control = in.Byte();
    const std::string_view text = in.Rest();

    // The walk reads only the text's own bytes (an exact-size copy on the heap).
    std::vector<char> exact(text.begin(), text.end());
    for (const DocuNameValidateData* table : kTables) {
        const int valid = ValidateDada(std::string_view(exact.data(), exact.size()), *table);
        FUZZ_CHECK(valid == 0 || valid == 1);
    }
    // Every byte of 32-126 is a valid name on every table.
    bool printable = true;
    for (char c : text) printable = printable && c >= 32 && c <= 126;
    if (printable) {
        for (const DocuNameValidateData* table : kTables) FUZZ_CHECK(ValidateDada(text, *table) == 1);
    }

    const bool utf8Printer = control & 1;
    const int productType = (control >> 1) % 7; // 0: no product-type option
    std::string title(text);
    title = title.c_str();
    std::string options = productType == 0 ? std::string()
                                           : "com.lumeral.vrk.printsettings.PrintTypeProductTypeTicketKey=" +
                                                 std::to_string(productType - 1);
    std::vector<std::string> args = {"spoolwrap", "7", "alice", title, "1", options};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    ResetFilterState();
    InvalidateStdDocumentNameForProductType(argv.data(), utf8Printer);
    InvalidatePrintTypeDocumentNameForProductType(argv.data());
    const size_t stdLength = strnlen(StdDocumentName, sizeof StdDocumentName);
    const size_t nameLength = strnlen(PTStdDocumentName, sizeof PTStdDocumentName);
    FUZZ_CHECK(stdLength < sizeof StdDocumentName);
    FUZZ_CHECK(nameLength < sizeof PTStdDocumentName);
    // Whatever name is kept is one the printer can show: no control bytes.
    for (size_t i = 0; i < nameLength; ++i) {
        const auto c = static_cast<unsigned char>(PTStdDocumentName[i]);
        FUZZ_CHECK(c >= 0x20 && c != 0x7F);
    }
    if (!utf8Printer) FUZZ_CHECK(nameLength <= 32);
    return 0;
}
