// A modal window a panel opens (setup windows for margins, separators, print
// types, accounting): a BasePrintPanel whose view is a window's content.
// ActivateWindow refreshes its controls and runs it modally through the
// toolkit's event source; the window's OK, Cancel and Default buttons commit
// or discard values and then call DeactivateWindow, which ends the run.
#pragma once

#include <memory>
#include <string>

#include "panelkit/panel/BasePrintPanel.h"

class PopupWinInPanel : public BasePrintPanel {
public:
    // The creator: CreatePanel with the window; theWinTitleStr is the title's key.
    PopupWinInPanel(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr);

    int InitializeUserPane(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    virtual void ReInitializeUserPane();
    virtual void InitializeUserPaneTitle(const platform::Bundle* bundle);
    virtual void ReInitializeUserPaneTitle();
    // Refreshes and runs the window modally; returns when the run ends.
    virtual void ActivateWindow();
    virtual void DeactivateWindow();
    // The refresh of windows that keep their values between showings: the
    // first activation only marks the window shown; later ones re-initialise
    // it and reload the initial data.
    void RefreshKeptWindow();
    virtual int ReleaseWindow() { return 0; }
    virtual int Terminate(void* /*unused*/) { return 0; }
    void SycValueFromUI();
    bool IsActived() const { return isActived; }
    void ChangeActivedStatus() { isActived = true; }
    // The parent panel's printer string.
    const std::string& GetCurrentPrinterString() const override;

    platform::ui::Window* GetWindow() const { return ownedWindow_.get(); }

protected:
    std::string winTitleTextRef;
    ppd_file_t* currentPPD = nullptr;
    bool isActived = false;
};
