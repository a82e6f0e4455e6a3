// KJOBACCOUNTINGPDE: the print-dialog protocol, building the pane and its
// windows, and the print step.
#include "account/jba/KJOBACCOUNTINGPDE.h"

#include <fstream>

#include "account/VersionStringSText.h"
#include "account/jba/JBAButtons.h"
#include "account/jba/JBAControlIDs.h"
#include "account/jba/JBAFieldRecords.h"
#include "account/jba/JBAHostIdentity.h"
#include "account/jba/JBAInputWindow.h"
#include "account/jba/JBAListCtrl.h"
#include "account/jba/JBASettingsWindow.h"
#include "panelkit/UtilityFunction.h"
#include "panelkit/control/LocalizeTableName.h"
#include "panelkit/controls/StaticTextEditControl.h"

namespace {

// The customisation file the PPD names must be readable; without the
// attribute there is nothing to read and the flag stays set.
bool IsCustomisationFileReadable(ppd_file_t* ppd)
{
    const ppd_attr_t* setting = ppdFindAttr_ALT(ppd, "QVXCDFSetting");
    if (setting == nullptr || setting->value == nullptr || *setting->value == '\0') return true;
    std::ifstream file(setting->value, std::ios::binary);
    return file.is_open();
}

// Whether the job goes to a printer: preview, file and fax jobs carry no accounting.
bool PrintsToPrinter(const platform::PrintSession* session)
{
    return session != nullptr && session->GetDestinationType() == platform::DestinationType::Printer;
}

} // namespace

KJOBACCOUNTINGPDE::~KJOBACCOUNTINGPDE() = default;

std::string KJOBACCOUNTINGPDE::PaneTableName() const
{
    return LocalizeTableNameFromPPD(m_ptCurrentPPD).value_or(std::string());
}

std::string KJOBACCOUNTINGPDE::panelName() const
{
    if (paneName_.empty()) {
        paneName_ = pluginBundle != nullptr ? pluginBundle->LocalizedString("Job Authentication Title",
                                                                            kNoTranslation, PaneTableName())
                                            : kNoTranslation;
    }
    return paneName_;
}

bool KJOBACCOUNTINGPDE::LoadPaneLayout()
{
    if (jbaView != nullptr) return true;
    platform::HostServices* services = GetHostServices();
    platform::ui::Toolkit* toolkit = services != nullptr ? services->WidgetToolkit() : nullptr;
    if (toolkit == nullptr || pluginBundle == nullptr) return false;
    loadedView_ = toolkit->loadView(*pluginBundle, getPDENibFileNamePrintType(), PaneTableName());
    jbaView = loadedView_.get();
    return jbaView != nullptr;
}

platform::ui::View* KJOBACCOUNTINGPDE::panelView()
{
    LoadPaneLayout();
    return jbaView;
}

platform::ui::Widget* KJOBACCOUNTINGPDE::Outlet(const char* name, int32_t tag) const
{
    platform::ui::Widget* widget = jbaView != nullptr ? jbaView->widgetForOutlet(name) : nullptr;
    if (widget != nullptr && tag != 0) widget->setTag(tag);
    return widget;
}

bool KJOBACCOUNTINGPDE::CreatePanel(std::unique_ptr<platform::ui::View> view)
{
    BasePrintPanel::CreatePanel(std::move(view));
    const bool cdfSupported = IsCustomisationFileReadable(m_ptCurrentPPD);
    kvtControlIDArray.clear();
    CreatePaneControls(cdfSupported);
    CreateWindows();
    return true;
}

