#include "features/windows/PFNumInSeqTextEditCtrl.h"

#include "features/KPRINTFEATURESPDE.h"
#include "features/windows/FeaturesSetupWindow.h"
#include "features/windows/PFNumInSeqTextEditFormatter.h"

bool PFNumInSeqTextEditCtrl::IsNumberValid(std::string_view text) const
{
    return IsCountNumberValid(Field(), text);
}

int32_t PFNumInSeqTextEditCtrl::ScaledValueOfText(std::string_view text) const
{
    return CountValueOfText(text);
}

std::string PFNumInSeqTextEditCtrl::TextOfScaledValue(int32_t value) const
{
    return CountTextOfValue(Field(), value);
}

const char* PFNumInSeqTextEditCtrl::GetErrMsgKey() const { return FormatOfCountField(Field()).messageKey; }

bool PFNumInSeqTextEditCtrl::ToGetSummaryText()
{
    const KPRINTFEATURESPDE* panel = FeaturesSetupWindow::FeaturesPanelOfControl(*this);
    return PFInchMMTextEditCtrl::ToGetSummaryText() && panel != nullptr && panel->IsNumberInSequence();
}

std::unique_ptr<TextEditFormatter> PFNumInSeqTextEditCtrl::NewFormatter(platform::HostServices* services)
{
    auto formatter = std::make_unique<PFNumInSeqTextEditFormatter>();
    formatter->initWithFilter(textEditFilterDataPtr, &inchMMEditValueRangeData, GetEditMaxLength(), this,
                              services);
    return formatter;
}
