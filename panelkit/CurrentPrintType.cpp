#include "panelkit/CurrentPrintType.h"

#include <optional>
#include <string>

#include "panelkit/control/IntValueText.h"
#include "panelkit/panel/BasePrintPanel.h"
#include "platform/PrintSettingsKeys.h"

namespace {

// Below this version code the panes keep their values in the platform
// preferences rather than in the preference cache files.
constexpr uint32_t kPreferenceCacheVersion = 0x1070;

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
    if (osVersion >= kPreferenceCacheVersion || preferences == nullptr || printerID.empty()) {
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
