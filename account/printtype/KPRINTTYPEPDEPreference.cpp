// KPRINTTYPEPDE: the shared blocks in the per-printer preferences of the
// current user, used below version code 0x1070 beside the controls' own.
#include "account/printtype/KPRINTTYPEPDE.h"

#include <optional>
#include <string>

#include "panelkit/RestoredText.h"
#include "panelkit/UtilityFunction.h"
#include "panelkit/control/IntValueText.h"

namespace {

constexpr const char* kDocumentNameTypeReference = "com.lumeral.vrk.printsettings.DocumentNameTypeReference";
constexpr const char* kDocumentNameReference = "com.lumeral.vrk.printsettings.DocumentNameReference";
constexpr const char* kPrintTypeUserNameReference =
    "com.lumeral.vrk.printsettings.PrintTypeUserNameReference";

std::optional<std::string> ReadPreference(platform::PreferenceStore& store, const std::string& printer,
                                          const char* key)
{
    std::string fullKey;
    if (!CreateKeyWithCurrentPrinter(key, printer.c_str(), &fullKey)) return std::nullopt;
    return store.CopyValue(fullKey, platform::kPreferencesAnyApplication, platform::PreferenceUser::Current,
                           platform::PreferenceHost::Current);
}

void WritePreference(platform::PreferenceStore& store, const std::string& printer, const char* key,
                     std::string value)
{
    std::string fullKey;
    if (!CreateKeyWithCurrentPrinter(key, printer.c_str(), &fullKey)) return;
    store.SetValue(fullKey, std::move(value), platform::kPreferencesAnyApplication,
                   platform::PreferenceUser::Current, platform::PreferenceHost::Current);
}

} // namespace

int KPRINTTYPEPDE::GetValueFromPreference()
{
    const std::string& printer = GetCurrentPrinterString();
    if (!printer.empty()) {
        platform::PreferenceStore& store = GetPreferenceStore();
        if (const std::optional<std::string> type =
                ReadPreference(store, printer, kDocumentNameTypeReference)) {
            const std::optional<int32_t> value = IntValueOfText(*type);
            documentlistDataBlkPtr.SetInt(value == 2 ? 2 : 1);
        }
        if (const std::optional<std::string> name = ReadPreference(store, printer, kDocumentNameReference))
            documentnameeditDataBlkPtr.SetText(BoundedUtf8Text(*name));
        if (const std::optional<std::string> user =
                ReadPreference(store, printer, kPrintTypeUserNameReference))
            printTypeusernameDataBlkPtr.SetText(BoundedUtf8Text(*user));
    }
    return BasePrintPanel::GetValueFromPreference();
}

int KPRINTTYPEPDE::SetValueToPreference()
{
    const std::string& printer = GetCurrentPrinterString();
    if (!printer.empty() && documentlistDataBlkPtr.IsAllocated()) {
        platform::PreferenceStore& store = GetPreferenceStore();
        WritePreference(store, printer, kDocumentNameTypeReference,
                        std::to_string(documentlistDataBlkPtr.Int()));
        WritePreference(store, printer, kDocumentNameReference,
                        std::string(documentnameeditDataBlkPtr.Text()));
        WritePreference(store, printer, kPrintTypeUserNameReference,
                        std::string(printTypeusernameDataBlkPtr.Text()));
        store.Synchronize(platform::kPreferencesAnyApplication, platform::PreferenceUser::Current,
                          platform::PreferenceHost::Current);
    }
    return BasePrintPanel::SetValueToPreference();
}
