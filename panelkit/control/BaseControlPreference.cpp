// BaseControl: the per-printer preference value. Below version code 0x1070
// it lives in the platform preferences store; from 0x1070 on in the
// preference cache files (one shared file per printer, one per printer and
// login name for per-user values).
#include <cstring>

#include "panelkit/UtilityFunction.h"
#include "panelkit/UtilityService.h"
#include "panelkit/control/BaseControl.h"
#include "panelkit/panel/BasePrintPanel.h"
#include "platform/PreferenceCache.h"
#include "platform/TextEncoding.h"
#include "platform/UserDatabase.h"

namespace {

// The printer of the dialog: the callback object's, which a child window
// may only have through the panel that opened it.
const platform::Printer* DialogPrinter(const BasePrintPanel* panel)
{
    for (; panel != nullptr; panel = panel->GetParentWnd()) {
        if (platform::PrintDialogHost* callback = panel->GetCurrentPDECallbackObj())
            return callback->PMPrinter();
    }
    return nullptr;
}

// The text in a buffer a converter filled: up to its NUL, without a
// character that the buffer's end cut short.
std::string_view BufferText(std::span<const char> buffer)
{
    const std::string_view text(buffer.data(), strnlen(buffer.data(), buffer.size()));
    return text.size() == buffer.size() ? platform::WithoutCutUtf8Tail(text) : text;
}

// A restored value as the converters take it: at most the preference buffer
// less its terminator, cut on a character boundary.
std::string RestoredText(std::string_view value)
{
    if (value.size() > kPreferenceBufferSize - 1)
        value = platform::WithoutCutUtf8Tail(value.substr(0, kPreferenceBufferSize - 1));
    return std::string(value.substr(0, value.find('\0')));
}

} // namespace

std::optional<std::string> BaseControl::PreferenceKey() const
{
    if (ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->prefKey == nullptr) return std::nullopt;
    if (ctrlParentPanelPtr == nullptr) return std::nullopt;
    std::string key;
    if (!CreateKeyWithCurrentPrinter(ctrlDataAccessInfoPtr->prefKey,
                                     ctrlParentPanelPtr->GetCurrentPrinterString().c_str(), &key)) {
        return std::nullopt;
    }
    return key;
}

namespace {

// The cache file of the value: the printer ID for a shared value,
// "<printer ID>-<login name>" for a per-user one. Nothing without a printer
// or with an ID that cannot name a file.
std::optional<std::string> CacheFileName(const BasePrintPanel* panel, platform::PreferenceUser user)
{
    const platform::Printer* printer = DialogPrinter(panel);
    if (printer == nullptr || !platform::IsSafePrinterID(printer->GetID())) return std::nullopt;
    if (user == platform::PreferenceUser::Any)
        return platform::PreferenceCacheFileName(printer->GetID(), std::nullopt);
    const std::string login = platform::UserDatabase::LoginName();
    if (login.empty()) return std::nullopt;
    return platform::PreferenceCacheFileName(printer->GetID(), std::string_view(login));
}

} // namespace

bool BaseControl::SaveToCacheForKey(std::string_view key, std::string_view value,
                                    platform::PreferenceUser user)
{
    if (key.empty()) return false;
    const std::string folder = platform::PreferenceCacheFolder();
    if (folder.empty()) return false;
    const bool shared = user == platform::PreferenceUser::Any;
    // Only an administrator changes what every user of the printer gets;
    // anyone else's store is skipped, and that is no failure.
    if (shared && !UTILITY_SERVICE::checkIfAdminUser(platform::UserDatabase::LoginName().c_str()))
        return true;
    const std::optional<std::string> fileName = CacheFileName(ctrlParentPanelPtr, user);
    if (!fileName) return false;
    return platform::StorePreferenceCacheValue(folder, *fileName, shared, key, value,
                                               UTILITY_SERVICE::isSandboxed());
}

