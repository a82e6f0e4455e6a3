#include "account/jba/JBASettingsWindow.h"

#include "account/jba/JBAButtons.h"
#include "account/jba/JBAListCtrl.h"
#include "account/jba/JBATextFields.h"
#include "account/jba/JBAWndControls.h"
#include "account/jba/KJOBACCOUNTINGPDE.h"
#include "panelkit/controls/StaticTextEditControl.h"

JBASettingsWindow::JBASettingsWindow(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                                     KJOBACCOUNTINGPDE* pane, int32_t modeIndex, const JBASettingsIDs& ids,
                                     const JBASettingsAccess& access, const JBASettingsRules& rules,
                                     platform::PreferenceUser user, EncryptArray& kvtControlIDArray)
    : PopupWinInPanel(std::move(window), std::move(theWinTitleStr)), pane_(pane), modeIndex_(modeIndex),
      ids_(ids), access_(access), rules_(rules), user_(user), kvtControlIDArray_(kvtControlIDArray)
{
    fieldsToCheck_[0] = &ids_.userID;
    fieldsToCheck_[1] = &ids_.password;
}

JBASettingsWindow::~JBASettingsWindow() = default;

JBAInfoAdminWnd::JBAInfoAdminWnd(std::unique_ptr<platform::ui::Window> window, KJOBACCOUNTINGPDE* pane,
                                 EncryptArray& kvtControlIDArray)
    : JBASettingsWindow(std::move(window), "Admin Window Title String", pane, 0, JBAAdminWndIDs,
                        JBAAdminSettingsAccess, JBAAdminWndRules, platform::PreferenceUser::Any,
                        kvtControlIDArray)
{}

JBAInfoWnd::JBAInfoWnd(std::unique_ptr<platform::ui::Window> window, KJOBACCOUNTINGPDE* pane,
                       EncryptArray& kvtControlIDArray)
    : JBASettingsWindow(std::move(window), "User Window Title String", pane, 1, JBAUserWndIDs,
                        JBAUserSettingsAccess, JBAUserWndRules, platform::PreferenceUser::Current,
                        kvtControlIDArray)
{}

platform::ui::Widget* JBASettingsWindow::Outlet(const char* name, int32_t tag) const
{
    platform::ui::Widget* widget =
        GetPanelView() != nullptr ? GetPanelView()->widgetForOutlet(name) : nullptr;
    if (widget != nullptr) widget->setTag(tag);
    return widget;
}

void JBASettingsWindow::AddLabel(const char* outlet, int32_t tag, const char* textKey)
{
    auto label = std::make_unique<StaticTextEditControl>();
    label->CreateControl(Outlet(outlet, tag), &JBAStaticTextIniData, nullptr, nullptr, std::nullopt, nullptr,
                         textKey);
    RunTimeAddNewControl(std::move(label));
}

