#include "account/VersionStringSText.h"

#include <string>

#include "account/LabelText.h"

bool VersionStringSText::CreateControl(platform::ui::Widget* control, const char* title, bool cdfSupport)
{
    IsCDFSupported = cdfSupport;
    return StaticTextEditControl::CreateControl(control, nullptr, nullptr, nullptr, std::nullopt, nullptr,
                                                title);
}

bool VersionStringSText::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    const bool initialised = StaticTextEditControl::InitializeCtrl(bundle, ppd);
    return InitializeTitle(bundle) && initialised;
}

bool VersionStringSText::ReInitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    const bool initialised = StaticTextEditControl::ReInitializeCtrl(bundle, ppd);
    return InitializeTitle(bundle) && initialised;
}

bool VersionStringSText::InitializeTitle(const platform::Bundle* bundle)
{
    if (bundle == nullptr || ControlPtr == nullptr) return false;
    std::string text = "ver." + bundle->InfoString("CFBundleShortVersionString").value_or(std::string());
    if (!IsCDFSupported) text += '.';
    ShowLabelText(*ControlPtr, text);
    return true;
}
