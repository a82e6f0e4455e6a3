// A PPD pop-up that places itself: it makes its own pop-up on its page row,
// after the title label the panel made for it, and remembers the PPD's
// default choice.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "features/FeatureKeyTables.h"
#include "features/controls/PPDPopupControl.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/View.h"

class PPDStaticTextCtrlExt;

// Where and how wide a generated pop-up row is.
struct PopupRowPlacement {
    int ctrlTotalLength = kPopUpCtrlTotalWidth; // title and pop-up together
    int titleCtrlLength = 0;                    // the title label's width
    PPDStaticTextCtrlExt* titleCtrl = nullptr;  // the row's title label, or none
    int indexInPanel = 0;                       // row within its page
    int group = -1;                             // the page (group number)
    platform::ui::View* parentGroup = nullptr;  // the view the controls live in
    const PFCtrlPositionData* positionInfo = &pfCtrlPositionData;
};

class PPDPopupControlExt : public PPDPopupControl {
public:
    using PopupControl::CreateControl;
    // The records may each be none. The widget is made in InitializeCtrl when
    // none is given.
    bool CreateControl(platform::ui::Widget* control, std::string_view ppdKey, const ListCtrlIniData* iniData,
                       const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                       std::optional<platform::PreferenceUser> user, const PopupRowPlacement& placement);

    // Title from the PPD; with a title: the pop-up on its row, the choice
    // list, the menu, the PPD default selected and made the default value,
    // and both blocks. An option without a title gets no pop-up.
    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;

    std::string_view ControlClassName() const override { return "PPDPopupControlExt"; }

    int32_t GetDefaultValue() const { return defaultValue; }
    PPDStaticTextCtrlExt* GetTitleControl() const { return titleTextPtr; }
    int GetIndexInPanel() const { return indexInPanel; }
    const platform::ui::Rect& GetListCtrlBounds() const { return ListCtrlBounds; }

protected:
    // The row's frame for the pop-up.
    platform::ui::Rect PopupFrame() const;

    std::string ppdKeyCStr;
    int32_t defaultValue = 0;
    int indexInPanel = 0;
    platform::ui::Rect ListCtrlBounds;
    PPDStaticTextCtrlExt* titleTextPtr = nullptr;
    platform::ui::View* parentGroupBox = nullptr;
    const PFCtrlPositionData* ppdCtrlPositionDataPtr = nullptr;
    int ctrlTotalLength = kPopUpCtrlTotalWidth;
    int titleCtrlLength = 0;
    // The record this control reads its default from: the given one with the
    // PPD's default put in, or a record of its own.
    ListCtrlIniData ownIniData{0, 0, -1, 0, nullptr};
};
