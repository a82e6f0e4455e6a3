// KPRINTTYPEPDE: the print-dialog protocol, building the pane and its
// windows, and the print step.
#include "account/printtype/KPRINTTYPEPDE.h"

#include <fstream>

#include "account/InstallableControl.h"
#include "account/VersionStringSText.h"
#include "account/printtype/MailBoxPrintWindow.h"
#include "account/printtype/PTListCtrl.h"
#include "account/printtype/PTStaticTextEditControl.h"
#include "account/printtype/PrintTypeFieldRecords.h"
#include "account/printtype/PrintTypeHelp.h"
#include "account/printtype/PrintTypePaneButtons.h"
#include "account/printtype/SamplePrintWindow.h"
#include "account/printtype/SecurePrintWindow.h"
#include "account/printtype/DelayedPrintWindow.h"
#include "panelkit/CurrentPrintType.h"
#include "panelkit/UtilityFunction.h"
#include "panelkit/control/LocalizeTableName.h"
#include "platform/PrintSettingsKeys.h"

const int32_t PrintTypeListCtrlID = 101;
const int32_t PrintTypeListTitleID = 102;
const int32_t PrintTypeSetupBtnID = 103;

namespace {

const char* const PrintTypeListKeys[] = {"Job Type None", "Job Type Secure", "Job Type Sample",
                                         "Job Type MBN", nullptr};
const ListCtrlIniData PrintTypeListIniData = {0, kPrintTypeNormal, -1, 0, PrintTypeListKeys};
const CtrlAccessInfo PrintTypeListCtrlAccessInfo = {
    kCtrlValueTypeInteger, kCtrlValueTypeInteger, printsettings::PrintTypeTicketKey, kPrintTypeReferenceKey};
// By menu position: normal printing (position 0) has no details to set up.
const int32_t* const PrintTypeNormalDisableList[] = {&PrintTypeSetupBtnID, nullptr};
const CnstrnArray PrintTypeListDisableTable[] = {PrintTypeNormalDisableList};
const CnstrnInfo PrintTypeListCnstrnInfo = {PrintTypeListDisableTable, {}, {}, {}};

// Without a hard disk the printer cannot hold a job: only normal printing.
const int32_t* const HardDiskFalseDisableList[] = {&PrintTypeListTitleID, &PrintTypeListCtrlID,
                                                   &PrintTypeSetupBtnID, nullptr};
const InstallableConstrainInfo HardDiskConstrainInfo[] = {{"True", nullptr},
                                                          {"False", HardDiskFalseDisableList}};

constexpr const char* kDetailsWindowTitleKey = "Job Type Setup Window Title";

// The customisation file the PPD names must be readable; without the
// attribute there is nothing to read and the flag stays set.
bool IsCustomisationFileReadable(ppd_file_t* ppd)
{
    const ppd_attr_t* setting = ppdFindAttr_ALT(ppd, "QVXCDFSetting");
    if (setting == nullptr || setting->value == nullptr || *setting->value == '\0') return true;
    std::ifstream file(setting->value, std::ios::binary);
    return file.is_open();
}

} // namespace

KPRINTTYPEPDE::~KPRINTTYPEPDE() = default;

std::string KPRINTTYPEPDE::PaneTableName() const
{
    return LocalizeTableNameFromPPD(m_ptCurrentPPD).value_or(std::string());
}

std::string KPRINTTYPEPDE::panelName() const
{
    if (paneName_.empty()) {
        paneName_ = pluginBundle != nullptr
                        ? pluginBundle->LocalizedString("PDE Title", kNoTranslation, PaneTableName())
                        : kNoTranslation;
    }
    return paneName_;
}

void KPRINTTYPEPDE::setPDEType(int32_t type) { pdeType = type >= 0 && type < kPTProductInfoCount ? type : 0; }

bool KPRINTTYPEPDE::LoadPaneLayout()
{
    if (PrintTypeView != nullptr) return true;
    platform::HostServices* services = GetHostServices();
    platform::ui::Toolkit* toolkit = services != nullptr ? services->WidgetToolkit() : nullptr;
    if (toolkit == nullptr || pluginBundle == nullptr) return false;
    loadedView_ = toolkit->loadView(*pluginBundle, getPDENibFileNamePrintType(), PaneTableName());
    PrintTypeView = loadedView_.get();
    return PrintTypeView != nullptr;
}

platform::ui::View* KPRINTTYPEPDE::panelView()
{
    LoadPaneLayout();
    return PrintTypeView;
}

void KPRINTTYPEPDE::willShow() {}

platform::ui::Widget* KPRINTTYPEPDE::Outlet(const char* name, int32_t tag) const
{
    platform::ui::Widget* widget = PrintTypeView != nullptr ? PrintTypeView->widgetForOutlet(name) : nullptr;
    if (widget != nullptr && tag != 0) widget->setTag(tag);
    return widget;
}

