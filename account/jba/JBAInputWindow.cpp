#include "account/jba/JBAInputWindow.h"

#include "account/jba/JBAButtons.h"
#include "account/jba/JBAControlIDs.h"
#include "account/jba/JBAFieldRecords.h"
#include "account/jba/JBATextFields.h"
#include "account/jba/KJOBACCOUNTINGPDE.h"
#include "panelkit/controls/StaticTextEditControl.h"

JBAInputWindow::JBAInputWindow(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                               KJOBACCOUNTINGPDE* pane, EncryptArray& kvtControlIDArray,
                               CnstrnArray resetList)
    : PopupWinInPanel(std::move(window), std::move(theWinTitleStr)), pane_(pane),
      kvtControlIDArray_(kvtControlIDArray), resetList_(resetList)
{}

platform::ui::Widget* JBAInputWindow::Outlet(const char* name, int32_t tag) const
{
    platform::ui::Widget* widget =
        GetPanelView() != nullptr ? GetPanelView()->widgetForOutlet(name) : nullptr;
    if (widget != nullptr && tag != 0) widget->setTag(tag);
    return widget;
}

void JBAInputWindow::CreateWindowControls()
{
    // The window's values are the person's own, whoever they are.
    const platform::PreferenceUser user = platform::PreferenceUser::Current;
    for (const auto& [outlet, tag, key] :
         {std::tuple{"UserIDTitle", JBAInputUserIDLabelID, "User ID text"},
          std::tuple{"PasswordTitle", JBAInputPasswordLabelID, "User ID Password text"}}) {
        auto label = std::make_unique<StaticTextEditControl>();
        label->CreateControl(Outlet(outlet, tag), &JBAStaticTextIniData, nullptr, nullptr, std::nullopt,
                             nullptr, key);
        RunTimeAddNewControl(std::move(label));
    }
    auto userID = std::make_unique<JBAInputWndTextEditCtrlExt>();
    userID->CreateControl(Outlet("UserID", JBAInputUserIDID), &JBAUserIDIniData,
                          &JBAInputUserIDCtrlAccessInfo, user, &JBAUserIDFilterData,
                          {"User ID", false, true});
    RunTimeAddNewControl(std::move(userID));

    auto password = std::make_unique<JBAInputWndTextEditCtrl>();
    password->CreateControl(Outlet("Password", JBAInputPasswordID), &JBAPasswordIniData,
                            &JBAInputPasswordCtrlAccessInfo, user, &JBAPasswordFilterData,
                            {"User ID Password", true, true});
    BaseControl* passwordPtr = password.get();
    RunTimeAddNewControl(std::move(password));

    auto storage = std::make_unique<JBAInputWndTextEditCtrl>();
    storage->CreateControl(Outlet("StoragePassword", JBAInputStoragePasswordID), &JBAStoragePasswordIniData,
                           &JBAInputStoragePasswordCtrlAccessInfo, user, &JBAStoragePasswordFilterData,
                           {nullptr, true, true});
    BaseControl* storagePtr = storage.get();
    RunTimeAddNewControl(std::move(storage));

    auto help = std::make_unique<JBAWndHelpButton>();
    help->CreateControl(Outlet("HelpButton", JBAInputHelpButtonID), "EnterUD.htm");
    RunTimeAddNewControl(std::move(help));
    auto ok = std::make_unique<JBAInputWndButton>();
    ok->CreateControl(Outlet("OKButton", JBAInputOKButtonID), "JBA Input OK Btn", this, true);
    RunTimeAddNewControl(std::move(ok));
    auto cancel = std::make_unique<JBAInputWndButton>();
    cancel->CreateControl(Outlet("CancelButton", JBAInputCancelButtonID), "JBA Input CANCEL Btn", this,
                          false);
    RunTimeAddNewControl(std::move(cancel));

    kvtControlIDArray_.push_back(passwordPtr);
    kvtControlIDArray_.push_back(storagePtr);
}

void JBAInputWindow::SetControlDataToDefault()
{
    if (resetList_ == nullptr) return;
    for (CnstrnArray entry = resetList_; *entry != nullptr; ++entry) {
        if (auto* field = dynamic_cast<JBATextField*>(GetPanelControl(*entry))) field->ClearValue();
    }
}

void JBAInputWindow::ActivateWindow()
{
    platform::ui::Window* window = GetWindow();
    if (window == nullptr) return;
    RefreshKeptWindow();
    SetControlDataToDefault();
    SetCurrentValueToUI();
    window->runModal();
}

void JBAInputWindow::OKButtonPressed()
{
    SycValueFromUI();
    for (BaseControl* control : fCtrlGroupArray) {
        if (!control->PreInvalidateData() || !control->InvalidateData()) return;
    }
    if (pane_ != nullptr) pane_->setJobStatus(kJBAJobStatusPrint);
    SetValueFromUIToControl();
    DeactivateWindow();
}

void JBAInputWindow::CancelButtonPressed()
{
    if (pane_ != nullptr) pane_->setJobStatus(kJBAJobStatusCancel);
    DeactivateWindow();
}
