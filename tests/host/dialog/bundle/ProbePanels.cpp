#include "ProbePanels.h"

#include <memory>

#include "panelkit/UtilityFunction.h"
#include "panelkit/controls/CheckBox.h"
#include "panelkit/controls/LittleArray.h"
#include "panelkit/controls/TextEditCtrl.h"

namespace {

using platform::ui::WidgetKind;

int32_t LockedID = 14;
const int32_t* const kLockedList[] = {&LockedID, nullptr};
// On (entry 1) disables the locked box.
const CnstrnArray kCheckDisables[] = {nullptr, kLockedList};
const CnstrnInfo kCheckRules{kCheckDisables, {}, {}, {}};

const CheckBoxIniData kCheckIni{0, 0, -1, 0, "Probe Check", nullptr};
const CheckBoxIniData kLockedIni{0, 0, -1, 0, "Probe Locked", nullptr};
const char* const kColorKeys[] = {"Color", "Black", nullptr};
const ListCtrlIniData kColorIni{0, 1, -1, 0, kColorKeys};
const LittleArrayIniData kCountIni{0, 1, -1, 1, 3, 1, 0, 0};
const TextEditFilterData kDigits{{1, {{{48, 57}}}}, {1, {{{48, 57}}}}, "Probe Digits Message"};
const TextEditFilterData kPinDigits{{1, {{{48, 57}}}}, {1, {{{48, 57}}}}, "Probe PIN Message"};
const TextEditFilterData kAnyText{{1, {{{32, 255}}}}, {1, {{{32, 0xFFFF}}}}, nullptr};
const TextEditIniData kCodeIni{"", "", 0, 3, 0};
const TextEditIniData kPinIni{"", "", 2, 4, 0};
const TextEditIniData kNameIni{"", "", 0, 40, 0};

constexpr CtrlAccessInfo kCheckAccess{0, 0, "com.lumeral.vrk.printsettings.ProbeCheckTicket", nullptr};
constexpr CtrlAccessInfo kLockedAccess{0, 0, "com.lumeral.vrk.printsettings.ProbeLockedTicket", nullptr};
constexpr CtrlAccessInfo kColorAccess{0, 0, nullptr, nullptr};
constexpr CtrlAccessInfo kCountAccess{0, 0, "com.lumeral.vrk.printsettings.ProbeCountTicket", nullptr};
constexpr CtrlAccessInfo kCodeAccess{kCtrlValueTypeText, kCtrlValueTypeText,
                                     "com.lumeral.vrk.printsettings.ProbeCodeTicket", nullptr};
constexpr CtrlAccessInfo kNoteAccess{kCtrlValueTypeText, kCtrlValueTypeText,
                                     "com.lumeral.vrk.printsettings.ProbeNoteTicket", nullptr};
constexpr CtrlAccessInfo kNameAccess{kCtrlValueTypeText, kCtrlValueTypeText,
                                     "com.lumeral.vrk.printsettings.ProbeAccountTicket", nullptr};
constexpr CtrlAccessInfo kPinAccess{kCtrlValueTypeText, kCtrlValueTypeText,
                                    "com.lumeral.vrk.printsettings.ProbePinTicket", nullptr};
constexpr const char* kPrintOrderKey = "com.quorvel.test.PrintOrder";
constexpr const char* kAskAtPrintKey = "com.quorvel.test.AskAtPrint";

platform::ui::Widget* NewWidget(platform::ui::View& view, WidgetKind kind, int32_t tag, double y)
{
    platform::ui::Widget* widget = view.addWidget(kind, {20, y, 200, 22});
    widget->setTag(tag);
    return widget;
}

template <typename Control>
Control* Adopt(BasePrintPanel& panel, std::unique_ptr<Control> control)
{
    Control* raw = control.get();
    panel.RunTimeAddNewControl(std::move(control));
    return raw;
}

} // namespace

