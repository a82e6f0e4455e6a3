// The Features panel: print-dialog protocol and the full initialisation.
#include "features/KPRINTFEATURESPDE.h"

#include <algorithm>
#include <cmath>

#include "constraints/XPPDCache.h"
#include "constraints/XPPDLookups.h"
#include "features/FeatureControlRecords.h"
#include "features/controls/PFGroupList.h"
#include "panelkit/CurrentPrintType.h"
#include "panelkit/UtilityFunction.h"
#include "panelkit/control/LocalizeTableName.h"
#include "panelkit/controls/StaticTextEditControl.h"
#include "panelkit/panel/PopupWinInPanel.h"
#include "platform/PpdAttrLookup.h"

namespace {

// The attribute that names the Features mode, and its value that turns the
// panel off.
constexpr const char* kFeaturesSettingsAttribute = "QVXFeaturesSettings";

} // namespace

std::vector<std::string>& qvPPDKeywordList()
{
    static std::vector<std::string> list;
    return list;
}

KPRINTFEATURESPDE::KPRINTFEATURESPDE() = default;
KPRINTFEATURESPDE::~KPRINTFEATURESPDE() = default;

platform::ui::Toolkit* KPRINTFEATURESPDE::PanelToolkit() const
{
    platform::HostServices* services = GetHostServices();
    return services != nullptr ? services->WidgetToolkit() : nullptr;
}

std::string KPRINTFEATURESPDE::LocalizedText(const char* key) const
{
    const platform::Bundle* bundle = pluginBundle.get();
    if (bundle == nullptr || key == nullptr) return kNoTranslation;
    return bundle->LocalizedString(key, kNoTranslation, localizeTableName);
}

std::string KPRINTFEATURESPDE::panelName() const
{
    if (cachedPanelName) return *cachedPanelName;
    std::string table = localizeTableName;
    if (std::optional<std::string> fromPPD = LocalizeTableNameFromPPD(m_ptCurrentPPD)) table = *fromPPD;
    const platform::Bundle* bundle = pluginBundle.get();
    cachedPanelName = bundle != nullptr ? bundle->LocalizedString("PDE Title", kNoTranslation, table)
                                        : std::string(kNoTranslation);
    return *cachedPanelName;
}

bool KPRINTFEATURESPDE::LoadPanelView()
{
    if (PrintFeaturesView != nullptr) return true;
    platform::ui::Toolkit* toolkit = PanelToolkit();
    if (toolkit == nullptr || pluginBundle == nullptr) return false;
    std::string table = LocalizeTableNameFromPPD(m_ptCurrentPPD).value_or(std::string());
    loadedView_ = toolkit->loadView(*pluginBundle, kPrintFeatureLayout, table);
    if (loadedView_ == nullptr) return false;
    PrintFeaturesView = loadedView_.get();
    FeaturesSetSText = PrintFeaturesView->widgetForOutlet("FeaturesSetSText");
    printFeatureGroupList = PrintFeaturesView->widgetForOutlet("printFeatureGroupList");
    printFeatureGroupBox = PrintFeaturesView->widgetForOutlet("printFeatureGroupBox");
    pfPopupButtonTitle = PrintFeaturesView->widgetForOutlet("pfPopupButtonTitle");
    pfSeparatorSetupButton = PrintFeaturesView->widgetForOutlet("pfSeparatorSetupButton");
    pfTabMarginSetupButton = PrintFeaturesView->widgetForOutlet("pfTabMarginSetupButton");
    pfBookletMarginSetupButton = PrintFeaturesView->widgetForOutlet("pfBookletMarginSetupButton");
    pfOffsetStackingSetupButton = PrintFeaturesView->widgetForOutlet("pfOffsetStackingSetupButton");
    pfNumInSeqSetupButton = PrintFeaturesView->widgetForOutlet("pfNumInSeqSetupButton");
    return true;
}

std::unique_ptr<platform::ui::Window> KPRINTFEATURESPDE::LoadWindowLayout(std::string_view layoutName)
{
    platform::ui::Toolkit* toolkit = PanelToolkit();
    if (toolkit == nullptr || pluginBundle == nullptr) return nullptr;
    std::string table = LocalizeTableNameFromPPD(m_ptCurrentPPD).value_or(std::string());
    return toolkit->loadWindow(*pluginBundle, layoutName, table, PrintFeaturesView);
}

