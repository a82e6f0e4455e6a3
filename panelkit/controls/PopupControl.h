// A pop-up list: its value is the 1-based number of the chosen item (0 when
// none is chosen), and entry value - 1 of each constraint table holds the
// lists of that item. The menu is built from the record's item keys.
#pragma once

#include <optional>
#include <string_view>

#include "panelkit/control/IniDataRecords.h"
#include "panelkit/controls/IntegerControl.h"

class PopupControl : public IntegerControl {
public:
    using BaseControl::CreateControl;
    // Stores the widget and the records, the user when given, and turns off
    // the pop-up's automatic enabling of items.
    bool CreateControl(platform::ui::Widget* control, const ListCtrlIniData* iniData,
                       const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                       std::optional<platform::PreferenceUser> user);

    // Base initialisation, both 4-byte blocks, then the menu.
    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    // Rebuilds the menu.
    bool ReInitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    // One item per key of the record, in order, titled with the key
    // localised in the control's table, or with the key itself when the
    // table has no translation; the key is the item's represented object.
    // Nothing without a record; NO only when there is no menu to fill.
    virtual bool InitializeMenu(const platform::Bundle* bundle, ppd_file_t* ppd);

    // The selected item's index (-1 for none).
    int GetCurrentControlArrayNumber() override;
    // The widget's action for subclasses that route it here.
    void RequestPopupList(platform::ui::Widget* sender);

    int DoControlConstrain() override;
    int DoControlHideConstrain() override;
    int DoControlUpdateConstrain() override;
    // The base class's update rule, for subclasses that override DoControlUpdateConstrain.
    int DoBaseControlUpdateConstrain() { return BaseControl::DoControlUpdateConstrain(); }

    const void* GetDefaultDataBlk() override;
    const void* GetIniDataBlk() override;
    // 1 to the number of items.
    bool IsOwnValue(int32_t value) const override;

    std::string_view ControlClassName() const override { return "PopupControl"; }

protected:
    // A value of 0 or below selects nothing.
    void ShowValue(int32_t value) override { ControlPtr->selectItemAtIndex(value > 0 ? value - 1 : -1); }
    int32_t ScreenValue() const override { return ControlPtr->indexOfSelectedItem() + 1; }
    // The menu's item count, or the record's key count before there is a widget.
    int ItemCount() const;

    const ListCtrlIniData* listctrlIniDataPtr = nullptr;
};
