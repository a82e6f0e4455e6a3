// The Features panel: the printer's finishing and image options from the PPD,
// grouped into pages the person picks from a group pop-up, and the hand-built
// sections for covers and separators, booklet layout and the advanced
// features (tab margin shift, number in sequence, offset stacking).
//
// Source files: KPRINTFEATURESPDE.cpp (print-dialog protocol and the full
// initialisation), KPRINTFEATURESPDEBuild.cpp (the pages of PPD options),
// KPRINTFEATURESPDESections.cpp (the hand-built sections), and
// KPRINTFEATURESPDEQueries.cpp (what controls and windows ask the panel).
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <cups/ppd.h>

#include "constraints/XppdTable.h"
#include "features/FeatureKeyTables.h"
#include "panelkit/AppIdentity.h"
#include "panelkit/PDEPanel.h"
#include "platform/Bundle.h"

class BaseControl;
class BaseButton;
class PFGroupList;
class PFListExt;
class PFCheckBoxExt;
class PFNonPPDCheckBox;
class PFOffsetStackingListCtrl;
class PopupWinInPanel;
class StaticTextEditControl;

// The panel's kind and the name of its layout resource.
inline constexpr const char* kPrintFeaturesKind = "com.quorvel.kt.mq22.pde.PrintFeaturesKind";
inline constexpr const char* kPrintFeatureLayout = "ZKPrintFeature";

class KPRINTFEATURESPDE : public PDEPanel {
public:
    KPRINTFEATURESPDE();
    ~KPRINTFEATURESPDE() override;

    // The extension's identity, for its help book.
    void SetAppIdentity(AppIdentity identity) { appIdentity = std::move(identity); }

    // --- Print-dialog protocol ---
    std::string panelName() const override;
    std::string panelKind() const override { return kPrintFeaturesKind; }
    platform::ui::View* panelView() override;
    std::vector<std::string> supportedPPDOptionKeys() const override;
    void willShow() override;
    bool shouldHide() override { return true; }
    bool shouldPrint() override;
    int saveValuesAndReturnError() override;
    int restoreValuesAndReturnError() override;
    void summaryInfo(std::map<std::string, std::string>& summary,
                     std::vector<std::string>& order) const override;
    void PPDOptionKeyValueDidChange(const std::string& /*option*/, const std::string& /*choice*/) override {}

    // --- Panel model ---
    // Both end with the group list's rule applied again: a PPD-bound
    // control's reset shows its widget, which must not bring back the
    // controls of the pages not chosen.
    int Open() override;
    int UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) override;
    int SetValueFromUIToControl() override;
    bool CreatePanel(std::unique_ptr<platform::ui::View> view) override;
    using BasePrintPanel::CreatePanel;
    int InitializeUserPane(const platform::Bundle* bundle, ppd_file_t* ppd) override;

    // The full initialisation (first run) or the refresh of values and
    // conflicts (later runs); 0, or the error that ended the first run.
    int SimulationOpenPDE();
    // Reads QVXFeaturesSettings into PrintFeaturesMode; whether the bundle has
    // an entry for that mode.
    bool GetCurrentProductType(const platform::Bundle* bundle);
    // Builds the pages and sections; 0, or kPDEErrorNothingToShow when no
    // group has a real option.
    int AddUserPaneControl(const platform::Bundle* bundle, ppd_file_t* ppd);
    // Fills the table from the PPD's constraints that name a keyword of
    // qvPPDKeywordList.
    void xSetxppd(XppdTable* table, ppd_file_t* ppd);

    // --- Queries of the controls and windows ---
    platform::ui::Widget* GetFeaturesGroupBox() const { return printFeatureGroupBox; }
    StaticTextEditControl* GetFeaturesSetSTextCtrl() const { return FeaturesSetSTextCtrl; }
    // A setup window from the bundle's layout resource, its texts from the
    // panel's localisation table; null when the layout cannot be loaded.
    std::unique_ptr<platform::ui::Window> LoadWindowLayout(std::string_view layoutName);
    PopupWinInPanel* getSepWnd() const { return SeparatorWndPtr; }
    PopupWinInPanel* getTabMarginWnd() const { return TabMarginWndPtr; }
    PopupWinInPanel* getBookletMarginWnd() const { return BookletMarginWndPtr; }
    PopupWinInPanel* getOffsetStackingPagesWnd() const { return OffsetStackingPagesWndPtr; }
    PopupWinInPanel* getOffsetStackingUnitsWnd() const { return OffsetStackingUnitsWndPtr; }
    PopupWinInPanel* getNumInSeqWnd() const { return NumberInSeqWndPtr; }
    bool getPrintTypeMailbox() const { return isPrintTypeSavetoMailbox; }
    FeatureKeyList getSavetoMailboxConstrainArray() const { return SavetoMailboxConstrainArray; }
    FeatureKeyList getSavetoMailboxConstrainandRestoreArray() const
    {
        return SavetoMailboxConstrainandRestoreArray;
    }
    bool IsSeparatorOff() const;
    bool IsTabMarginShift() const;
    bool IsBookletMarginShift() const;
    // The unit of the margin windows: 0 inches, 1 millimetres, -1 neither
    // (no window, or not one radio button chosen).
    int getTabMarginShiftValueDisplayStyle() const;
    int getBookletShiftValueDisplayStyle() const;
    bool IsNumberInSequence() const;
    bool IsOffsetStacking() const;
    int getOffsetStackingValue() const;
    bool IsJobTypeMailbox();
    // Measured width of the title plus 15; 0 for an option without a title.
    int GetListTitleLength(const std::optional<std::string>& title) const;

    const std::string& GetPrintFeaturesMode() const { return PrintFeaturesMode; }
    bool IsLayoutPanelExist() const { return isLayoutPanelExist; }
    const std::vector<std::string>& GetCoverSeparatorRealOptionKeyArray() const
    {
        return CoverSeparatorRealOptionKeyArray;
    }
    const std::vector<std::string>& GetLayoutOptionKeyArray() const { return LayoutOptionKeyArray; }