void JBASettingsWindow::CreateWindowControls()
{
    auto jobInfo = std::make_unique<JBAWndRadioButton>(Outlet("JobInfoRadio", ids_.jobInfoRadio),
                                                       &JBAJobInfoRadioIniData, &rules_.jobInfoRadio,
                                                       &access_.jobInfoRadio, user_, nullptr);
    jobInfoRadio_ = jobInfo.get();
    RunTimeAddNewControl(std::move(jobInfo));

    AddLabel("UserIDListTitle", ids_.listLabel, "JBA Specify Name text");
    auto list = std::make_unique<JBAWndListCtrl>();
    list->CreateControl(Outlet("UserIDList", ids_.userIDList), &JBAUserIDListIniData, &rules_.userIDList,
                        &access_.userIDList, user_, &ids_.password);
    userIDList_ = list.get();
    RunTimeAddNewControl(std::move(list));

    AddLabel("UserIDTitle", ids_.userIDLabel, "User ID text");
    auto userID = std::make_unique<JBAWndUserIDTextEditCtrl>();
    userID->CreateControl(Outlet("UserID", ids_.userID), &JBAUserIDIniData, &access_.userID, user_,
                          &JBAUserIDFilterData, {"User ID", false, false});
    userID_ = userID.get();
    RunTimeAddNewControl(std::move(userID));

    auto login = std::make_unique<JBAWndLoginTECtrl>();
    login->CreateControl(Outlet("LoginName", ids_.loginName), &JBALoginNameIniData, &access_.loginName, user_,
                         &JBALoginNameFilterData, {"User ID", false, false});
    loginName_ = login.get();
    RunTimeAddNewControl(std::move(login));

    AddLabel("PasswordTitle", ids_.passwordLabel, "User ID Password text");
    auto password = std::make_unique<JBAWndTextEditCtrlExtPwd>();
    password->CreateControl(Outlet("Password", ids_.password), &JBAPasswordIniData, &access_.password, user_,
                            &JBAPasswordFilterData, {"User ID Password", true, false});
    password_ = password.get();
    RunTimeAddNewControl(std::move(password));

    auto input =
        std::make_unique<JBAWndRadioButton>(Outlet("InputRadio", ids_.inputRadio), &JBAInputRadioIniData,
                                            &rules_.inputRadio, &access_.inputRadio, user_, fieldsToCheck_);
    inputRadio_ = input.get();
    RunTimeAddNewControl(std::move(input));
    AddLabel("AccountIDTitle", ids_.accountIDLabel, "Account ID text");

    radioGroup_.RunTimeAddNewControl(jobInfoRadio_);
    radioGroup_.RunTimeAddNewControl(inputRadio_);

    auto help = std::make_unique<JBAWndHelpButton>();
    help->CreateControl(Outlet("HelpButton", ids_.help), "DetailedUS.htm");
    RunTimeAddNewControl(std::move(help));
    auto restore = std::make_unique<JBAWndButton>();
    restore->CreateControl(Outlet("RestoreButton", ids_.restore), "JBA Info RESTORE Btn", this,
                           JBAWndButton::Role::Restore);
    RunTimeAddNewControl(std::move(restore));
    auto ok = std::make_unique<JBAWndButton>();
    ok->CreateControl(Outlet("OKButton", ids_.ok), "JBA Info OK Btn", this, JBAWndButton::Role::OK);
    RunTimeAddNewControl(std::move(ok));
    auto cancel = std::make_unique<JBAWndButton>();
    cancel->CreateControl(Outlet("CancelButton", ids_.cancel), "JBA Info CANCEL Btn", this,
                          JBAWndButton::Role::Cancel);
    RunTimeAddNewControl(std::move(cancel));

    kvtControlIDArray_.push_back(password_);
}

void JBASettingsWindow::ActivateWindow()
{
    platform::ui::Window* window = GetWindow();
    if (window == nullptr) return;
    RefreshKeptWindow();
    SetCurrentValueToUI();
    if (modeIndex_ == 0 && pane_ != nullptr) {
        if (JBAListCtrl* list = pane_->getjobAcctTypeListCtrlPtr()) list->ApplyRestriction();
    }
    window->runModal();
}

bool JBASettingsWindow::getbEnterUserDetails() const { return inputRadio_ != nullptr && inputRadio_->IsOn(); }

bool JBASettingsWindow::getbUseLoginNameSelect() const
{
    return userIDList_ != nullptr && userIDList_->IsLoginNameSource();
}

int JBASettingsWindow::GetSummaryText(SummaryDictionary& summary, SummaryOrder& order)
{
    if (pane_ == nullptr || pane_->getAccountMode() != modeIndex_) return 0;
    for (BaseControl* radio :
         {static_cast<BaseControl*>(jobInfoRadio_), static_cast<BaseControl*>(inputRadio_)})
        if (radio != nullptr) radio->GetSummaryText(summary, order);
    if (getbEnterUserDetails()) return 0;
    if (userIDList_ != nullptr) userIDList_->GetSummaryText(summary, order);
    BaseControl* name = getbUseLoginNameSelect() ? loginName_ : userID_;
    if (name != nullptr) name->GetSummaryText(summary, order);
    if (password_ != nullptr) password_->GetSummaryText(summary, order);
    return 0;
}

void JBASettingsWindow::OKButtonPressed()
{
    const int32_t mode = pane_ != nullptr ? pane_->getAccountMode() : -1;
    if (mode == 0 || mode == 1) {
        SycValueFromUI();
        for (BaseControl* control : fCtrlGroupArray) {
            // The refusing control has shown its message and taken the focus.
            if (!control->InvalidateData()) return;
        }
        SetValueFromUIToControl();
    }
    DeactivateWindow();
}

void JBASettingsWindow::CancelButtonPressed() { DeactivateWindow(); }

void JBASettingsWindow::RestoreButtonPressed() { SetDefaultValueToUI(); }
