#include "features/FeatureKeyTables.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

// The full list (Features mode Default01); the other modes leave entries out.
constexpr std::array<std::string_view, 80> kMode01Keys = {
    "QVOutputMode",
    "QVSignature",
    "QVSigDrawOutline",
    "QVSigSize",
    "QVSigVol",
    "MediaType",
    "OutputBin",
    "QVGrayBalance",
    "QVHalftone",
    "Smoothing",
    "QVTonerSaver",
    "QVSaveBlankSheet",
    "QVSlipSheet",
    "QVSlipSheetMediaType",
    "QVSlipSheetPrint",
    "QVStaple",
    "QVPunch",
    "QVNumPunchHoles",
    "QVIntCoverSheet",
    "QVIntCoverSheetPrint",
    "QVIntBackCoverSheet",
    "QVIntSheetMediaType",
    "QVFold",
    "QVIntTabbedPaper",
    "Jog",
    "QVCustomPageSizeCorrection",
    "QVMSILeadingEdge",
    "QVSubPaperSelection",
    "QVTwoRepeatPrint",
    "QVMixSizePrint",
    "QVTabMarginShift",
    "QVTabMarginShiftEx",
    "QVMTF",
    "QVFType",
    "QVIntSheet",
    "QVMediaColor",
    "QVInvalidateColorProfile",
    "QVUncollateSeparator",
    "QVForcedMediaType",
    "QVTabNumberInSequence",
    "QVSlipSheetTray",
    "QVHalftoneMode",
    "QVMonochromePriority",
    "QVInputSlot",
    "QVTurnPage",
    "QVPDFRasterizedMode",
    "QVEngineScreen",
    "QVColorMode",
    "QVBrightness",
    "QVRGBImageType",
    "QVRGBCorrection",
    "QVRGBInputProfile",
    "QVRGBGammaCorrection",
    "QVColorTemperature",
    "QVColorBalanceAdjustment",
    "QVColorDensityCyanLow",
    "QVColorDensityCyanMid",
    "QVColorDensityCyanHigh",
    "QVColorDensityMagentaLow",
    "QVColorDensityMagentaMid",
    "QVColorDensityMagentaHigh",
    "QVColorDensityYellowLow",
    "QVColorDensityYellowMid",
    "QVColorDensityYellowHigh",
    "QVColorDensityBlackLow",
    "QVColorDensityBlackMid",
    "QVColorDensityBlackHigh",
    "QVExtMediaTypeTray1",
    "QVDocumentType",
    "QVSkip",
    "QVThinInkPrint",
    "QVPreferredMediaType",
    "QVStaple",
    "QVPunch",
    "QVRGBBCorrection",
    "QVRGBCCorrection",
    "QVColorAjst",
    "QVScreen2",
    "Resolution",
    "QVJog",
};

constexpr bool Contains(std::span<const std::string_view> list, std::string_view key)
{
    for (std::string_view entry : list)
        if (entry == key) return true;
    return false;
}

// The Default01 list less the omitted keys, in the same order. N is checked
// at compile time: a wrong count does not build.
template <std::size_t N, std::size_t M>
constexpr std::array<std::string_view, N> Without(const std::array<std::string_view, M>& omitted)
{
    std::array<std::string_view, N> result{};
    std::size_t n = 0;
    for (std::string_view key : kMode01Keys) {
        if (Contains(omitted, key)) continue;
        if (n == N) throw "more keys than the list holds";
        result[n++] = key;
    }
    if (n != N) throw "fewer keys than the list holds";
    return result;
}

constexpr std::array<std::string_view, 1> kNotInMode00 = {"QVOutputMode"};
constexpr std::array<std::string_view, 5> kNotInMode02 = {"QVOutputMode", "QVSignature", "QVSigDrawOutline",
                                                          "QVSigSize", "QVSigVol"};
constexpr std::array<std::string_view, 4> kNotInMode03 = {"QVSignature", "QVSigDrawOutline", "QVSigSize",
                                                          "QVSigVol"};