bool ProbePanel::Build()
{
    if (built_) return true;
    platform::HostServices* services = GetHostServices();
    platform::ui::Toolkit* toolkit = services != nullptr ? services->WidgetToolkit() : nullptr;
    platform::PrintDialogHost* host = GetCurrentPDECallbackObj();
    if (toolkit == nullptr || host == nullptr) return false;
    CreatePanel(toolkit->createView({0, 0, 500, 300}));
    AddControls(*toolkit);
    RegisterMyHelpBook(*services, identity_);
    InitializeUserPane(pluginBundle.get(), host->ppdFile());
    SetCurrentPrintSettings(host->printSettings(), host->ppdFile(), host, host->printSession());
    SetUIDataToIniData();
    built_ = true;
    SetFirstInitialize(false);
    return true;
}

int ProbePanel::restoreValuesAndReturnError()
{
    if (!Build()) return platform::kPDEErrorNothingToShow;
    platform::PrintDialogHost* host = GetCurrentPDECallbackObj();
    SetCurrentPrintSettings(host->printSettings(), host->ppdFile(), host, host->printSession());
    GetValueFromPreset();
    SetCurrentValueToUI();
    return 0;
}

void ProbePanel::WriteTicket()
{
    SetValueFromUIToControl();
    SetValueToTicket(GetCurrentPDECallbackObj()->printSettings(), false);
}

int ProbePanel::saveValuesAndReturnError()
{
    if (!Build()) return platform::kPDEErrorNothingToShow;
    WriteTicket();
    return 0;
}

bool ProbePanel::shouldShowHelp()
{
    platform::HostServices* services = GetHostServices();
    return services != nullptr &&
           GotoHelpPage(*services, pluginBundle.get(), "probe.htm", "", "HelpBookName") == noErr;
}

void ProbePanel::NotePrinted(const std::string& name)
{
    platform::PrintSettings* settings = GetCurrentPDECallbackObj()->printSettings();
    std::string order;
    if (settings->GetValue(kPrintOrderKey, &order) == noErr) order += ",";
    settings->SetValue(kPrintOrderKey, order + name, false);
}

ProbeWindow* ProbePanel::MakeWindow(platform::ui::Toolkit& toolkit, const char* titleKey, int32_t fieldID,
                                    const TextEditIniData& fieldIni, const TextEditFilterData& filter,
                                    const CtrlAccessInfo& access)
{
    auto window =
        std::make_unique<ProbeWindow>(toolkit.createWindow("", {0, 0, 300, 120}, GetPanelView()), titleKey);
    platform::ui::View& content = *window->GetPanelView();
    auto field = std::make_unique<TextEditCtrl>();
    field->CreateControl(NewWidget(content, WidgetKind::TextField, fieldID, 20), &fieldIni, nullptr, &access,
                         platform::PreferenceUser::Current, &filter);
    Adopt(*window, std::move(field));
    auto ok = std::make_unique<ProbeOKButton>();
    ok->CreateControl(NewWidget(content, WidgetKind::PushButton, fieldID + 1, 60), "OK Button Title");
    Adopt(*window, std::move(ok));
    auto cancel = std::make_unique<ProbeCancelButton>();
    cancel->CreateControl(NewWidget(content, WidgetKind::PushButton, fieldID + 2, 90), "Cancel Button Title");
    Adopt(*window, std::move(cancel));
    ProbeWindow* made = window.get();
    RunTimeAddNewWindow(std::move(window));
    return made;
}

std::string ProbeFeaturesPanel::panelName() const
{
    return pluginBundle ? pluginBundle->LocalizedString("Probe Features Title", kNoTranslation, "") : "";
}