bool KPRINTTYPEPDE::CreatePanel(std::unique_ptr<platform::ui::View> view)
{
    BasePrintPanel::CreatePanel(std::move(view));
    const bool cdfSupported = IsCustomisationFileReadable(m_ptCurrentPPD);
    kvtControlIDArray.clear();
    CreatePaneControls(cdfSupported);
    JobStatus = kJobStatusCancel;
    printTypeusernameDataBlkPtr.Allocate(kTextBlockSize);
    documentlistDataBlkPtr.Allocate(sizeof(int32_t));
    documentlistDataBlkPtr.SetInt(1);
    documentnameeditDataBlkPtr.Allocate(kTextBlockSize);
    return true;
}

void KPRINTTYPEPDE::CreatePaneControls(bool cdfSupported)
{
    PrintTypeListTitle = Outlet("PrintTypeListTitle", PrintTypeListTitleID);
    PrintTypeList = Outlet("PrintTypeList", PrintTypeListCtrlID);
    PrintTypeSetupButton = Outlet("PrintTypeSetupButton", PrintTypeSetupBtnID);
    PrintTypeDefault = Outlet("PrintTypeDefault", 0);
    PrintTypeHelpButton = Outlet("PrintTypeHelpButton", 0);
    VersionString = Outlet("VersionString", 0);

    auto title = std::make_unique<PTStaticTextEditControl>();
    title->CreateControl(PrintTypeListTitle, &PTStaticTextIniData, nullptr, nullptr, std::nullopt, nullptr,
                         "Print Type List");
    PrintTypeListTitleCtrl = title.get();
    RunTimeAddNewControl(std::move(title));

    auto list = std::make_unique<PTListCtrl>();
    list->CreateControl(PrintTypeList, &PrintTypeListIniData, &PrintTypeListCnstrnInfo,
                        &PrintTypeListCtrlAccessInfo, platform::PreferenceUser::Current, this,
                        "QVXMailBoxSettings");
    PrintTypeListCtrl = list.get();
    RunTimeAddNewControl(std::move(list));

    auto setup = std::make_unique<PTSetupButton>();
    setup->CreateControl(PrintTypeSetupButton, "Setup Button Title", this);
    PrintTypeSetupBtnCtrl = setup.get();
    RunTimeAddNewControl(std::move(setup));

    CreateDetailsWindows();

    auto restore = std::make_unique<PTDefaultButton>();
    restore->CreateControl(PrintTypeDefault, "Restore Button Title", this);
    PrintTypeDefaultButtonCtrl = restore.get();
    RunTimeAddNewControl(std::move(restore));

    auto help = std::make_unique<PrintTypeHelpBtn>();
    help->CreateControl(PrintTypeHelpButton);
    PrintTypeHelpBtnCtrl = help.get();
    RunTimeAddNewControl(std::move(help));

    auto version = std::make_unique<VersionStringSText>();
    version->CreateControl(VersionString, nullptr, cdfSupported);
    PrintTypeVerstionStrCtrl = version.get();
    RunTimeAddNewControl(std::move(version));

    auto hardDisk = std::make_unique<InstallableControl>();
    hardDisk->CreateControl("QVHardDisk", HardDiskConstrainInfo);
    hardDiskCtrl = hardDisk.get();
    RunTimeAddNewInstallableControl(std::move(hardDisk));
}

void KPRINTTYPEPDE::CreateDetailsWindows()
{
    platform::HostServices* services = GetHostServices();
    platform::ui::Toolkit* toolkit = services != nullptr ? services->WidgetToolkit() : nullptr;
    if (toolkit == nullptr || pluginBundle == nullptr) return;
    const std::string table = PaneTableName();
    // Each window is made only when its layout exists; a print type without
    // its window cannot be chosen (the list goes back).
    auto add = [&](auto window) -> PrintTypeDetailsWindow* {
        if (window->GetWindow() == nullptr) return nullptr;
        PrintTypeDetailsWindow* made = window.get();
        RunTimeAddNewWindow(std::move(window));
        made->CreateWindowControls();
        return made;
    };
    auto load = [&](const char* layout) {
        return toolkit->loadWindow(*pluginBundle, layout, table, PrintTypeView);
    };
    ptSecurePrintWindow = add(std::make_unique<SecurePrintWindow>(
        load(SecurePrintWindow::kLayoutName), kDetailsWindowTitleKey, this, kvtControlIDArray));
    ptSamplePrintWindow = add(std::make_unique<SamplePrintWindow>(load(SamplePrintWindow::kLayoutName),
                                                                  kDetailsWindowTitleKey, this));
    ptDelayedPrintWindow = add(std::make_unique<DelayedPrintWindow>(load(DelayedPrintWindow::kLayoutName),
                                                                    kDetailsWindowTitleKey, this));
    ptMailBoxPrintWindow = add(std::make_unique<MailBoxPrintWindow>(
        load(MailBoxPrintWindow::kLayoutName), kDetailsWindowTitleKey, this, kvtControlIDArray));
}