platform::ui::View* KPRINTFEATURESPDE::panelView()
{
    LoadPanelView();
    return PrintFeaturesView;
}

XppdTable* KPRINTFEATURESPDE::ConstraintTable() const
{
    if (constraintTable_ == nullptr) {
        constraintTable_ = std::make_unique<XppdTable>(kXppdBucketHint);
        if (CDFKeyExist(m_ptCurrentPPD, kXppdCacheAttribute))
            GetXPPD(m_ptCurrentPPD, constraintTable_.get(), kPrintFeatureStampPrefix, kXppdCacheAttribute);
    }
    return constraintTable_.get();
}

std::vector<std::string> KPRINTFEATURESPDE::supportedPPDOptionKeys() const
{
    // The table is made once per panel: the controls and windows hold it
    // from the first initialisation on.
    ConstraintTable();
    const ppd_attr_t* mode = ppdFindAttr_ALT(m_ptCurrentPPD, kFeaturesSettingsAttribute);
    if (mode == nullptr || mode->value == nullptr) return {};
    currentProductMode = mode->value;
    const FeatureKeyList keys = KeyListOfFeaturesMode(currentProductMode);
    return std::vector<std::string>(keys.begin(), keys.end());
}

void KPRINTFEATURESPDE::RefreshPrintTypeMailbox()
{
    isPrintTypeSavetoMailbox = GetCurrentJobPrintType(*this) == kPrintTypeMailBox;
}

bool KPRINTFEATURESPDE::IsJobTypeMailbox() { return GetCurrentJobPrintType(*this) == kPrintTypeMailBox; }

void KPRINTFEATURESPDE::ShowChosenPage()
{
    if (printFeatureGroupListCtrl != nullptr) printFeatureGroupListCtrl->DoControlHideConstrain();
}

int KPRINTFEATURESPDE::Open()
{
    RefreshPrintTypeMailbox();
    const int result = BasePrintPanel::Open();
    ShowChosenPage();
    return result;
}

int KPRINTFEATURESPDE::UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd)
{
    const int result = BasePrintPanel::UpdateConflictsPanelControlFromPPD(ppd);
    ShowChosenPage();
    return result;
}

void KPRINTFEATURESPDE::willShow() { Open(); }

int KPRINTFEATURESPDE::SetValueFromUIToControl()
{
    RefreshPrintTypeMailbox();
    return BasePrintPanel::SetValueFromUIToControl();
}

bool KPRINTFEATURESPDE::shouldPrint()
{
    if (bFirstInitialzePDE) SimulationOpenPDE();
    return saveValuesAndReturnError() == 0;
}

int KPRINTFEATURESPDE::saveValuesAndReturnError()
{
    if (PrintFeaturesView != nullptr) SetValueFromUIToControl();
    platform::PrintSettings* settings = m_pSettings;
    if (settings == nullptr && m_pPDECallbackObj != nullptr) settings = m_pPDECallbackObj->printSettings();
    BasePrintPanel::SetValueToTicket(settings, false);
    return 0;
}

int KPRINTFEATURESPDE::restoreValuesAndReturnError() { return SimulationOpenPDE(); }

void KPRINTFEATURESPDE::summaryInfo(std::map<std::string, std::string>& summary,
                                    std::vector<std::string>& order) const
{
    // The protocol asks for the summary as a query, but the mailbox flag is
    // refreshed on every request and the controls' summaries read their
    // screens, as the panel model defines them.
    auto& self = const_cast<KPRINTFEATURESPDE&>(*this);
    self.RefreshPrintTypeMailbox();
    SummaryOrder displayOrder;
    self.GetSummaryText(summary, displayOrder);
    order = displayOrder;
    std::string joined;
    for (const std::string& title : displayOrder) {
        if (!joined.empty()) joined += '\n';
        joined += title;
    }
    summary["Summary Display Order"] = joined;
}