std::optional<std::string> BaseControl::RestoreFromCacheForKey(std::string_view key,
                                                               platform::PreferenceUser user)
{
    if (key.empty()) return std::nullopt;
    const std::string folder = platform::PreferenceCacheFolder();
    if (folder.empty()) return std::nullopt;
    const std::optional<std::string> fileName = CacheFileName(ctrlParentPanelPtr, user);
    if (!fileName) return std::nullopt;
    return platform::LoadPreferenceCacheValue(folder, *fileName, key);
}

bool BaseControl::SetValueToPreference()
{
    if (ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->prefKey == nullptr) return true;
    if (!ctrlDataBlkPtr.IsAllocated()) return false;
    // A control made without a preferences user keeps its value per user.
    const platform::PreferenceUser user = userNameinPreference.value_or(platform::PreferenceUser::Current);
    if (user != platform::PreferenceUser::Current && !IsUserAdmin()) return true;

    char buffer[kPreferenceBufferSize] = {};
    if (!ConvertToPreferenceString(buffer)) return false;
    const std::string_view value = BufferText(buffer);
    if (!platform::IsValidUtf8(value)) return false;
    const std::optional<std::string> key = PreferenceKey();
    if (!key) return false;

    if (UsesPreferenceCache()) return SaveToCacheForKey(*key, value, user);
    platform::PreferenceStore& store = ctrlParentPanelPtr->GetPreferenceStore();
    store.SetValue(*key, std::string(value), platform::kPreferencesAnyApplication, user,
                   platform::PreferenceHost::Current);
    return store.Synchronize(platform::kPreferencesAnyApplication, user, platform::PreferenceHost::Current);
}

bool BaseControl::GetValueFromPreference()
{
    if (ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->prefKey == nullptr) return true;
    if (!ctrlDataBlkPtr.IsAllocated()) return false;
    const platform::PreferenceUser user = userNameinPreference.value_or(platform::PreferenceUser::Current);
    const std::optional<std::string> key = PreferenceKey();
    if (!key) return false;

    std::optional<std::string> stored;
    if (UsesPreferenceCache()) {
        stored = RestoreFromCacheForKey(*key, user);
    } else {
        stored = ctrlParentPanelPtr->GetPreferenceStore().CopyValue(
            *key, platform::kPreferencesAnyApplication, user, platform::PreferenceHost::Current);
    }
    if (!stored) return false;
    return ConvertFromPreferenceString(RestoredText(*stored).c_str());
}

bool BaseControl::SetValueToPreferenceWithPrinterSettings()
{
    if (ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->prefKey == nullptr) return true;
    if (!ctrlDataBlkPtr.IsAllocated()) return false;
    const platform::PreferenceUser user = userNameinPreference.value_or(platform::PreferenceUser::Current);
    if (user != platform::PreferenceUser::Current && !IsUserAdmin()) return true;

    char buffer[kPreferenceBufferSize] = {};
    if (!ConvertToPreferenceString(buffer)) return false;
    const std::string value(BufferText(buffer));
    const std::optional<std::string> key = PreferenceKey();
    if (!key) return false;
    platform::PrintSettings* settings = ctrlParentPanelPtr->GetCurrentPMPrintSettings();
    if (settings == nullptr) return true;
    return SetValueToSettingsWithTicketKeyAndLock(value.c_str(), settings, key->c_str(), false) == noErr;
}

bool BaseControl::GetValueFromPreferenceWithPrinterSettings()
{
    if (ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->prefKey == nullptr) return true;
    if (!ctrlDataBlkPtr.IsAllocated()) return false;
    const std::optional<std::string> key = PreferenceKey();
    if (!key) return false;
    const platform::PrintSettings* settings = ctrlParentPanelPtr->GetCurrentPMPrintSettings();
    if (settings == nullptr) return false;
    std::string stored;
    if (settings->GetValue(*key, &stored) != noErr) return false;
    return ConvertFromPreferenceString(RestoredText(stored).c_str());
}