void KJOBACCOUNTINGPDE::CreatePaneControls(bool cdfSupported)
{
    auto title = std::make_unique<StaticTextEditControl>();
    title->CreateControl(Outlet("jbaMngTypeTitle", JBAManageTypeTitleID), &JBAStaticTextIniData, nullptr,
                         nullptr, std::nullopt, nullptr, "JBA Account Mode Text");
    jbaMngTypeSTextCtrl = title.get();
    RunTimeAddNewControl(std::move(title));

    auto list = std::make_unique<JBAListCtrl>();
    list->CreateControl(Outlet("jobAcctTypeList", JBAManageTypeListID), &JBAManageTypeListIniData,
                        &JBAManageTypeListCtrlAccessInfo, this, JBAAdminWndRestrictionList);
    jobAcctTypeListCtrl = list.get();
    RunTimeAddNewControl(std::move(list));

    auto version = std::make_unique<VersionStringSText>();
    version->CreateControl(Outlet("jbaVerStringSTextCtrl", JBAVersionTextID), nullptr, cdfSupported);
    jbaVerStringSTextCtrlPtr = version.get();
    RunTimeAddNewControl(std::move(version));

    auto detail = std::make_unique<JBADetailSettingBut>();
    detail->CreateControl(Outlet("jbaDetailedSetting", JBADetailSettingButtonID),
                          "Detailed User Settings Btn", this);
    jbaDetailSettingButCtrl = detail.get();
    RunTimeAddNewControl(std::move(detail));

    auto help = std::make_unique<JBAWndHelpButton>();
    help->CreateControl(Outlet("jbaWndHelpButtonCtrl", JBAHelpButtonID), "Account.htm");
    jbaWndHelpButtonCtrlPtr = help.get();
    RunTimeAddNewControl(std::move(help));
}

void KJOBACCOUNTINGPDE::CreateWindows()
{
    platform::HostServices* services = GetHostServices();
    platform::ui::Toolkit* toolkit = services != nullptr ? services->WidgetToolkit() : nullptr;
    if (toolkit == nullptr || pluginBundle == nullptr) return;
    const std::string table = PaneTableName();
    auto load = [&](const char* layout) {
        return toolkit->loadWindow(*pluginBundle, layout, table, jbaView);
    };
    // A window is made only when its layout exists.
    auto adminWindow =
        std::make_unique<JBAInfoAdminWnd>(load(JBASettingsWindow::kLayoutName), this, kvtControlIDArray);
    if (adminWindow->GetWindow() != nullptr) {
        jbaInfoAdminWnd = adminWindow.get();
        RunTimeAddNewWindow(std::move(adminWindow));
        jbaInfoAdminWnd->CreateWindowControls();
    }
    auto userWindow =
        std::make_unique<JBAInfoWnd>(load(JBASettingsWindow::kLayoutName), this, kvtControlIDArray);
    if (userWindow->GetWindow() != nullptr) {
        jbaInfoWnd = userWindow.get();
        RunTimeAddNewWindow(std::move(userWindow));
        jbaInfoWnd->CreateWindowControls();
    }
    auto inputWindow =
        std::make_unique<JBAInputWindow>(load(JBAInputWindow::kLayoutName), "Input Window Title String", this,
                                         kvtControlIDArray, JBAInputResetList);
    if (inputWindow->GetWindow() != nullptr) {
        jbaInputWndRes = inputWindow.get();
        RunTimeAddNewWindow(std::move(inputWindow));
        jbaInputWndRes->CreateWindowControls();
    }
}

void KJOBACCOUNTINGPDE::terminate()
{
    kvtControlIDArray.clear();
    BasePrintPanel::terminate();
}

int32_t KJOBACCOUNTINGPDE::getAccountMode() const
{
    return jobAcctTypeListCtrl != nullptr ? jobAcctTypeListCtrl->getAccountMode() : -1;
}

bool KJOBACCOUNTINGPDE::getbInputWndVisible() const
{
    switch (getAccountMode()) {
    case 0: return jbaInfoAdminWnd != nullptr && jbaInfoAdminWnd->getbEnterUserDetails();
    case 1: return jbaInfoWnd != nullptr && jbaInfoWnd->getbEnterUserDetails();
    default: return false;
    }
}

void KJOBACCOUNTINGPDE::BuildPane(platform::PrintDialogHost& callback, ppd_file_t* ppd)
{
    m_ptCurrentPPD = ppd;
    CreatePanel(std::move(loadedView_));
    platform::HostServices* services = GetHostServices();
    helpBookStatus_ = services != nullptr ? RegisterMyHelpBook(*services, appIdentity) : fnfErr;
    InitializeUserPane(pluginBundle.get(), ppd);
    SetCurrentPrintSettings(callback.printSettings(), ppd, &callback, callback.printSession());
    SetUIDataToIniData();
    built_ = true;
}

void KJOBACCOUNTINGPDE::LoadValues()
{
    if (!built_) return;
    if (UsesPreferenceCache())
        GetValueFromPreferenceWithPrinterSettings();
    else
        GetValueFromPreference();
    SetCurrentValueToUI();
}

