// A switch button holding 0 (off) or 1 (on). Its value selects entry 0 or 1
// of each constraint table: turning it on applies the lists of 1 and releases
// those of 0, and the other way round.
#pragma once

#include <optional>
#include <string_view>

#include "panelkit/control/IniDataRecords.h"
#include "panelkit/controls/IntegerControl.h"

class CheckBox : public IntegerControl {
public:
    // Stores the widget and the records; the user when given.
    bool CreateCheckBox(platform::ui::Widget* control, const CheckBoxIniData* iniData,
                        const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                        std::optional<platform::PreferenceUser> user);

    // Base initialisation and the title; both 4-byte blocks, zeroed. NO when
    // either step fails.
    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    // Only the title again.
    bool ReInitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    // The title key localised in the control's table ("no translation" when
    // the table lacks it) becomes the button's title. YES without a record;
    // else whether a title could be made (a bundle and a widget exist).
    bool InitializeTitle(const platform::Bundle* bundle);

    bool SimulationUIEventHandler() override;
    int DoControlConstrain() override;
    int DoControlHideConstrain() override;
    int DoControlUpdateConstrain() override;

    const void* GetDefaultDataBlk() override;
    const void* GetIniDataBlk() override;
    bool IsOwnValue(int32_t value) const override { return value == 0 || value == 1; }

    std::string_view ControlClassName() const override { return "CheckBox"; }

protected:
    const CheckBoxIniData* checkboxctrlIniDataPtr = nullptr;
};
