// The base of every control a panel shows: it pairs one widget (whose tag is
// the control ID) with a small value block and moves that value between the
// screen, the block, the per-printer preferences and the job's print settings
// (the ticket). It also carries the counted enable/hide rules and the
// table-driven disable, hide and update lists by which one control's value
// governs other controls of its panel.
//
// The framework is compiled twice: once for the Features extension
// (QV_PANELKIT_FEATURES=1, library panelkit) and once for the Account
// extension (library panelkit_account). Only the Features build has
// InvalidateDataOnPrintCommand and IsOutputNullToTicket, so in the Account
// build no ticket write substitutes an empty value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <cups/ppd.h>

#include "constraints/PpdChoiceRow.h"
#include "panelkit/control/ControlRecords.h"
#include "panelkit/control/DataBlock.h"
#include "platform/Bundle.h"
#include "platform/PreferenceStore.h"
#include "platform/PrintSettings.h"
#include "platform/ui/Widget.h"
#include "platform/ui/WidgetOwner.h"

#ifndef QV_PANELKIT_FEATURES
#define QV_PANELKIT_FEATURES 0
#endif

class BasePrintPanel;
class BaseControl;

// The summary a panel builds: title to value text, and the titles' order.
using SummaryDictionary = std::map<std::string, std::string>;
using SummaryOrder = std::vector<std::string>;

// Controls whose values are written ciphered (compared by tag).
using EncryptArray = std::vector<const BaseControl*>;

// Size of the text blocks and of the preference and ticket buffers.
inline constexpr std::size_t kTextBlockSize = 256;
inline constexpr std::size_t kPreferenceBufferSize = 255;
inline constexpr std::size_t kValueEscapeBufferSize = 1024;

class BaseControl : public platform::ui::WidgetOwner {
public:
    BaseControl() = default;
    BaseControl(const BaseControl&) = delete;
    BaseControl& operator=(const BaseControl&) = delete;
    // dealloc; also detaches the widget from this control.
    virtual ~BaseControl();

    // --- Creation and set-up ---
    virtual bool CreateControl(platform::ui::Widget* control);
    void SetControlPtr(platform::ui::Widget* control);
    virtual int Open() { return 0; }
    virtual int Close() { return 0; }
    void SetParenetPanel(BasePrintPanel* panel) { ctrlParentPanelPtr = panel; }
    BasePrintPanel* GetParentPanel() const { return ctrlParentPanelPtr; }
    // The widget's action becomes RequestControlAction.
    void setTargetandAction();
    virtual bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd);
    virtual bool ReInitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd);
    virtual int ConstrainPanelControlFromPPD(ppd_file_t* /*ppd*/) { return 0; }
    virtual int UpdateConflictsPanelControlFromPPD(ppd_file_t* /*ppd*/) { return 0; }

    // --- Values ---
    // The UI data block after reading the screen; null when nothing was read.
    virtual const unsigned char* GetValueFromUI() { return nullptr; }
    virtual bool GetValueToPreset() { return false; }
    virtual const unsigned char* GetValueFromControl() { return nullptr; }
    virtual bool InvalidateData() { return true; }
    virtual bool InvalidateDataAndReturnError() { return true; }
    virtual bool InvalidateDataOnCancel() { return true; }
    virtual bool PreInvalidateData() { return true; }
    virtual bool PreInvalidateDataOnCancel() { return true; }
#if QV_PANELKIT_FEATURES
    virtual bool InvalidateDataOnPrintCommand();
#endif
    virtual bool SetValueFromUIToControl();
    virtual bool SetControlValueToUI() { return true; }
    virtual bool SetUIValueToIniData();
    virtual bool SetControlValueToDefault();
    // Whether a restored value is one of this control's own (a check box's
    // 0 and 1, a stepper's range, a pop-up's items). A restored value that is
    // not becomes the default: the restore answers NO and the panel sends
    // SetControlValueToDefault. The base accepts every value.
    virtual bool IsOwnValue(int32_t /*value*/) const { return true; }

    // --- Preference and ticket forms (buffers are zero-filled by the caller) ---
    virtual bool ConvertToPreferenceString(std::span<char> /*buffer*/) { return true; }
    virtual bool ConvertFromPreferenceString(const char* /*string*/) { return true; }
    virtual bool ConvertToTickectData(std::span<char> /*buffer*/) { return true; }

    // --- Preferences ---
    bool SaveToCacheForKey(std::string_view key, std::string_view value, platform::PreferenceUser user);
    std::optional<std::string> RestoreFromCacheForKey(std::string_view key, platform::PreferenceUser user);
    virtual bool SetValueToPreference();
    virtual bool GetValueFromPreference();
    virtual bool SetValueToPreferenceWithPrinterSettings();
    virtual bool GetValueFromPreferenceWithPrinterSettings();

    // --- Ticket ---
    // Ciphered when a control of the array has this control's tag.
    bool SetValueToTicket(platform::PrintSettings* settings, bool lock, const EncryptArray* encryptArray);
    virtual bool SetValueToTicketWithKVTEnc(platform::PrintSettings* settings, bool lock);
    virtual bool SetValueToTicket(platform::PrintSettings* settings, bool lock);
#if QV_PANELKIT_FEATURES
    virtual bool IsOutputNullToTicket() { return false; }