bool KPRINTFEATURESPDE::CreatePanel(std::unique_ptr<platform::ui::View> view)
{
    BasePrintPanel::CreatePanel(std::move(view));
    auto label = std::make_unique<StaticTextEditControl>();
    label->CreateControl(FeaturesSetSText, nullptr, nullptr, nullptr, std::nullopt, nullptr,
                         "GroupUI List Control Title");
    FeaturesSetSTextCtrl = label.get();
    RunTimeAddNewControl(std::move(label));
    auto groupList = std::make_unique<PFGroupList>();
    groupList->CreateGroupList(printFeatureGroupList, platform::PreferenceUser::Current);
    printFeatureGroupListCtrl = groupList.get();
    RunTimeAddNewControl(std::move(groupList));
    SavetoMailboxConstrainArray = {};
    SavetoMailboxConstrainandRestoreArray = {};
    coversSeparatorKeyArray = KQVCoverSepGroupKeyArray;
    layoutKeyArray = KQVLayoutGroupKeyArray;
    CoverSeparatorRealOptionKeyArray.clear();
    LayoutOptionKeyArray.clear();
    isLayoutPanelExist = false;
    isPrintTypeSavetoMailbox = false;
    return true;
}

bool KPRINTFEATURESPDE::GetCurrentProductType(const platform::Bundle* bundle)
{
    const ppd_attr_t* mode = ppdFindAttr_ALT(m_ptCurrentPPD, kFeaturesSettingsAttribute);
    if (mode == nullptr || mode->value == nullptr || bundle == nullptr) return false;
    PrintFeaturesMode = mode->value;
    return bundle->InfoNestedStringArrays(PrintFeaturesMode).has_value();
}

int KPRINTFEATURESPDE::InitializeUserPane(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    if (!GetCurrentProductType(bundle)) return 0;
    if (pfTabMarginSetupButton != nullptr && !CheckPPDKeyIsExist(ppd, "QVTabMarginShiftEx"))
        pfTabMarginSetupButton->setHidden(true);
    if (pfSeparatorSetupButton != nullptr && !CheckPPDKeyIsExist(ppd, "QVIntSheet"))
        pfSeparatorSetupButton->setHidden(true);
    if (pfOffsetStackingSetupButton != nullptr && !CheckPPDKeyIsExist(ppd, "QVJog"))
        pfOffsetStackingSetupButton->setHidden(true);
    SavetoMailboxConstrainArray = kQVMailboxConstrainArray;
    SavetoMailboxConstrainandRestoreArray = kQVMailboxConstrainandRestoreDefaultArray;
    if (const ppd_attr_t* layout = ppdFindAttr_ALT(ppd, "QVXLayoutSettings");
        layout != nullptr && layout->value)
        isLayoutPanelExist = GetAppResourceName(layout->value, 0) == "Default00";
    if (const int result = AddUserPaneControl(bundle, ppd); result != 0) return result;
    return BasePrintPanel::InitializeUserPane(bundle, ppd);
}

int KPRINTFEATURESPDE::SimulationOpenPDE()
{
    ppd_file_t* ppd = m_ptCurrentPPD;
    if (ppd == nullptr) return 0;
    // A panel whose first run found nothing to show stays empty.
    if (!bFirstInitialzePDE && initResult_ != 0) return initResult_;
    const bool first = bFirstInitialzePDE;
    LoadPanelView();
    platform::PrintDialogHost* callback = m_pPDECallbackObj;
    if (first) {
        CreatePanel(std::move(loadedView_));
        platform::HostServices* services = GetHostServices();
        helpBookRegistered_ = services != nullptr && RegisterMyHelpBook(*services, appIdentity) == noErr;
        SetxppdPtr(ConstraintTable());
        initResult_ = InitializeUserPane(pluginBundle.get(), ppd);
        bFirstInitialzePDE = false;
        if (initResult_ != 0) return initResult_;
    }
    SetCurrentPrintSettings(callback != nullptr ? callback->printSettings() : nullptr, ppd, callback,
                            callback != nullptr ? callback->printSession() : nullptr);
    RefreshPrintTypeMailbox();
    if (first) SetUIDataToIniData();
    GetValueFromPreset();
    SetCurrentValueToUI();
    if (!first) UpdateConflictsPanelControlFromPPD(ppd);
    return 0;
}

int KPRINTFEATURESPDE::GetListTitleLength(const std::optional<std::string>& title) const
{
    if (!title || title->empty()) return 0;
    const platform::ui::Toolkit* toolkit = PanelToolkit();
    const double width = toolkit != nullptr ? toolkit->textWidth(*title) : 0.0;
    return static_cast<int>(std::trunc(std::max(width, 0.0))) + ktitleCtrlWidthOffset;
}
