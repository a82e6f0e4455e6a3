#include "account/printtype/SamplePrintWindow.h"

#include "panelkit/CurrentPrintType.h"
#include "panelkit/control/ControlRecords.h"

namespace {

const int32_t SampleUserIDEditID = 1012;
const int32_t SampleDocumentListID = 1014;
const int32_t SampleDocumentNameEditID = 1015;
const int32_t SampleUserIDTitleID = 2012;
const int32_t SampleDocumentListTitleID = 2014;
const int32_t SampleDocumentNameTitleID = 2015;

const int32_t* const SampleDocumentAutoDisableList[] = {&SampleDocumentNameEditID, &SampleDocumentNameTitleID,
                                                        nullptr};
const CnstrnArray SampleDocumentListDisableTable[] = {SampleDocumentAutoDisableList, nullptr};
const CnstrnInfo SampleDocumentListCnstrnInfo = {SampleDocumentListDisableTable, {}, {}, {}};

} // namespace

SamplePrintWindow::SamplePrintWindow(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                                     KPRINTTYPEPDE* pane)
    : PrintTypeDetailsWindow(std::move(window), std::move(theWinTitleStr), pane, kPrintTypeSample)
{}

void SamplePrintWindow::CreateWindowControls()
{
    AddLabel("UserIDTitle", SampleUserIDTitleID, "Print Type User Name Text");
    AddUserIDField("UserID", SampleUserIDEditID);
    CreateDocumentNameControls(SampleDocumentListTitleID, SampleDocumentNameTitleID, SampleDocumentListID,
                               SampleDocumentNameEditID, &SampleDocumentListCnstrnInfo);
}
