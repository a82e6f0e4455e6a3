#include "panelkit/CurrentPrintType.h"

#include <optional>
#include <string>

#include "panelkit/UtilityFunction.h"
#include "panelkit/control/IntValueText.h"
#include "panelkit/panel/BasePrintPanel.h"
#include "platform/PrintSettingsKeys.h"

namespace {

int32_t AsPrintType(const std::optional<int32_t>& value)
{
    return value && IsPrintTypeValue(*value) ? *value : kPrintTypeNormal;
}

} // namespace

int32_t GetCurrentJobPrintType(const platform::PrintSettings* settings,
                               platform::PreferenceStore* preferences, std::string_view printerID,
                               uint32_t osVersion)
{
    std::string text;
    if (settings != nullptr && settings->GetValue(printsettings::PrintTypeTicketKey, &text) == 0) {
        return AsPrintType(IntValueOfText(text));
    }
    if (osVersion >= static_cast<uint32_t>(kPreferenceCacheVersionCode) || preferences == nullptr ||
        printerID.empty()) {
        return kPrintTypeNormal;
    }
    const std::string key = std::string(printerID) + kPrintTypeReferenceKey;
    const std::optional<std::string> stored =
        preferences->CopyValue(key, platform::kPreferencesAnyApplication, platform::PreferenceUser::Current,
                               platform::PreferenceHost::Current);
    return stored ? AsPrintType(IntValueOfText(*stored)) : kPrintTypeNormal;
}

int32_t GetCurrentJobPrintType(BasePrintPanel& panel)
{
    const platform::PrintSettings* settings = panel.GetCurrentPMPrintSettings();
    if (settings == nullptr && panel.GetCurrentPDECallbackObj() != nullptr) {
        settings = panel.GetCurrentPDECallbackObj()->printSettings();
    }
    return GetCurrentJobPrintType(settings, &panel.GetPreferenceStore(), panel.GetCurrentPrinterString(),
                                  panel.GetOSVersion());
}
