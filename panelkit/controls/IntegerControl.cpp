#include "panelkit/controls/IntegerControl.h"

#include <charconv>
#include <cstring>

#include "panelkit/control/IntValueText.h"

namespace {

// "%d" into the zero-filled buffer; NO when it does not fit with its terminator.
bool WriteDecimal(int32_t value, std::span<char> buffer)
{
    if (buffer.empty()) return false;
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size() - 1, value);
    if (error != std::errc()) return false;
    *end = '\0';
    return true;
}

} // namespace

void IntegerControl::AllocateIntegerBlocks()
{
    ctrlDataBlkPtr.Allocate(4);
    ctrlUIDataBlkPtr.Allocate(4);
    ctrlDataSize = 4;
}

std::optional<int32_t> IntegerControl::UIBlockValue() const
{
    if (!ctrlUIDataBlkPtr.IsAllocated()) return std::nullopt;
    return ctrlUIDataBlkPtr.Int();
}

bool IntegerControl::SetControlValueToUI()
{
    if (ControlPtr == nullptr || !ctrlDataBlkPtr.IsAllocated()) return false;
    ShowValue(ctrlDataBlkPtr.Int());
    return true;
}

bool IntegerControl::SetExternalValueToUI(const void* bytes, std::size_t size)
{
    if (ControlPtr == nullptr || bytes == nullptr || size < sizeof(int32_t)) return false;
    if (!ControlPtr->isEnabled()) return false;
    int32_t value = 0;
    std::memcpy(&value, bytes, sizeof value);
    ShowValue(value);
    return true;
}

const unsigned char* IntegerControl::GetValueFromUI()
{
    if (ControlPtr == nullptr || !ctrlUIDataBlkPtr.IsAllocated()) return nullptr;
    ctrlUIDataBlkPtr.SetInt(ScreenValue());
    return ctrlUIDataBlkPtr.data();
}

bool IntegerControl::SetValueFromUIToControl()
{
    if (ControlPtr == nullptr || !ctrlDataBlkPtr.IsAllocated() || !ctrlUIDataBlkPtr.IsAllocated())
        return false;
    ctrlDataBlkPtr.SetInt(ctrlUIDataBlkPtr.Int());
    return true;
}

const unsigned char* IntegerControl::GetValueFromControl()
{
    return ctrlDataBlkPtr.IsAllocated() ? ctrlDataBlkPtr.data() : nullptr;
}

bool IntegerControl::ConvertToPreferenceString(std::span<char> buffer)
{
    if (!ctrlDataBlkPtr.IsAllocated()) return false;
    return WriteDecimal(ctrlDataBlkPtr.Int(), buffer);
}

bool IntegerControl::ConvertToTickectData(std::span<char> buffer)
{
    return ConvertToPreferenceString(buffer);
}

bool IntegerControl::ConvertFromPreferenceString(const char* string)
{
    if (string == nullptr || !ctrlDataBlkPtr.IsAllocated()) return false;
    const std::optional<int32_t> value = IntValueOfText(string);
    return value && StoreRestoredInt(*value);
}
