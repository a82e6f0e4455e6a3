#include "features/windows/MarginSetupWindow.h"

#include <tuple>
#include <utility>

#include "features/windows/PFInchMMRadioButton.h"
#include "features/windows/PFMarginLittleArrowControls.h"
#include "features/windows/PFMarginTextEditCtrls.h"
#include "panelkit/controls/RadioGroup.h"
#include "panelkit/controls/StaticTextEditControl.h"

namespace {

// Labels carry no value; their record only satisfies the static text's creator.
const TextEditIniData MarginLabelIniData = {"", "", 0, 0, 0};

// Outlet names of a unit's widgets in the layouts: the unit's prefix
// ("Inch", "MM") followed by the part.
std::string UnitOutlet(const MarginUnitRecords& unit, const char* part)
{
    const bool inch = unit.field == MarginField::TabInch || unit.field == MarginField::BookletInch;
    return std::string(inch ? "Inch" : "MM") + part;
}

} // namespace

MarginSetupWindow::MarginSetupWindow(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                                     KPRINTFEATURESPDE* panel, std::string helpPage,
                                     const MarginUnitRecords& inchRecords, const MarginUnitRecords& mmRecords)
    : FeaturesSetupWindow(std::move(window), std::move(theWinTitleStr), panel, std::move(helpPage)),
      inchRecords_(inchRecords), mmRecords_(mmRecords), radioGroup_(std::make_unique<RadioGroup>())
{}

MarginSetupWindow::~MarginSetupWindow() = default;

void MarginSetupWindow::CreateWindowControls()
{
    inchEdit_ = CreateUnitControls(inchRecords_);
    mmEdit_ = CreateUnitControls(mmRecords_);
    // The millimetre button is the group's first: the one chosen when none is.
    mmRadio_ = CreateRadioButton(mmRecords_, "MMRadio");
    inchRadio_ = CreateRadioButton(inchRecords_, "InchRadio");
    CreateOptionControls();
    AddWindowButtons();
}

PFMarginTextEditCtrl* MarginSetupWindow::CreateUnitControls(const MarginUnitRecords& unit)
{
    for (const auto& [part, id, key] : {std::tuple{"Label", &unit.labelID, unit.labelKey},
                                        std::tuple{"UnitLabel", &unit.unitLabelID, unit.unitLabelKey}}) {
        auto label = std::make_unique<StaticTextEditControl>();
        label->CreateControl(Outlet(UnitOutlet(unit, part).c_str(), *id), &MarginLabelIniData, nullptr,
                             nullptr, std::nullopt, nullptr, key);
        RunTimeAddNewControl(std::move(label));
    }

    std::unique_ptr<PFMarginTextEditCtrl> edit = NewMarginTextEdit(unit.field);
    const MarginFieldFormat& format = FormatOfMarginField(unit.field);
    edit->CreateControl(Outlet(UnitOutlet(unit, "Field").c_str(), unit.editID), &unit.editIniData,
                        &unit.editCnstrn, &unit.editAccess, std::nullopt, &unit.editFilter,
                        unit.field == MarginField::TabMM || unit.field == MarginField::TabInch
                            ? "Tab Margin Text"
                            : "Booklet Margin Text",
                        {format.minimum, format.maximum});
    PFMarginTextEditCtrl* made = edit.get();
    RunTimeAddNewControl(std::move(edit));

    // Registered after its field: read back from a preset, the stepper
    // rewrites the field, which has taken its default by then.
    std::unique_ptr<PFInchMMLittleArrowControl> stepper = NewMarginLittleArrow(unit.field);
    stepper->CreateControl(Outlet(UnitOutlet(unit, "Stepper").c_str(), unit.stepperID), &unit.stepperIniData,
                           &unit.stepperCnstrn, &unit.stepperAccess, std::nullopt, nullptr, {&unit.editID});
    RunTimeAddNewControl(std::move(stepper));
    return made;
}

