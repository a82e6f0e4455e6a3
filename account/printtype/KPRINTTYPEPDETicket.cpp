// KPRINTTYPEPDE: the pane's own four print-settings keys, written with the
// framework's ticket write and read back when values are restored.
#include "account/printtype/KPRINTTYPEPDE.h"

#include <string>

#include "panelkit/RestoredText.h"
#include "panelkit/UtilityFunction.h"
#include "panelkit/control/IntValueText.h"
#include "platform/PrintSettingsKeys.h"
#include "platform/ValueEscape.h"

namespace {

constexpr int32_t kDocumentNameAuto = 1;
constexpr int32_t kDocumentNameEntered = 2;

// A text block's value as the ticket carries it: in the value escape form
// when it begins with "/" or holds an apostrophe, comma or backslash.
void WriteTextKey(platform::PrintSettings* settings, const char* key, const DataBlock& block, bool lock)
{
    const std::string value = platform::EncodeValueEscape(block.Text());
    SetValueToSettingsWithTicketKeyAndLock(value.c_str(), settings, key, lock);
}

void WriteIntegerKey(platform::PrintSettings* settings, const char* key, int32_t value, bool lock)
{
    SetValueToSettingsWithTicketKeyAndLock(std::to_string(value).c_str(), settings, key, lock);
}

void ReadTextKey(const platform::PrintSettings& settings, const char* key, DataBlock& block)
{
    std::string value;
    block.SetText(settings.GetValue(key, &value) == 0 ? RestoredTicketText(value) : std::string());
}

} // namespace

int KPRINTTYPEPDE::SetValueToTicket(platform::PrintSettings* settings, bool lock,
                                    const EncryptArray* encryptArray)
{
    // Before the pane is built its blocks hold no values of the person's:
    // the settings keep what they have.
    if (settings == nullptr || !built_) return 0;
    WriteIntegerKey(settings, printsettings::PrintTypeProductTypeTicketKey, pdeType, lock);
    WriteIntegerKey(settings, printsettings::DocumentNameTypeTicketKey, documentlistDataBlkPtr.Int(), lock);
    WriteTextKey(settings, printsettings::DocumentNameTicketKey, documentnameeditDataBlkPtr, lock);
    WriteTextKey(settings, printsettings::PrintTypeUserNameTicketKey, printTypeusernameDataBlkPtr, lock);
    // The fields of all four windows are written whatever the print type;
    // the print type tells the filter which of them apply.
    return BasePrintPanel::SetValueToTicket(settings, lock, encryptArray);
}

bool KPRINTTYPEPDE::GetValueFromPreset()
{
    if (m_pSettings != nullptr && built_) {
        ReadTextKey(*m_pSettings, printsettings::PrintTypeUserNameTicketKey, printTypeusernameDataBlkPtr);
        std::string value;
        int32_t documentType = kDocumentNameAuto;
        if (m_pSettings->GetValue(printsettings::DocumentNameTypeTicketKey, &value) == 0 &&
            IntValueOfText(value) == kDocumentNameEntered)
            documentType = kDocumentNameEntered;
        documentlistDataBlkPtr.SetInt(documentType);
        ReadTextKey(*m_pSettings, printsettings::DocumentNameTicketKey, documentnameeditDataBlkPtr);
    }
    return BasePrintPanel::GetValueFromPreset();
}
