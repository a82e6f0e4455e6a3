#include "account/printtype/SecurePrintWindow.h"

#include "account/printtype/KPRINTTYPEPDE.h"
#include "account/printtype/PTPWStaticTextEditControl.h"
#include "account/printtype/PTPWTextEditCtrl.h"
#include "account/printtype/PrintTypeFieldRecords.h"
#include "panelkit/CurrentPrintType.h"

namespace {

const int32_t SecureUserIDEditID = 1022;
const int32_t SecureDocumentListID = 1024;
const int32_t SecureDocumentNameEditID = 1025;
const int32_t SecurePasscodeEditID = 1026;
const int32_t SecureUserIDTitleID = 2022;
const int32_t SecureDocumentListTitleID = 2024;
const int32_t SecureDocumentNameTitleID = 2025;
const int32_t SecurePasscodeTitleID = 2026;

// Document name taken from the job (1): the name field and its title are disabled.
const int32_t* const SecureDocumentAutoDisableList[] = {&SecureDocumentNameEditID, &SecureDocumentNameTitleID,
                                                        nullptr};
const CnstrnArray SecureDocumentListDisableTable[] = {SecureDocumentAutoDisableList, nullptr};
const CnstrnInfo SecureDocumentListCnstrnInfo = {SecureDocumentListDisableTable, {}, {}, {}};

} // namespace

SecurePrintWindow::SecurePrintWindow(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                                     KPRINTTYPEPDE* pane, EncryptArray& kvtControlIDArray)
    : PrintTypeDetailsWindow(std::move(window), std::move(theWinTitleStr), pane, kPrintTypeSecure),
      kvtControlIDArray_(kvtControlIDArray)
{}

void SecurePrintWindow::CreateWindowControls()
{
    AddLabel("UserIDTitle", SecureUserIDTitleID, "Print Type User Name Text");
    AddUserIDField("UserID", SecureUserIDEditID);

    auto passcode = std::make_unique<PTPWTextEditCtrl>();
    passcode->CreateControl(Outlet("Passcode", SecurePasscodeEditID), &PTPasscodeIniData,
                            &PTPasscodeCtrlAccessInfo, &PTPasscodeFilterData, "Password", nullptr);
    passcode_ = passcode.get();
    RunTimeAddNewControl(std::move(passcode));

    auto label = std::make_unique<PTPWStaticTextEditControl>();
    label->CreateControl(Outlet("PasscodeTitle", SecurePasscodeTitleID), &PTStaticTextIniData, nullptr,
                         nullptr, std::nullopt, nullptr, "Password Text");
    RunTimeAddNewControl(std::move(label));

    CreateDocumentNameControls(SecureDocumentListTitleID, SecureDocumentNameTitleID, SecureDocumentListID,
                               SecureDocumentNameEditID, &SecureDocumentListCnstrnInfo);
    kvtControlIDArray_.push_back(passcode_);
}
