// The static key tables that drive the Features panel: the PPD keys each
// Features mode hands the print dialog, the keys of the covers/separators and
// layout sections, the two mailbox tables and the row geometry every
// generated control is given. Read-only, made at compile time.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/ui/Geometry.h"
#include "platform/ui/View.h"

using FeatureKeyList = std::span<const std::string_view>;

// Key lists of the four Features modes (79, 80, 75 and 76 entries; QVStaple
// and QVPunch appear twice in each, as the dialog has always listed them).
extern const FeatureKeyList ppdKeyArrayByMode00;
extern const FeatureKeyList ppdKeyArrayByMode01;
extern const FeatureKeyList ppdKeyArrayByMode02;
extern const FeatureKeyList ppdKeyArrayByMode03;

struct ProductModePPDKeyInfo {
    std::string_view modeName;
    FeatureKeyList keyList;
};

// "Default00" to "Default03" with their key lists, in that order.
extern const std::span<const ProductModePPDKeyInfo> productModePPDKeyInfo;

// The key list of a Features mode; nothing (an empty span with a null data
// pointer) for a name that is none of the four.
FeatureKeyList KeyListOfFeaturesMode(std::string_view modeName);

// Covers and separators section, layout section.
extern const FeatureKeyList KQVCoverSepGroupKeyArray;
extern const FeatureKeyList KQVLayoutGroupKeyArray;

// Disabled while the print type is mailbox.
extern const FeatureKeyList kQVMailboxConstrainArray;
// Disabled and held at the PPD default while the print type is mailbox.
extern const FeatureKeyList kQVMailboxConstrainandRestoreDefaultArray;

// Whether the keyword is one of the list's (exact comparison).
bool KeyListHas(FeatureKeyList list, std::string_view keyword);

// The position record handed to every generated control.
struct PFCtrlPositionData {
    int32_t titleHoffset;      // x of a row's title label
    int32_t kControlDistance;  // gap between rows
    int32_t kControlTopOffset; // shift of the first row
    int32_t kMaxControlInPanel;
};
extern const PFCtrlPositionData pfCtrlPositionData;

// Row geometry of the generated controls, in points.
inline constexpr int kControlRowHeight = 25;
inline constexpr int kPopUpCtrlTotalWidth = 330;
inline constexpr int kPopUpCtrlTotalWidthWithButton = 305;
inline constexpr int kTabMarginCtrlTotalWidth = 300;
inline constexpr int kCheckBoxWidth = 250;
inline constexpr int kButtonHoffset = 320;
inline constexpr int kSetupButtonWidth = 100;
inline constexpr int ktitleCtrlWidthOffset = 15;
// The layout outlet of the box the feature rows are placed in.
inline constexpr const char* kFeatureGroupBoxOutlet = "printFeatureGroupBox";
// The scratch field a title is measured in.
inline constexpr int kTitleMeasureWidth = 200;

// Top edge of the row with the in-page index: -20 + (8 + 25) * (6 - index),
// so index 0 lies at 178 and index 5 at 13.
int RowTopOfIndex(const PFCtrlPositionData& position, int indexInPanel);

// The rows are laid out in the feature group box's own coordinates: origin
// at its lower left corner, y growing upward, so row 0 is on top. Widgets
// live in the panel's view with y growing downward, so a row's rectangle is
// placed through the box's frame in that view. A view without the box (a
// panel built without its layout) keeps the rectangle as it is.
platform::ui::Rect PanelFrameOfGroupBoxRect(const platform::ui::View* view, const platform::ui::Rect& inBox);