bool KJOBACCOUNTINGPDE::SimulationOpenPDE()
{
    platform::PrintDialogHost* callback = m_pPDECallbackObj;
    LoadPaneLayout();
    if (!bFirstInitialzePDE) return true;
    ppd_file_t* ppd = callback != nullptr ? callback->ppdFile() : nullptr;
    // Without a view there are no controls to build.
    if (ppd == nullptr || jbaView == nullptr) {
        bFirstInitialzePDE = false;
        return true;
    }
    helpBookStatus_ = noErr;
    BuildPane(*callback, ppd);
    LoadValues();
    bFirstInitialzePDE = false;
    return helpBookStatus_ == noErr;
}

int KJOBACCOUNTINGPDE::restoreValuesAndReturnError()
{
    platform::PrintDialogHost* callback = m_pPDECallbackObj;
    LoadPaneLayout();
    ppd_file_t* ppd = callback != nullptr ? callback->ppdFile() : nullptr;
    helpBookStatus_ = noErr;
    if (bFirstInitialzePDE && ppd != nullptr && jbaView != nullptr)
        BuildPane(*callback, ppd);
    else if (built_ && callback != nullptr)
        SetCurrentPrintSettings(callback->printSettings(), ppd, callback, callback->printSession());
    bFirstInitialzePDE = false;
    LoadValues();
    return helpBookStatus_ == noErr ? noErr : helpBookStatus_;
}

bool KJOBACCOUNTINGPDE::OnClickPrintCommand()
{
    if (jbaInputWndRes == nullptr || !getbInputWndVisible()) {
        // Nothing to ask: the print goes ahead (also without an input window,
        // which would otherwise refuse every print without a word).
        JobStatus = kJBAJobStatusPrint;
    } else {
        JobStatus = kJBAJobStatusCancel; // until the window's OK says otherwise
        jbaInputWndRes->Present();
    }
    return JobStatus == kJBAJobStatusPrint;
}

void KJOBACCOUNTINGPDE::CommitAndWrite(platform::PrintSettings* settings)
{
    if (!built_) return;
    if (jbaView != nullptr) SetValueFromUIToControl();
    if (UsesPreferenceCache())
        SetValueToPreferenceWithPrinterSettings();
    else
        SetValueToPreference();
    if (settings == nullptr) return;
    SetValueToTicket(settings, false, &kvtControlIDArray);
    SetInformationToTicket(settings, false);
}

bool KJOBACCOUNTINGPDE::shouldPrint()
{
    platform::PrintDialogHost* callback = m_pPDECallbackObj;
    if (callback == nullptr || !PrintsToPrinter(callback->printSession())) return true;
    if (bFirstInitialzePDE) SimulationOpenPDE();
    if (!OnClickPrintCommand()) return false;
    CommitAndWrite(callback->printSettings());
    return true;
}

int KJOBACCOUNTINGPDE::saveValuesAndReturnError()
{
    platform::PrintDialogHost* callback = m_pPDECallbackObj;
    // A save before the values were ever loaded would overwrite the job's
    // settings with the defaults: load them first, as printing does.
    if (bFirstInitialzePDE) SimulationOpenPDE();
    // A job that does not go to a printer carries no accounting keys, even
    // when the dialog saves the panes' values on its way to print.
    platform::PrintSettings* settings =
        callback != nullptr && PrintsToPrinter(callback->printSession()) ? m_pSettings : nullptr;
    CommitAndWrite(settings);
    return noErr;
}

bool KJOBACCOUNTINGPDE::shouldShowHelp()
{
    platform::HostServices* services = GetHostServices();
    const std::string page = JBAHelpPage(m_ptCurrentPPD, "Account.htm");
    if (services == nullptr || pluginBundle == nullptr || page.empty()) return true;
    return GotoHelpPage(*services, pluginBundle.get(), page, "", "Help Viewer Title for Job Accounting") !=
           noErr;
}

void KJOBACCOUNTINGPDE::summaryInfo(std::map<std::string, std::string>& summary,
                                    std::vector<std::string>& order) const
{
    // Collecting the summary reads the controls and changes nothing; the
    // framework's broadcast is simply not declared const. The order list is
    // the summary's display order.
    const_cast<KJOBACCOUNTINGPDE*>(this)->GetSummaryText(summary, order);
}
