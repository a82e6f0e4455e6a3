#include "account/printtype/DelayedPrintWindow.h"

#include "panelkit/CurrentPrintType.h"
#include "panelkit/control/ControlRecords.h"

namespace {

const int32_t DelayedDocumentListID = 1034;
const int32_t DelayedDocumentNameEditID = 1035;
const int32_t DelayedDocumentListTitleID = 2034;
const int32_t DelayedDocumentNameTitleID = 2035;

const int32_t* const DelayedDocumentAutoDisableList[] = {&DelayedDocumentNameEditID,
                                                         &DelayedDocumentNameTitleID, nullptr};
const CnstrnArray DelayedDocumentListDisableTable[] = {DelayedDocumentAutoDisableList, nullptr};
const CnstrnInfo DelayedDocumentListCnstrnInfo = {DelayedDocumentListDisableTable, {}, {}, {}};

} // namespace

DelayedPrintWindow::DelayedPrintWindow(std::unique_ptr<platform::ui::Window> window,
                                       std::string theWinTitleStr, KPRINTTYPEPDE* pane)
    : PrintTypeDetailsWindow(std::move(window), std::move(theWinTitleStr), pane, kPrintTypeDelayed)
{}

void DelayedPrintWindow::CreateWindowControls()
{
    CreateDocumentNameControls(DelayedDocumentListTitleID, DelayedDocumentNameTitleID, DelayedDocumentListID,
                               DelayedDocumentNameEditID, &DelayedDocumentListCnstrnInfo);
}
