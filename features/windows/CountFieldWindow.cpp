#include "features/windows/CountFieldWindow.h"

#include <string>

#include "features/windows/PFNumInSeqLittleArrowControl.h"
#include "features/windows/PFNumInSeqTextEditCtrl.h"

CountFieldWindow::CountFieldWindow(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                                   KPRINTFEATURESPDE* panel, const CountWindowRecords& records)
    : FeaturesSetupWindow(std::move(window), std::move(theWinTitleStr), panel, records.helpPage),
      records_(records)
{}

void CountFieldWindow::CreateWindowControls()
{
    const std::string prefix = records_.outletPrefix;
    AddLabel((prefix + "Label").c_str(), *records_.labelID, records_.labelKey);

    std::unique_ptr<PFNumInSeqTextEditCtrl> edit = NewNumberEdit();
    edit->CreateControl(Outlet((prefix + "Edit").c_str(), *records_.editID), records_.editIniData,
                        records_.editCnstrnInfo, records_.editAccessInfo, std::nullopt,
                        records_.editFilterData, records_.titleKey, records_.editRange);
    edit_ = edit.get();
    RunTimeAddNewControl(std::move(edit));

    // The stepper has no summary line of its own: the field's text is the value.
    auto stepper = std::make_unique<PFNumInSeqLittleArrowControl>();
    stepper->CreateControl(Outlet((prefix + "Stepper").c_str(), *records_.stepperID), records_.stepperIniData,
                           records_.stepperCnstrnInfo, records_.stepperAccessInfo, std::nullopt, nullptr,
                           {records_.editID});
    stepper_ = stepper.get();
    RunTimeAddNewControl(std::move(stepper));

    AddWindowButtons(*records_.okID, *records_.cancelID, *records_.defaultID, *records_.helpID);
}