constexpr auto kMode00Keys = Without<79>(kNotInMode00);
constexpr auto kMode02Keys = Without<75>(kNotInMode02);
constexpr auto kMode03Keys = Without<76>(kNotInMode03);

constexpr std::array<std::string_view, 4> kCoverSepKeys = {"QVIntCoverSheet", "QVIntBackCoverSheet",
                                                           "QVIntSheet", "QVIntSheetMediaType"};
constexpr std::array<std::string_view, 4> kLayoutKeys = {"QVSignature", "QVSigDrawOutline", "QVSigSize",
                                                         "QVSigVol"};

constexpr std::array<std::string_view, 9> kMailboxConstrainKeys = {
    "QVMixSizePrint",       "QVMSILeadingEdge", "QVSubPaperSelection", "Jog",          "QVSlipSheetPrint",
    "QVSlipSheetMediaType", "QVIntTabbedPaper", "Smoothing",           "QVMediaColor",
};

constexpr std::array<std::string_view, 19> kMailboxRestoreKeys = {
    "MediaType",        "OutputBin",
    "QVSignature",      "QVSigSize",
    "QVSigVol",         "QVSigDrawOutline",
    "QVTabMarginShift", "QVTabMarginShiftEx",
    "QVStaple",         "QVPunch",
    "QVNumPunchHoles",  "QVSlipSheet",
    "QVIntCoverSheet",  "QVIntBackCoverSheet",
    "QVIntSheet",       "QVIntSheetMediaType",
    "QVTwoRepeatPrint", "QVUncollateSeparator",
    "QVOutputMode",
};

} // namespace

const FeatureKeyList ppdKeyArrayByMode00(kMode00Keys);
const FeatureKeyList ppdKeyArrayByMode01(kMode01Keys);
const FeatureKeyList ppdKeyArrayByMode02(kMode02Keys);
const FeatureKeyList ppdKeyArrayByMode03(kMode03Keys);

namespace {
const std::array<ProductModePPDKeyInfo, 4> kProductModes = {{
    {"Default00", kMode00Keys},
    {"Default01", kMode01Keys},
    {"Default02", kMode02Keys},
    {"Default03", kMode03Keys},
}};
} // namespace

const std::span<const ProductModePPDKeyInfo> productModePPDKeyInfo(kProductModes);

const FeatureKeyList KQVCoverSepGroupKeyArray(kCoverSepKeys);
const FeatureKeyList KQVLayoutGroupKeyArray(kLayoutKeys);
const FeatureKeyList kQVMailboxConstrainArray(kMailboxConstrainKeys);
const FeatureKeyList kQVMailboxConstrainandRestoreDefaultArray(kMailboxRestoreKeys);

const PFCtrlPositionData pfCtrlPositionData = {30, 8, -20, 6};

FeatureKeyList KeyListOfFeaturesMode(std::string_view modeName)
{
    for (const ProductModePPDKeyInfo& mode : kProductModes)
        if (mode.modeName == modeName) return mode.keyList;
    return {};
}

bool KeyListHas(FeatureKeyList list, std::string_view keyword)
{
    return std::find(list.begin(), list.end(), keyword) != list.end();
}

int RowTopOfIndex(const PFCtrlPositionData& position, int indexInPanel)
{
    return position.kControlTopOffset +
           (position.kControlDistance + kControlRowHeight) * (position.kMaxControlInPanel - indexInPanel);
}

platform::ui::Rect PanelFrameOfGroupBoxRect(const platform::ui::View* view, const platform::ui::Rect& inBox)
{
    const platform::ui::Widget* box =
        view != nullptr ? view->widgetForOutlet(kFeatureGroupBoxOutlet) : nullptr;
    if (box == nullptr) return inBox;
    const platform::ui::Rect boxFrame = box->frame();
    return {boxFrame.x + inBox.x, boxFrame.y + boxFrame.height - inBox.y - inBox.height, inBox.width,
            inBox.height};
}
