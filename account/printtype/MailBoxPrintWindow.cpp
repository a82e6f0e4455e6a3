#include "account/printtype/MailBoxPrintWindow.h"

#include "account/printtype/PTMBNTextEditCtrl.h"
#include "account/printtype/PTMBNTextEditCtrlExt.h"
#include "account/printtype/PrintTypeFieldRecords.h"
#include "panelkit/CurrentPrintType.h"

namespace {

const int32_t MailBoxNumberEditID = 1041;
const int32_t MailBoxPasscodeEditID = 1042;
const int32_t MailBoxDocumentListID = 1044;
const int32_t MailBoxDocumentNameEditID = 1045;
const int32_t MailBoxNumberTitleID = 2041;
const int32_t MailBoxPasscodeTitleID = 2042;
const int32_t MailBoxDocumentListTitleID = 2044;
const int32_t MailBoxDocumentNameTitleID = 2045;

const int32_t* const MailBoxDocumentAutoDisableList[] = {&MailBoxDocumentNameEditID,
                                                         &MailBoxDocumentNameTitleID, nullptr};
const CnstrnArray MailBoxDocumentListDisableTable[] = {MailBoxDocumentAutoDisableList, nullptr};
const CnstrnInfo MailBoxDocumentListCnstrnInfo = {MailBoxDocumentListDisableTable, {}, {}, {}};

} // namespace

MailBoxPrintWindow::MailBoxPrintWindow(std::unique_ptr<platform::ui::Window> window,
                                       std::string theWinTitleStr, KPRINTTYPEPDE* pane,
                                       EncryptArray& kvtControlIDArray)
    : PrintTypeDetailsWindow(std::move(window), std::move(theWinTitleStr), pane, kPrintTypeMailBox),
      kvtControlIDArray_(kvtControlIDArray)
{}

void MailBoxPrintWindow::CreateWindowControls()
{
    AddLabel("MailBoxNumberTitle", MailBoxNumberTitleID, "MailBox Number Text");
    AddLabel("MailBoxPasscodeTitle", MailBoxPasscodeTitleID, "MBN Password Text");

    auto number = std::make_unique<PTMBNTextEditCtrl>();
    number->CreateControl(Outlet("MailBoxNumber", MailBoxNumberEditID), &PTMailBoxNumberIniData,
                          &PTMailBoxNumberCtrlAccessInfo, &PTMailBoxNumberFilterData, "MailBox Number ID",
                          nullptr);
    number->SetMaximumAttribute("QVXMailBoxSettings");
    RunTimeAddNewControl(std::move(number));

    auto passcode = std::make_unique<PTMBNTextEditCtrlExt>();
    passcode->CreateControl(Outlet("MailBoxPasscode", MailBoxPasscodeEditID), &PTMailBoxPasscodeIniData,
                            &PTMailBoxPasscodeCtrlAccessInfo, &PTMailBoxPasscodeFilterData, "MNB Password",
                            nullptr);
    PTMBNTextEditCtrlExt* passcodeField = passcode.get();
    RunTimeAddNewControl(std::move(passcode));

    CreateDocumentNameControls(MailBoxDocumentListTitleID, MailBoxDocumentNameTitleID, MailBoxDocumentListID,
                               MailBoxDocumentNameEditID, &MailBoxDocumentListCnstrnInfo);
    kvtControlIDArray_.push_back(passcodeField);
}
