#include "account/printtype/PrintTypeDetailsWindow.h"

#include "account/printtype/KPRINTTYPEPDE.h"
#include "account/printtype/PTDUTextEditCtrl.h"
#include "account/printtype/PTListCtrl.h"
#include "account/printtype/PTListCtrlExt.h"
#include "account/printtype/PTStaticTextEditControl.h"
#include "account/printtype/PTUITextEditCtrl.h"
#include "account/printtype/PrintTypeFieldRecords.h"
#include "account/printtype/PrintTypePaneButtons.h"
#include "account/printtype/SetupWindowButtons.h"

PrintTypeDetailsWindow::PrintTypeDetailsWindow(std::unique_ptr<platform::ui::Window> window,
                                               std::string theWinTitleStr, KPRINTTYPEPDE* pane,
                                               int32_t printType)
    : PopupWinInPanel(std::move(window), std::move(theWinTitleStr)), pane_(pane), printType_(printType)
{}

platform::ui::Widget* PrintTypeDetailsWindow::Outlet(const char* name, int32_t tag) const
{
    platform::ui::Widget* widget =
        GetPanelView() != nullptr ? GetPanelView()->widgetForOutlet(name) : nullptr;
    if (widget != nullptr && tag != 0) widget->setTag(tag);
    return widget;
}

void PrintTypeDetailsWindow::AddLabel(const char* outlet, const int32_t& id, const char* textKey)
{
    auto label = std::make_unique<PTStaticTextEditControl>();
    label->CreateControl(Outlet(outlet, id), &PTStaticTextIniData, nullptr, nullptr, std::nullopt, nullptr,
                         textKey);
    RunTimeAddNewControl(std::move(label));
}

void PrintTypeDetailsWindow::AddUserIDField(const char* outlet, const int32_t& id)
{
    const bool kana = pane_->getPDEType() == kPTProductTypeKana;
    auto field = std::make_unique<PTUITextEditCtrl>();
    field->CreateControl(Outlet(outlet, id), &PTUserIDIniData, &PTUserIDCtrlAccessInfo,
                         kana ? &PTUserIDFilterDataForProduct02 : &PTUserIDFilterData, "User ID",
                         &pane_->getPrintTypeUserNameDataBlk());
    field->SetEmptyMessageKey(kana ? kPTUserIDEmptyMessageForProduct02 : kPTUserIDEmptyMessage);
    // The product type's own ranges take precedence over the PPD's.
    if (!kana) field->SetScopeAttribute("QVPTUserIDScope");
    RunTimeAddNewControl(std::move(field));
}

void PrintTypeDetailsWindow::CreateDocumentNameControls(const int32_t& listTitleID,
                                                        const int32_t& nameTitleID, const int32_t& listID,
                                                        const int32_t& nameID, const CnstrnInfo* listRule)
{
    documentNameID_ = &nameID;
    documentNameTitleID_ = &nameTitleID;
    AddLabel("DocumentListTitle", listTitleID, "Retrieve Document Name List");
    AddLabel("DocumentNameTitle", nameTitleID, "Document Name Text");

    const int32_t productType = pane_->getPDEType();
    auto list = std::make_unique<PTListCtrlExt>();
    list->CreateControl(Outlet("DocumentList", listID),
                        productType >= kPTProductTypeKana ? &PTDocumentListIniDataForProduct0203
                                                          : &PTDocumentListIniData,
                        listRule, "Retrieve Document Name", &pane_->getPrintTypeDocumentListDataBlk());
    documentList_ = list.get();
    RunTimeAddNewControl(std::move(list));

    const bool kana = productType == kPTProductTypeKana;
    auto name = std::make_unique<PTDUTextEditCtrl>();
    name->CreateControl(Outlet("DocumentName", nameID), &PTDocumentNameIniData, &PTDocumentNameCtrlAccessInfo,
                        kana ? &PTDocumentNameFilterDataForProduct02 : &PTDocumentNameFilterData,
                        "Document Name", &pane_->getPrintTypeDocumentNameDataBlk());
    if (!kana) name->SetScopeAttribute("QVPTDocNameScope");
    RunTimeAddNewControl(std::move(name));

    auto help = std::make_unique<PrintTypeHelpBtn>();
    help->CreateControl(Outlet("HelpButton"));
    RunTimeAddNewControl(std::move(help));
    auto restore = std::make_unique<SetupWndDefaultButton>();
    restore->CreateControl(Outlet("RestoreButton"), "PT Setup Window Rstr Buttons", this);
    RunTimeAddNewControl(std::move(restore));
    auto ok = std::make_unique<SetupWndOKButton>();
    ok->CreateControl(Outlet("OKButton"), "PT Setup Window OK Buttons", this);
    RunTimeAddNewControl(std::move(ok));
    auto cancel = std::make_unique<SetupWndCancelButton>();
    cancel->CreateControl(Outlet("CancelButton"), "PT Setup Window Cancel Buttons", this);
    RunTimeAddNewControl(std::move(cancel));
}

void PrintTypeDetailsWindow::ActivateWindow()
{
    platform::ui::Window* window = GetWindow();
    if (window == nullptr) return;
    ReInitializeUserPane();
    SetUIDataToIniData();
    SetCurrentValueToUI();
    if (!IsActived()) {
        InitializePaneConstrains();
        ChangeActivedStatus();
    }
    window->runModal();
}

void PrintTypeDetailsWindow::InitializePaneConstrains()
{
    if (documentList_ == nullptr) return;
    for (const int32_t* id : {documentNameID_, documentNameTitleID_}) {
        if (BaseControl* control = id != nullptr ? GetPanelControl(id) : nullptr) control->ResetStatus();
    }
    documentList_->DisableControlConstrains();
}

int PrintTypeDetailsWindow::GetSummaryText(SummaryDictionary& summary, SummaryOrder& order)
{
    if (pane_ == nullptr || pane_->GetCurrentPrintType() != printType_) return 0;
    return BasePrintPanel::GetSummaryText(summary, order);
}

void PrintTypeDetailsWindow::OKButtonPressed()
{
    SycValueFromUI();
    for (BaseControl* control : fCtrlGroupArray) {
        // The refusing control has shown its message and taken the focus.
        if (!control->PreInvalidateData() || !control->InvalidateData()) return;
    }
    SetValueFromUIToControl();
    DeactivateWindow();
}

void PrintTypeDetailsWindow::CancelButtonPressed()
{
    for (BaseControl* control : fCtrlGroupArray) {
        if (!control->PreInvalidateDataOnCancel() || !control->InvalidateDataOnCancel()) {
            // The values kept are not usable for this print type: print normally.
            if (PTListCtrl* list = pane_ != nullptr ? pane_->getPrintTypeListCtrlPtr() : nullptr) {
                const void* standard = list->GetDefaultDataBlk();
                list->SelectPrintType(standard != nullptr ? *static_cast<const int32_t*>(standard) : 1);
            }
            break;
        }
    }
    DeactivateWindow();
}

void PrintTypeDetailsWindow::RestoreButtonPressed() { SetDefaultValueToUI(); }