#endif

    virtual int GetSummaryText(SummaryDictionary& /*summary*/, SummaryOrder& /*order*/) { return 0; }

    // --- Events and constraint rules ---
    virtual bool UIEventHandler();
    virtual bool SimulationUIEventHandler();
    virtual int DoControlConstrain() { return 0; }
    virtual int DoControlHideConstrain() { return 0; }
    virtual int DoSelfUpdate() { return 0; }
    virtual int DoControlUpdateConstrain();
    void HideControlConstrains(CnstrnArray list);
    void EnableControlConstrains(CnstrnArray list);
    void ShowControlConstrains(CnstrnArray list);
    void DisableControlConstrains(CnstrnArray list);
    void HideControlConstrains();
    void ShowControlConstrains();
    void DisableControlConstrains();
    void EnableControlConstrains();
    virtual void ResetStatus();
    virtual bool SetControlData(const void* /*data*/) { return true; }
    virtual bool SetExternalValueToUI(const void* /*bytes*/, std::size_t /*size*/) { return true; }
    // Type 2: the first 32-bit word becomes the integer; type 0: text, at
    // most size - 1 bytes, cut on a character boundary; others: nothing.
    virtual bool setExternalValueToData(const void* bytes, std::size_t size, int valueType);
    bool SetDefaultValueToUI();
    virtual const void* GetDefaultDataBlk() { return nullptr; }
    virtual uint32_t GetDefaultDataSize() { return 0; }
    virtual const void* GetIniDataBlk() { return nullptr; }
    virtual uint32_t GetIniDataSize() { return 0; }
    unsigned char* GetControlBlkPtr() { return ctrlDataBlkPtr.data(); }
    void setDataBlkSize(uint32_t size) { ctrlDataSize = size; }
    uint32_t GetDataBlkSize() const { return ctrlDataSize; }

    // Counted enable and hide.
    virtual void Enable();
    virtual void Disable();
    virtual void Show();
    virtual void Hide();
    virtual void PPDCtrlShow();
    virtual void PPDCtrlHide();
    virtual int Update() { return 0; }
    virtual int GetCurrentControlArrayNumber() { return 0; }

    // The widget's action.
    void RequestControlAction(platform::ui::Widget* sender);
    platform::ui::Widget* GetControlPtr() const { return ControlPtr; }
    unsigned char* GetValueFromUIDataBlk() { return ctrlUIDataBlkPtr.data(); }
    int32_t GetConstrainCount() const { return ctrlConstrainCount; }
    int32_t GetHideCount() const { return ctrlHideCount; }
    int32_t GetInWhichGroup() const { return ctrlInWhichGroup; }
    void SetInWhichGroup(int32_t group) { ctrlInWhichGroup = group; }
    const CtrlAccessInfo* GetAccessInfo() const { return ctrlDataAccessInfoPtr; }

    PpdChoiceList* getPPDChoices() const { return m_paPPDChoices; }
    void setPPDChoices(PpdChoiceList* choices) { m_paPPDChoices = choices; }
    ppd_option_t* getPPDOptions() const { return m_ptPPDOptions; }
    void setPPDOptions(ppd_option_t* option) { m_ptPPDOptions = option; }

    // --- What the widget tells the host ---
    // The class name without the bundle's prefix ("CheckBox", "PFWndOKButton").
    std::string_view ControlClassName() const override = 0;
    std::optional<std::string> ControlPPDKeyword() const override;
    int ControlGroup() const override { return ctrlInWhichGroup; }
    // The data block as an integer (4-byte blocks) or text; nothing before
    // the blocks exist.
    platform::ui::StoredValue ControlStoredValue() const override;

protected:
    // The preference key: the parent panel's printer ID followed by prefKey.
    std::optional<std::string> PreferenceKey() const;
    // The localised string of the key in the control's table, "no translation" when absent.
    std::string LocalizedString(const platform::Bundle* bundle, const char* key) const;
    // Stores a restored integer (preference, preset, print settings) into the
    // data block when IsOwnValue accepts it; NO otherwise, so that the panel
    // falls back to the default.
    bool StoreRestoredInt(int32_t value);
    // GetValueToPreset of the integer controls: the ticketKey's value in the
    // parent panel's print settings, read as an integer (intValue: leading
    // blanks, a sign, digits) and stored through StoreRestoredInt.
    bool GetIntValueToPresetFromTicket();
    // That integer, not stored; nothing without a key, a panel, settings,
    // the key's value or a number in it.
    std::optional<int32_t> IntValueFromTicket() const;

    platform::ui::Widget* ControlPtr = nullptr;
    int32_t ctrlInWhichGroup = -1;
    BasePrintPanel* ctrlParentPanelPtr = nullptr;
    uint32_t ctrlDataSize = 0;
    DataBlock ctrlDataBlkPtr;
    DataBlock ctrlUIDataBlkPtr;
    int32_t ctrlConstrainCount = 0;
    int32_t ctrlHideCount = 0;
    const CnstrnInfo* ctrlConstrainControlArray = nullptr;
    const CtrlAccessInfo* ctrlDataAccessInfoPtr = nullptr;
    // kCFPreferencesCurrentUser or kCFPreferencesAnyUser; nothing when not given.
    std::optional<platform::PreferenceUser> userNameinPreference;
    PpdChoiceList* m_paPPDChoices = nullptr;
    ppd_option_t* m_ptPPDOptions = nullptr;
    std::string localizeTableName;
};

// "no translation": the text a missing localisation gives.
inline constexpr const char* kNoTranslation = "no translation";
