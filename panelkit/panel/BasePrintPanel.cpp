// BasePrintPanel: creation, ownership, the lists and the lookups. The
// lifecycle broadcasts are in BasePrintPanelBroadcast.cpp.
#include "panelkit/panel/BasePrintPanel.h"

#include <algorithm>

#include "panelkit/UtilityFunction.h"
#include "panelkit/panel/PopupWinInPanel.h"

// Owned controls and windows are released by their unique_ptrs after the
// lists are gone, and the views after the controls whose widgets they hold
// (the member order sees to both); terminate only empties the lists, so each
// object is released exactly once whether terminate ran or not.
BasePrintPanel::BasePrintPanel() = default;
BasePrintPanel::~BasePrintPanel() = default;

bool BasePrintPanel::initWithCallback(platform::PrintDialogHost* callback)
{
    m_pPDECallbackObj = callback;
    m_ptCurrentPPD = callback != nullptr ? callback->ppdFile() : nullptr;
    thePDEName.clear();
    int32_t version = 0;
    Gestalt_ALT(gestaltSystemVersion, &version);
    osVersion = static_cast<uint32_t>(version);
    return true;
}

namespace {

template <typename T>
void ClearAndShrink(std::vector<T>& list)
{
    list.clear();
    list.shrink_to_fit();
}

} // namespace

bool BasePrintPanel::CreatePanel(std::unique_ptr<platform::ui::View> view)
{
    ClearAndShrink(fCtrlGroupArray);
    ClearAndShrink(fCtrlInstallableGroupArray);
    ClearAndShrink(fWindowGroupArray);
    AllGroupNameStrArray.clear();
    GeneralGroupOptionArray.clear();
    listsExist_ = true;
    if (view != nullptr) ownedView_ = std::move(view);
    windowRef = ownedView_.get();
    pParentPane = nullptr;
    pdeBundleRef = nullptr;
    currentPrintString.clear();
    currentPrintSession = nullptr;
    m_pSettings = nullptr;
    isRegistPrintEvent = false;
    return true;
}

bool BasePrintPanel::CreatePanel(std::unique_ptr<platform::ui::Window> window)
{
    if (window != nullptr) ownedWindow_ = std::move(window);
    BasePrintPanel::CreatePanel(std::unique_ptr<platform::ui::View>());
    windowRef = ownedWindow_ != nullptr ? &ownedWindow_->contentView() : nullptr;
    return true;
}

void BasePrintPanel::terminate()
{
    ClearAndShrink(fCtrlGroupArray);
    ClearAndShrink(fCtrlInstallableGroupArray);
    ClearAndShrink(fWindowGroupArray);
    listsExist_ = false;
    currentPrintString.clear();
}

bool BasePrintPanel::SetCurrentPrinterString(platform::PrintSession* session)
{
    currentPrintSession = session;
    currentPrintString.clear();
    if (SetPrinterString(session, &currentPrintString) != 0) return false;
    for (PopupWinInPanel* window : fWindowGroupArray) {
        if (!window->SetCurrentPrinterString(session)) return false;
    }
    return true;
}

bool BasePrintPanel::SetCurrentPrintSettings(platform::PrintSettings* settings, ppd_file_t* ppd,
                                             platform::PrintDialogHost* callback,
                                             platform::PrintSession* session)
{
    m_pSettings = settings;
    m_ptCurrentPPD = ppd;
    m_pPDECallbackObj = callback;
    currentPrintString.clear();
    if (SetPrinterString(session, &currentPrintString) != 0) return false;
    for (PopupWinInPanel* window : fWindowGroupArray) {
        if (!window->SetCurrentPrintSettings(settings, ppd, callback, session)) return false;
    }
    return true;
}

BaseControl* BasePrintPanel::GetPanelControl(const int32_t* controlID) const
{
    if (controlID == nullptr) return nullptr;
    const int tag = *controlID;
    const auto hasTag = [tag](const BaseControl* control) {
        return control->GetControlPtr() != nullptr && control->GetControlPtr()->tag() == tag;
    };
    for (const std::vector<BaseControl*>* list : {&fCtrlGroupArray, &fCtrlInstallableGroupArray}) {
        const auto found = std::find_if(list->begin(), list->end(), hasTag);
        if (found != list->end()) return *found;
    }
    for (const PopupWinInPanel* window : fWindowGroupArray) {
        if (BaseControl* control = window->GetPanelControl(controlID)) return control;
    }
    return nullptr;
}

namespace {

// Appends to a list and answers the index the object got (the count before).
template <typename T>
int Append(std::vector<T*>& list, T* object)
{
    const auto index = static_cast<int>(list.size());
    list.push_back(object);
    return index;
}

} // namespace

int BasePrintPanel::RunTimeAddNewControl(std::unique_ptr<BaseControl> control)
{
    if (control == nullptr) return -1;
    // The panel keeps what it was given even when it has no list to put it
    // in, so a pointer the caller kept stays good until the panel goes.
    BaseControl* listed = ownedControls_.emplace_back(std::move(control)).get();
    return RunTimeAddNewControl(listed);
}

int BasePrintPanel::RunTimeAddNewControl(BaseControl* control)
{
    if (!listsExist_ || !Owns(control)) return -1;
    control->SetParenetPanel(this);
    return Append(fCtrlGroupArray, control);
}

int BasePrintPanel::RunTimeAddNewInstallableControl(std::unique_ptr<BaseControl> control)
{
    if (control == nullptr) return -1;
    BaseControl* listed = ownedControls_.emplace_back(std::move(control)).get();
    return RunTimeAddNewInstallableControl(listed);
}

int BasePrintPanel::RunTimeAddNewInstallableControl(BaseControl* control)
{
    if (!listsExist_ || !Owns(control)) return -1;
    control->SetParenetPanel(this);
    return Append(fCtrlInstallableGroupArray, control);
}

int BasePrintPanel::RunTimeAddNewWindow(std::unique_ptr<PopupWinInPanel> window)
{
    if (window == nullptr) return -1;
    PopupWinInPanel* listed = ownedWindows_.emplace_back(std::move(window)).get();
    if (!listsExist_) return -1;
    listed->SetParenetPane(this);
    return Append(fWindowGroupArray, listed);
}

bool BasePrintPanel::Owns(const BaseControl* control) const
{
    if (control == nullptr) return false;
    return std::any_of(
        ownedControls_.begin(), ownedControls_.end(),
        [control](const std::unique_ptr<BaseControl>& owned) { return owned.get() == control; });
}

ppd_file_t* BasePrintPanel::GetPPDRefFromCurrentPrintSession() const
{
    if (currentPrintSession == nullptr || m_pPDECallbackObj == nullptr) return nullptr;
    return m_pPDECallbackObj->ppdFile();
}

void BasePrintPanel::SetxppdPtr(XppdTable* table)
{
    xppd = table;
    for (PopupWinInPanel* window : fWindowGroupArray) window->SetxppdPtr(table);
}

platform::HostServices* BasePrintPanel::GetHostServices() const
{
    if (pParentPane != nullptr) return pParentPane->GetHostServices();
    return m_pPDECallbackObj != nullptr ? &m_pPDECallbackObj->hostServices() : nullptr;
}

platform::PreferenceStore& BasePrintPanel::GetPreferenceStore()
{
    if (pParentPane != nullptr) return pParentPane->GetPreferenceStore();
    if (preferenceStore_ == nullptr) preferenceStore_ = std::make_unique<platform::PreferenceStore>();
    return *preferenceStore_;
}
