// What the four details windows of the Print Type pane share: each belongs to
// one print type, shows the pane's shared values, checks what the person
// typed when OK is pressed, returns the pane to normal printing when it is
// cancelled with values that cannot be used, and adds to the summary only
// while its print type is the pane's.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "panelkit/panel/PopupWinInPanel.h"

class KPRINTTYPEPDE;
class PTListCtrlExt;
struct CnstrnInfo;

class PrintTypeDetailsWindow : public PopupWinInPanel {
public:
    PrintTypeDetailsWindow(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                           KPRINTTYPEPDE* pane, int32_t printType);

    // Makes the window's controls over its layout's widgets and registers them.
    virtual void CreateWindowControls() = 0;

    // Shows the current values (the document-name list's rule applied),
    // marks the window activated and runs it modally.
    void ActivateWindow() override;
    // Applies the document-name list's rule afresh: its governed controls are
    // released, then disabled again when the list's value asks for it.
    void InitializePaneConstrains();
    // The controls' summaries, only while the pane's print type is this window's.
    int GetSummaryText(SummaryDictionary& summary, SummaryOrder& order) override;

    // The buttons' actions.
    void OKButtonPressed();
    void CancelButtonPressed();
    void RestoreButtonPressed();

    int32_t GetPrintType() const { return printType_; }
    KPRINTTYPEPDE* GetPane() const { return pane_; }

protected:
    // The widget of an outlet of the window's layout, tagged with the ID when
    // the ID is not 0; null when the layout lacks it.
    platform::ui::Widget* Outlet(const char* name, int32_t tag = 0) const;
    // The controls every window ends with: the document-name list's title,
    // the document name's title, the list, the name field, then the help,
    // restore, OK and Cancel buttons. The list's rule disables the name and
    // its title.
    void CreateDocumentNameControls(const int32_t& listTitleID, const int32_t& nameTitleID,
                                    const int32_t& listID, const int32_t& nameID, const CnstrnInfo* listRule);
    // A label with its text key.
    void AddLabel(const char* outlet, const int32_t& id, const char* textKey);
    // The print-type user ID (secure and sample windows).
    void AddUserIDField(const char* outlet, const int32_t& id);

    KPRINTTYPEPDE* pane_;
    int32_t printType_;
    PTListCtrlExt* documentList_ = nullptr;
    const int32_t* documentNameID_ = nullptr;
    const int32_t* documentNameTitleID_ = nullptr;
};