private:
    // The page builder's state while AddUserPaneControl runs.
    struct PaneBuild;

    // The panel's one constraint table, made on first use (filled from the
    // cache file when the PPD names one) and kept for the panel's life.
    XppdTable* ConstraintTable() const;
    // Shows the controls of the chosen page only.
    void ShowChosenPage();
    // Reads the print type of the job into isPrintTypeSavetoMailbox.
    void RefreshPrintTypeMailbox();
    // Loads the layout resource when the view is not loaded yet.
    bool LoadPanelView();
    std::string LocalizedText(const char* key) const;
    platform::ui::Toolkit* PanelToolkit() const;

    // Page building (KPRINTFEATURESPDEBuild.cpp).
    int CountRealOptions(const std::vector<const ppd_option_t*>& options, const PaneBuild& build) const;
    int AddPPDOptionToUserPane(const std::vector<const ppd_option_t*>& options, const std::string& title,
                               int group, bool general, PaneBuild& build);
    void AddGenericOptionControl(const ppd_option_t& option, int indexInPanel, int group, int totalWidth);
    // A title label and its width for the option, at the row.
    class PPDStaticTextCtrlExt* AddTitleLabel(const ppd_option_t& option, int indexInPanel, int group,
                                              int* titleWidth);

    // Sections (KPRINTFEATURESPDESections.cpp).
    void CreateCoversSepControl(int group);
    void CreateLayoutControl(int group);
    void CreateAdvancedFeaturesControl(int group);
    // A setup button on a layout outlet, at the row's position, tagged.
    BaseButton* AddSetupButton(std::unique_ptr<BaseButton> button, platform::ui::Widget* outlet,
                               const int32_t* controlID, int indexInPanel, int group);
    // Registers a Features window; null while the window does not exist.
    PopupWinInPanel* AddFeaturesWindow(const char* outletName, const char* titleKey);

    void AppendKeyword(std::string_view keyword);

    // Interface outlets.
    platform::ui::View* PrintFeaturesView = nullptr;
    platform::ui::Widget* FeaturesSetSText = nullptr;
    platform::ui::Widget* printFeatureGroupList = nullptr;
    platform::ui::Widget* printFeatureGroupBox = nullptr;
    platform::ui::Widget* pfPopupButtonTitle = nullptr;
    platform::ui::Widget* pfSeparatorSetupButton = nullptr;
    platform::ui::Widget* pfTabMarginSetupButton = nullptr;
    platform::ui::Widget* pfBookletMarginSetupButton = nullptr;
    platform::ui::Widget* pfOffsetStackingSetupButton = nullptr;
    platform::ui::Widget* pfNumInSeqSetupButton = nullptr;

    // Controls made at run time (owned by the panel model's lists).
    StaticTextEditControl* FeaturesSetSTextCtrl = nullptr;
    PFGroupList* printFeatureGroupListCtrl = nullptr;
    PFListExt* pfSeparatorListCtrlPtr = nullptr;
    BaseButton* pfSeparatorSetupBtnCtrlPtr = nullptr;
    PFCheckBoxExt* pfTabMarginCheckBoxPtr = nullptr;
    BaseButton* pfTabMarginSetupBtnCtrlPtr = nullptr;
    PFNonPPDCheckBox* pfBookletMarginCheckBoxPtr = nullptr;
    BaseButton* pfBookletMarginSetupBtnCtrlPtr = nullptr;
    PFCheckBoxExt* pfNumInSequenceCheckBoxPtr = nullptr;
    BaseButton* pfNumInSequenceSetupBtnCtrlPtr = nullptr;
    PFOffsetStackingListCtrl* pOffsetStackingListCtrlPtr = nullptr;
    BaseButton* pfOffsetStackingSetupButtonPtr = nullptr;

    // Windows (owned by the panel model's list); null until they exist.
    PopupWinInPanel* SeparatorWndPtr = nullptr;
    PopupWinInPanel* TabMarginWndPtr = nullptr;
    PopupWinInPanel* BookletMarginWndPtr = nullptr;
    PopupWinInPanel* OffsetStackingPagesWndPtr = nullptr;
    PopupWinInPanel* OffsetStackingUnitsWndPtr = nullptr;
    PopupWinInPanel* NumberInSeqWndPtr = nullptr;

    // Key tables in use.
    FeatureKeyList coversSeparatorKeyArray;
    std::vector<std::string> CoverSeparatorRealOptionKeyArray;
    FeatureKeyList layoutKeyArray;
    std::vector<std::string> LayoutOptionKeyArray;
    FeatureKeyList SavetoMailboxConstrainArray;
    FeatureKeyList SavetoMailboxConstrainandRestoreArray;

    // State.
    std::string PrintFeaturesMode;
    mutable std::string currentProductMode;
    bool isLayoutPanelExist = false;
    bool isPrintTypeSavetoMailbox = false;
    AppIdentity appIdentity;
    mutable std::optional<std::string> cachedPanelName;

    // The layout loaded before CreatePanel takes it.
    std::unique_ptr<platform::ui::View> loadedView_;
    // The one constraint table of this panel (see ConstraintTable).
    mutable std::unique_ptr<XppdTable> constraintTable_;
    // The result of the first full initialisation, answered by later runs.
    int initResult_ = 0;
    bool helpBookRegistered_ = false;
};

// The process-wide list of the option keywords the Features panels made
// controls for; the constraint table built from a PPD takes the constraints
// that name one of them. It only grows.
std::vector<std::string>& qvPPDKeywordList();
