#include "features/windows/PFMarginTextEditCtrls.h"

#include "features/windows/MarginSetupWindow.h"
#include "features/windows/PFInchMMTextEditFormatter.h"

namespace {

template <typename Formatter>
std::unique_ptr<TextEditFormatter> MarginFormatter(PFInchMMTextEditCtrl& edit,
                                                   const TextEditFilterData* filter,
                                                   platform::HostServices* services)
{
    auto formatter = std::make_unique<Formatter>();
    formatter->initWithFilter(filter, &edit.GetValueRange(), edit.GetEditMaxLength(), &edit, services);
    return formatter;
}

} // namespace

bool PFMarginTextEditCtrl::IsNumberValid(std::string_view text) const
{
    return IsMarginNumberValid(field_, text);
}

int32_t PFMarginTextEditCtrl::ScaledValueOfText(std::string_view text) const
{
    return ScaledValueOfMarginText(field_, text);
}

std::string PFMarginTextEditCtrl::TextOfScaledValue(int32_t value) const
{
    return MarginTextOfScaledValue(field_, value);
}

std::optional<std::string> PFMarginTextEditCtrl::ConvertedTextOf(std::string_view visibleText) const
{
    return ConvertedMarginText(field_, visibleText);
}

bool PFMarginTextEditCtrl::ToGetSummaryText()
{
    const auto* window = dynamic_cast<const MarginSetupWindow*>(ctrlParentPanelPtr);
    const int style = window != nullptr ? window->GetShiftValueDisplayStyle() : -1;
    if (style < 0) return PFInchMMTextEditCtrl::ToGetSummaryText();
    const bool millimetres = field_ == MarginField::TabMM || field_ == MarginField::BookletMM;
    return millimetres == (style == 1);
}

std::string PFMarginTextEditCtrl::SummaryValueText()
{
    std::string text = PFInchMMTextEditCtrl::SummaryValueText() + " ";
    const auto* window = dynamic_cast<const MarginSetupWindow*>(ctrlParentPanelPtr);
    if (window != nullptr && window->GetShiftValueDisplayStyle() >= 0) text += Localized(unitLabelKey_);
    return text;
}

std::unique_ptr<TextEditFormatter> PFTabMMTextEditCtrl::NewFormatter(platform::HostServices* services)
{
    return MarginFormatter<PFTabMMTextEditFormatter>(*this, textEditFilterDataPtr, services);
}

std::unique_ptr<TextEditFormatter> PFTabInchesTextEditCtrl::NewFormatter(platform::HostServices* services)
{
    return MarginFormatter<PFTabInchTextEditFormatter>(*this, textEditFilterDataPtr, services);
}

std::unique_ptr<TextEditFormatter> PFBookletMMTextEditCtrl::NewFormatter(platform::HostServices* services)
{
    return MarginFormatter<PFBookletMMTextEditFormatter>(*this, textEditFilterDataPtr, services);
}

std::unique_ptr<TextEditFormatter> PFBookletInchesTextEditCtrl::NewFormatter(platform::HostServices* services)
{
    return MarginFormatter<PFBookletInchTextEditFormatter>(*this, textEditFilterDataPtr, services);
}

std::unique_ptr<PFMarginTextEditCtrl> NewMarginTextEdit(MarginField field)
{
    switch (field) {
    case MarginField::TabMM: return std::make_unique<PFTabMMTextEditCtrl>();
    case MarginField::TabInch: return std::make_unique<PFTabInchesTextEditCtrl>();
    case MarginField::BookletMM: return std::make_unique<PFBookletMMTextEditCtrl>();
    case MarginField::BookletInch: break;
    }
    return std::make_unique<PFBookletInchesTextEditCtrl>();
}