void KPRINTTYPEPDE::terminate()
{
    kvtControlIDArray.clear();
    BasePrintPanel::terminate();
}

PopupWinInPanel* KPRINTTYPEPDE::GetPrintTypeWindow(int32_t printType) const
{
    switch (printType) {
    case kPrintTypeSecure: return ptSecurePrintWindow;
    case kPrintTypeSample: return ptSamplePrintWindow;
    case kPrintTypeDelayed: return ptDelayedPrintWindow;
    case kPrintTypeMailBox: return ptMailBoxPrintWindow;
    default: return nullptr;
    }
}

int32_t KPRINTTYPEPDE::GetCurrentPrintType() const
{
    return PrintTypeListCtrl != nullptr ? PrintTypeListCtrl->GetPrintTypeValue() : kPrintTypeNormal;
}

bool KPRINTTYPEPDE::SimulationOpenPDE()
{
    platform::PrintDialogHost* callback = m_pPDECallbackObj;
    ppd_file_t* ppd = callback != nullptr ? callback->ppdFile() : nullptr;
    if (ppd == nullptr) return true;
    // Without a view there are no controls to build; the pane's own keys
    // are still written at print time.
    if (!LoadPaneLayout()) return true;
    const bool firstTime = bFirstInitialzePDE;
    helpBookStatus_ = noErr;
    if (firstTime) {
        m_ptCurrentPPD = ppd;
        CreatePanel(std::move(loadedView_));
        platform::HostServices* services = GetHostServices();
        helpBookStatus_ = services != nullptr ? RegisterMyHelpBook(*services, appIdentity) : fnfErr;
        InitializeUserPane(pluginBundle.get(), ppd);
        built_ = true;
    }
    SetCurrentPrintSettings(callback->printSettings(), ppd, callback, callback->printSession());
    SetUIDataToIniData();
    if (!firstTime) ResetControlStatus();
    if (osVersion < static_cast<uint32_t>(kPreferenceCacheVersionCode))
        GetValueFromPreference();
    else
        GetValueFromPreset();
    SetCurrentValueToUI();
    bFirstInitialzePDE = false;
    return helpBookStatus_ == noErr;
}

bool KPRINTTYPEPDE::OnClickPrintCommand()
{
    JobStatus = kJobStatusPrint;
    return JobStatus == kJobStatusPrint;
}

void KPRINTTYPEPDE::CommitAndWrite()
{
    if (built_) SetValueFromUIToControl();
    if (osVersion < static_cast<uint32_t>(kPreferenceCacheVersionCode)) SetValueToPreference();
    platform::PrintSettings* settings =
        m_pPDECallbackObj != nullptr ? m_pPDECallbackObj->printSettings() : nullptr;
    if (settings != nullptr) SetValueToTicket(settings, false, &kvtControlIDArray);
}

bool KPRINTTYPEPDE::shouldPrint()
{
    if (bFirstInitialzePDE) SimulationOpenPDE();
    if (!OnClickPrintCommand()) return false;
    CommitAndWrite();
    // The details windows check their values when they close; printing is never refused here.
    return true;
}

bool KPRINTTYPEPDE::ValidateUserPane()
{
    for (BaseControl* control : fCtrlGroupArray) {
        if (control->GetControlPtr() != nullptr) control->GetValueFromUI();
    }
    for (BaseControl* control : fCtrlGroupArray) {
        if (!control->PreInvalidateData() || !control->InvalidateData()) return false;
    }
    return true;
}

int KPRINTTYPEPDE::saveValuesAndReturnError()
{
    // A save before the values were ever loaded would overwrite the job's
    // settings with the defaults: load them first, as printing does.
    if (bFirstInitialzePDE) SimulationOpenPDE();
    if (!ValidateUserPane()) return paramErr;
    CommitAndWrite();
    return noErr;
}

int KPRINTTYPEPDE::restoreValuesAndReturnError() { return SimulationOpenPDE() ? noErr : helpBookStatus_; }

bool KPRINTTYPEPDE::shouldShowHelp()
{
    const std::string page = PrintTypeHelpPage(m_ptCurrentPPD);
    if (page.empty()) return false;
    return OpenPrintTypeHelp(GetHostServices(), pluginBundle.get(), page) == noErr;
}

void KPRINTTYPEPDE::summaryInfo(std::map<std::string, std::string>& summary,
                                std::vector<std::string>& order) const
{
    // Collecting the summary reads the controls and changes nothing; the
    // framework's broadcast is simply not declared const.
    const_cast<KPRINTTYPEPDE*>(this)->GetSummaryText(summary, order);
}
