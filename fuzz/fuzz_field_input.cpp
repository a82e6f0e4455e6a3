// validateInput with every text field definition of the Print Type and Job
// Accounting windows: the answer is the field's ranges applied to every
// unit, and the byte and space helpers stay inside their buffers.
#include "FuzzSupport.h"
#include "FieldDefinitions.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input in(data, size);
    const uint8_t pick = in.Byte();
    const std::string_view rest = in.Rest();
    const std::u16string text = fuzz::Utf16Units(rest);
    const std::string bytes(rest);
    for (size_t i = 0; i < fuzz::kFieldDefinitionCount; ++i) {
        const fuzz::FieldDefinition& field =
            fuzz::kFieldDefinitions[(pick + i) % fuzz::kFieldDefinitionCount];
        const bool valid = validateInput(text, field.filter);
        FUZZ_CHECK(valid == fuzz::UnitsInRanges(text, field.filter->wordFilter));
        if (text.empty()) FUZZ_CHECK(valid);
        (void)validateDensityInput(bytes.c_str(), field.filter);
    }
    std::vector<char16_t> out(text.size() + 1);
    const int copied = RemoveAllSpaces(text, out);
    FUZZ_CHECK(copied >= 0 && static_cast<size_t>(copied) < out.size() && out[copied] == 0);
    return 0;
}