PFInchMMRadioButton* MarginSetupWindow::CreateRadioButton(const MarginUnitRecords& unit, const char* outlet)
{
    auto radio = std::make_unique<PFInchMMRadioButton>(Outlet(outlet, unit.radioID), &unit.radioIniData,
                                                       &unit.radioCnstrn, &unit.radioAccess, std::nullopt,
                                                       std::vector<const int32_t*>{&unit.radioValidateID});
    PFInchMMRadioButton* made = radio.get();
    radioGroup_->RunTimeAddNewControl(made);
    RunTimeAddNewControl(std::move(radio));
    return made;
}

void MarginSetupWindow::ApplyUnitHiding()
{
    platform::ui::Widget* inch = inchRadio_ != nullptr ? inchRadio_->GetControlPtr() : nullptr;
    platform::ui::Widget* mm = mmRadio_ != nullptr ? mmRadio_->GetControlPtr() : nullptr;
    if (inch != nullptr && mm != nullptr && (inch->intValue() != 0) == (mm->intValue() != 0)) {
        const int32_t on = 1;
        const int32_t off = 0;
        mmRadio_->SetExternalValueToUI(&on, sizeof on);
        inchRadio_->SetExternalValueToUI(&off, sizeof off);
    }
    for (const MarginUnitRecords* unit : {&inchRecords_, &mmRecords_}) {
        for (const int32_t* id : {&unit->editID, &unit->stepperID, &unit->labelID, &unit->unitLabelID}) {
            if (BaseControl* control = GetPanelControl(id)) control->ResetStatus();
        }
    }
    for (const auto& [radio, unit] :
         {std::pair{inchRadio_, &inchRecords_}, std::pair{mmRadio_, &mmRecords_}}) {
        if (radio == nullptr || radio->GetControlPtr() == nullptr) continue;
        radio->HideControlConstrains(
            CnstrnEntry(unit->radioCnstrn.hideLists, radio->GetControlPtr()->intValue()));
    }
    SycValueFromUI();
}

void MarginSetupWindow::ActivateWindow()
{
    platform::ui::Window* window = GetWindow();
    if (window == nullptr) return;
    ReInitializeUserPane();
    SetUIDataToIniData();
    SetCurrentValueToUI();
    ApplyUnitHiding();
    window->runModal();
}

void MarginSetupWindow::RestoreButtonPressed()
{
    FeaturesSetupWindow::RestoreButtonPressed();
    ApplyUnitHiding();
}

int MarginSetupWindow::GetSummaryText(SummaryDictionary& summary, SummaryOrder& order)
{
    if (!IsShiftOn()) return 0;
    return FeaturesSetupWindow::GetSummaryText(summary, order);
}

bool MarginSetupWindow::GetValueFromPreset()
{
    FeaturesSetupWindow::GetValueFromPreset();
    const int style = GetShiftValueDisplayStyle();
    if (style < 0 || inchEdit_ == nullptr || mmEdit_ == nullptr) return true;
    PFMarginTextEditCtrl* chosen = style == 1 ? mmEdit_ : inchEdit_;
    PFMarginTextEditCtrl* other = style == 1 ? inchEdit_ : mmEdit_;
    const std::string text = chosen->GetDataText();
    if (!chosen->IsNumberValid(text)) return true;
    const std::optional<std::string> converted = other->ConvertedTextOf(text);
    if (!converted) return true;
    other->SetDataText(*converted);
    if (PFInchMMLittleArrowControl* stepper = other->GetLittleArrayForNumberEdit()) {
        const int32_t value = other->ScaledValueOfText(*converted);
        stepper->setExternalValueToData(&value, sizeof value, 2);
        stepper->SetControlValueToUI();
    }
    return true;
}

int MarginSetupWindow::GetShiftValueDisplayStyle() const
{
    if (inchRadio_ == nullptr || mmRadio_ == nullptr) return -1;
    const auto chosen = [](const PFInchMMRadioButton* radio) {
        const platform::ui::StoredValue value = radio->ControlStoredValue();
        const long long* number = std::get_if<long long>(&value);
        return number != nullptr && *number == 1;
    };
    const bool inch = chosen(inchRadio_);
    const bool mm = chosen(mmRadio_);
    if (inch && !mm) return 0;
    if (mm && !inch) return 1;
    return -1;
}
