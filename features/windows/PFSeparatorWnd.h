// The separator window: the pages before which separator sheets go in, typed
// as a list of page numbers. Opened by the separator setup button and by
// choosing a separator entry of the separator list.
#pragma once

#include <memory>
#include <string>

#include "features/windows/FeaturesSetupWindow.h"

class PFSepTextEditCtrl;

class PFSeparatorWnd : public FeaturesSetupWindow {
public:
    static constexpr const char* kOutletName = "SeparatorWnd";

    PFSeparatorWnd(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                   KPRINTFEATURESPDE* panel);

    // The label, the page list, its unit label and the four buttons; a
    // failed cancel puts the panel's separator list back to its default.
    void CreateWindowControls() override;

    PFSepTextEditCtrl* GetPageListCtrl() const { return pageList_; }

private:
    PFSepTextEditCtrl* pageList_ = nullptr;
};
