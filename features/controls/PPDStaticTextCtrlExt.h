// The title label of a generated row: the option's PPD title, left of its
// pop-up, shown and hidden with its page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "features/FeatureKeyTables.h"
#include "panelkit/controls/StaticTextEditControl.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/View.h"

class PPDStaticTextCtrlExt : public StaticTextEditControl {
public:
    using StaticTextEditControl::CreateControl;
    // templateLabel: the layout's label whose look every title copies.
    bool CreateControl(platform::ui::Widget* templateLabel, std::string_view ppdKey,
                       const TextEditIniData* iniData, const CnstrnInfo* cnstrnInfo,
                       const CtrlAccessInfo* accessInfo, std::optional<platform::PreferenceUser> user,
                       int controlLength, int indexInPanel, int group, platform::ui::View* parentGroup,
                       const PFCtrlPositionData* positionInfo);

    // A label at the row, as wide as the panel measured, showing the PPD title.
    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    bool ReInitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    // Unlike other labels, a row's title follows its page.
    void PPDCtrlShow() override { BaseControl::PPDCtrlShow(); }
    void PPDCtrlHide() override { BaseControl::PPDCtrlHide(); }

    // A row's title is no PPD-bound control: its option is its list's.
    std::optional<std::string> ControlPPDKeyword() const override { return std::nullopt; }
    std::string_view ControlClassName() const override { return "PPDStaticTextCtrlExt"; }

    const platform::ui::Rect& GetTitleCtrlBounds() const { return TitleCtrlBounds; }

private:
    std::string kPPDMainKey;
    platform::ui::Rect TitleCtrlBounds;
    int indexInPanel = 0;
    platform::ui::Widget* textCtrlPtr = nullptr;
    platform::ui::Widget* templateLabel_ = nullptr;
    platform::ui::View* parentGroupBox = nullptr;
    const PFCtrlPositionData* ppdCtrlPositionDataPtr = nullptr;
};