void ProbeFeaturesPanel::AddControls(platform::ui::Toolkit& toolkit)
{
    platform::ui::View& view = *GetPanelView();
    auto check = std::make_unique<CheckBox>();
    check->CreateCheckBox(NewWidget(view, WidgetKind::CheckBox, 10, 20), &kCheckIni, &kCheckRules,
                          &kCheckAccess, platform::PreferenceUser::Current);
    check_ = Adopt(*this, std::move(check));

    auto color = std::make_unique<ProbeColorList>();
    color->CreateControl(NewWidget(view, WidgetKind::PopUp, 11, 50), &kColorIni, nullptr, &kColorAccess,
                         platform::PreferenceUser::Current);
    ppd_file_t* ppd = GetCurrentPDECallbackObj()->ppdFile();
    color->setPPDOptions(ppd != nullptr ? ppdFindOption(ppd, "ProbeColor") : nullptr);
    color_ = Adopt(*this, std::move(color));

    auto code = std::make_unique<TextEditCtrl>();
    code->CreateControl(NewWidget(view, WidgetKind::TextField, 12, 80), &kCodeIni, nullptr, &kCodeAccess,
                        platform::PreferenceUser::Current, &kDigits);
    Adopt(*this, std::move(code));

    auto locked = std::make_unique<CheckBox>();
    locked->CreateCheckBox(NewWidget(view, WidgetKind::CheckBox, LockedID, 110), &kLockedIni, nullptr,
                           &kLockedAccess, platform::PreferenceUser::Current);
    Adopt(*this, std::move(locked));

    auto count = std::make_unique<LittleArray>();
    count->LittleArrayControl(NewWidget(view, WidgetKind::Stepper, 15, 140), &kCountIni, nullptr,
                              &kCountAccess, platform::PreferenceUser::Current, "Probe Count");
    Adopt(*this, std::move(count));

    ProbeWindow* window = MakeWindow(toolkit, "Probe Window Title", 20, kPinIni, kDigits, kNoteAccess);
    auto setup = std::make_unique<ProbeSetupButton>(*window);
    setup->CreateControl(NewWidget(view, WidgetKind::PushButton, 13, 170), "Setup Button Title");
    Adopt(*this, std::move(setup));
}

bool ProbeFeaturesPanel::shouldPrint()
{
    if (!Build()) return true;
    WriteTicket();
    NotePrinted("features");
    return true;
}

void ProbeFeaturesPanel::summaryInfo(std::map<std::string, std::string>& summary,
                                     std::vector<std::string>& order) const
{
    if (check_ == nullptr || color_ == nullptr) return;
    const platform::ui::StoredValue value = check_->ControlStoredValue();
    const auto* on = std::get_if<long long>(&value);
    summary["Probe Check"] = on != nullptr && *on == 1 ? "On" : "Off";
    const platform::ui::Widget* popUp = color_->GetControlPtr();
    summary["Probe Colour"] = popUp->itemAtIndex(popUp->indexOfSelectedItem()).title;
    order = {"Probe Colour", "Probe Check"};
}

std::string ProbeAccountPanel::panelName() const
{
    return pluginBundle ? pluginBundle->LocalizedString("Probe Account Title", kNoTranslation, "") : "";
}

void ProbeAccountPanel::AddControls(platform::ui::Toolkit& toolkit)
{
    auto name = std::make_unique<TextEditCtrl>();
    name->CreateControl(NewWidget(*GetPanelView(), WidgetKind::TextField, 30, 20), &kNameIni, nullptr,
                        &kNameAccess, platform::PreferenceUser::Current, &kAnyText);
    Adopt(*this, std::move(name));
    pinWindow_ = MakeWindow(toolkit, "Probe Account Window Title", 40, kPinIni, kPinDigits, kPinAccess);
}

bool ProbeAccountPanel::shouldPrint()
{
    if (!Build()) return true;
    std::string ask;
    GetCurrentPDECallbackObj()->printSettings()->GetValue(kAskAtPrintKey, &ask);
    if (ask == "1") {
        pinWindow_->confirmed = false;
        pinWindow_->ActivateWindow();
        if (!pinWindow_->confirmed) return false;
    }
    WriteTicket();
    NotePrinted("account");
    return true;
}
