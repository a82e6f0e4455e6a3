// Resource names, the extension's bundle and help books of the UtilityFunction unit.
#include "panelkit/UtilityFunction.h"

#include "platform/TextEncoding.h"

void ReleaseCFString(std::unique_ptr<std::u16string>* string)
{
    if (string != nullptr) string->reset();
}

std::u16string NSStringCreateWithCFString(std::u16string_view string)
{
    size_t bytes = 0;
    size_t end = 0;
    while (end < string.size()) {
        const char16_t unit = string[end];
        size_t step = 1;
        int width = platform::Utf8LengthOfUnit(unit);
        if (unit >= 0xD800 && unit <= 0xDBFF && end + 1 < string.size() && string[end + 1] >= 0xDC00 &&
            string[end + 1] <= 0xDFFF) {
            step = 2;
            width = 4;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            width = 3; // written as U+FFFD
        }
        if (bytes + width > 255) break;
        bytes += width;
        end += step;
    }
    return std::u16string(string.substr(0, end));
}

std::string GetAppResourceName(std::string_view text, int part)
{
    const size_t hyphen = text.find('-');
    if (part == 0) return std::string(text.substr(0, hyphen));
    if (part == 1 && hyphen != std::string_view::npos) return std::string(text.substr(hyphen + 1));
    return std::string();
}

std::string GetAppResourceNameNS(std::string_view text, int part) { return GetAppResourceName(text, part); }

std::string GetAppFullResourceName(std::string_view name, int kind, std::string_view prefix0,
                                   std::string_view prefix1)
{
    std::string full;
    if (kind == 0) full = std::string(prefix0);
    if (kind == 1) full = std::string(prefix1);
    full.append(name);
    if (full.size() > 255) full.resize(255);
    return full;
}

std::shared_ptr<const platform::Bundle> GetAppBundleRef(const platform::HostServices& services,
                                                        const AppIdentity& identity)
{
    if (identity.bundleIdentifier.empty()) return nullptr;
    return services.BundleWithIdentifier(identity.bundleIdentifier);
}

std::string GetAppClientID(const AppIdentity& identity) { return identity.clientID; }

OSStatus RegisterMyHelpBook(platform::HostServices& services, const AppIdentity& identity)
{
    const std::shared_ptr<const platform::Bundle> bundle = GetAppBundleRef(services, identity);
    if (!bundle) return fnfErr;
    return services.RegisterHelpBook(*bundle);
}

OSStatus GotoHelpPage(platform::HostServices& services, const platform::Bundle* bundle,
                      std::string_view pagePath, std::string_view anchor, const char* bookNameKey)
{
    if (bundle == nullptr || bookNameKey == nullptr) return fnfErr;
    const std::string bookName = bundle->LocalizedString(bookNameKey, "no translation", "");
    return services.GotoHelpPage(bookName, pagePath, anchor);
}
