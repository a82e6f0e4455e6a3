// The Features panel: the pages of PPD options (AddUserPaneControl) and the
// constraint table built from the PPD.
#include "features/KPRINTFEATURESPDE.h"

#include <algorithm>

#include "constraints/PpdTextEncoding.h"
#include "constraints/XPPDBuild.h"
#include "constraints/XPPDCache.h"
#include "constraints/XPPDLookups.h"
#include "features/controls/PFCheckBox.h"
#include "features/controls/PFList.h"
#include "features/controls/PPDStaticTextCtrlExt.h"
#include "panelkit/UtilityFunction.h"

namespace {

constexpr std::string_view kGeneralGroup = "General";
constexpr std::string_view kExtraGroup = "Extra";
constexpr const char* kSupportedKeysEntry = "PMPPDKeysSupported";

bool Has(const std::vector<std::string>& list, std::string_view keyword)
{
    return std::find(list.begin(), list.end(), keyword) != list.end();
}

bool IsGeneralGroup(const ppd_group_t& group)
{
    return group.text == kGeneralGroup || group.text == kExtraGroup;
}

std::vector<const ppd_option_t*> OptionsOf(const ppd_group_t& group)
{
    std::vector<const ppd_option_t*> options;
    for (int o = 0; o < group.num_options; ++o) options.push_back(&group.options[o]);
    return options;
}

} // namespace

struct KPRINTFEATURESPDE::PaneBuild {
    std::optional<std::vector<std::string>> noSupport;
    std::vector<std::string> supported;

    // Counted as a real option: in the supported list, and not in the
    // no-support list when there is one.
    bool IsReal(std::string_view keyword) const
    {
        if (noSupport && Has(*noSupport, keyword)) return false;
        return Has(supported, keyword);
    }
    // Skipped by the pages: only with a no-support list.
    bool IsSkipped(std::string_view keyword) const { return noSupport && !IsReal(keyword); }
};

void KPRINTFEATURESPDE::AppendKeyword(std::string_view keyword)
{
    std::vector<std::string>& list = qvPPDKeywordList();
    if (!Has(list, keyword)) list.emplace_back(keyword);
}

int KPRINTFEATURESPDE::CountRealOptions(const std::vector<const ppd_option_t*>& options,
                                        const PaneBuild& build) const
{
    return static_cast<int>(std::count_if(options.begin(), options.end(), [&](const ppd_option_t* option) {
        return build.IsReal(option->keyword);
    }));
}

PPDStaticTextCtrlExt* KPRINTFEATURESPDE::AddTitleLabel(const ppd_option_t& option, int indexInPanel,
                                                       int group, int* titleWidth)
{
    *titleWidth = GetListTitleLength(GetUITitleFromPPD(m_ptCurrentPPD, option.keyword));
    auto label = std::make_unique<PPDStaticTextCtrlExt>();
    label->CreateControl(pfPopupButtonTitle, option.keyword, nullptr, nullptr, nullptr, std::nullopt,
                         *titleWidth, indexInPanel, group, PrintFeaturesView, &pfCtrlPositionData);
    PPDStaticTextCtrlExt* made = label.get();
    RunTimeAddNewControl(std::move(label));
    return made;
}

void KPRINTFEATURESPDE::AddGenericOptionControl(const ppd_option_t& option, int indexInPanel, int group,
                                                int totalWidth)
{
    if (option.ui == PPD_UI_PICKONE) {
        PopupRowPlacement placement;
        placement.ctrlTotalLength = totalWidth;
        placement.titleCtrl = AddTitleLabel(option, indexInPanel, group, &placement.titleCtrlLength);
        placement.indexInPanel = indexInPanel;
        placement.group = group;
        placement.parentGroup = PrintFeaturesView;
        auto list = std::make_unique<PFList>();
        list->CreateControl(nullptr, option.keyword, nullptr, nullptr, nullptr, std::nullopt, placement);
        RunTimeAddNewControl(std::move(list));
    } else if (option.ui == PPD_UI_BOOLEAN) {
        auto box = std::make_unique<PFCheckBox>();
        box->CreateControl(nullptr, option.keyword, nullptr, nullptr, nullptr, std::nullopt, indexInPanel,
                           group, PrintFeaturesView, &pfCtrlPositionData);
        RunTimeAddNewControl(std::move(box));
    } else {
        return; // other kinds take their position but get no control
    }
    AppendKeyword(option.keyword);
}

int KPRINTFEATURESPDE::AddPPDOptionToUserPane(const std::vector<const ppd_option_t*>& options,
                                              const std::string& title, int group, bool general,
                                              PaneBuild& build)
{
    const bool numbered = general || CountRealOptions(options, build) > pfCtrlPositionData.kMaxControlInPanel;
    AllGroupNameStrArray.push_back(numbered ? title + " 1" : title);
    int position = 0;
    int page = 0;
    for (const ppd_option_t* option : options) {
        if (build.IsSkipped(option->keyword)) continue;
        const int optionPage = position / pfCtrlPositionData.kMaxControlInPanel;
        if (optionPage != page) {
            page = optionPage;
            ++group;
            AllGroupNameStrArray.push_back(title + " " + std::to_string(page + 1));
        }
        AddGenericOptionControl(*option, position % pfCtrlPositionData.kMaxControlInPanel, group,
                                kPopUpCtrlTotalWidth);
        ++position;
    }
    return group;
}

int KPRINTFEATURESPDE::AddUserPaneControl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    if (bundle == nullptr || ppd == nullptr) return 0;
    const auto modeEntry = bundle->InfoNestedStringArrays(PrintFeaturesMode);
    if (!modeEntry) return 0;
    PaneBuild build;
    build.supported = bundle->InfoStringArray(kSupportedKeysEntry).value_or(std::vector<std::string>());
    if (modeEntry->size() == 1 && modeEntry->front()) {
        build.noSupport = *modeEntry->front();
        if (CheckPPDKeyIsExist(ppd, "QVIntSheet")) {
            build.noSupport->emplace_back("QVIntCoverSheet");
            build.noSupport->emplace_back("QVIntBackCoverSheet");
        }
        if (isLayoutPanelExist)
            for (std::string_view key : KQVLayoutGroupKeyArray) build.noSupport->emplace_back(key);
    }

    // General and Extra options make one general group, first.
    std::vector<const ppd_option_t*> generalOptions;
    for (int g = 0; g < ppd->num_groups; ++g) {
        if (!IsGeneralGroup(ppd->groups[g])) continue;
        for (const ppd_option_t* option : OptionsOf(ppd->groups[g])) {
            generalOptions.push_back(option);
            GeneralGroupOptionArray.emplace_back(option->keyword);
        }
    }
    int group = 0;
    int realTotal = 0;
    if (!generalOptions.empty()) {
        const int count = CountRealOptions(generalOptions, build);
        if (count > 0) {
            group = AddPPDOptionToUserPane(generalOptions, LocalizedText("GeneralGroupText"), group, true,
                                           build) +
                    1;
            realTotal = count;
        }
    }

    if (CheckPPDKeyIsExist(ppd, "QVIntSheet")) {
        for (std::string_view key : coversSeparatorKeyArray)
            if (CheckPPDKeyIsExist(ppd, std::string(key).c_str()))
                CoverSeparatorRealOptionKeyArray.emplace_back(key);
        if (!CoverSeparatorRealOptionKeyArray.empty()) {
            AllGroupNameStrArray.push_back(LocalizedText("Covers Separator Ttitle String"));
            CreateCoversSepControl(group);
            ++group;
        }
    }

    if (CheckPPDKeyIsExist(ppd, "QVSignature") && isLayoutPanelExist) {
        for (std::string_view key : layoutKeyArray)
            if (CheckPPDKeyIsExist(ppd, std::string(key).c_str())) LayoutOptionKeyArray.emplace_back(key);
        if (!LayoutOptionKeyArray.empty()) {
            AllGroupNameStrArray.push_back(LocalizedText("Layout Ttitle String"));
            CreateLayoutControl(group);
            ++group;
        }
    }

    for (int g = 0; g < ppd->num_groups; ++g) {
        const ppd_group_t& ppdGroup = ppd->groups[g];
        if (IsGeneralGroup(ppdGroup)) continue;
        const std::vector<const ppd_option_t*> options = OptionsOf(ppdGroup);
        const int count = CountRealOptions(options, build);
        realTotal += count;
        if (count > 0) {
            const std::string title = PPDRecordTextToUTF8(ppd, ppdGroup.text);
            group = AddPPDOptionToUserPane(options, title, group, false, build) + 1;
        }
    }

    if (CheckPPDKeyIsExist(ppd, "QVTabMarginShiftEx") || CheckPPDKeyIsExist(ppd, "QVTabNumberInSequence") ||
        CheckPPDKeyIsExist(ppd, "QVJog")) {
        AllGroupNameStrArray.push_back(LocalizedText("Adavaned Features Title"));
        CreateAdvancedFeaturesControl(group);
    }

    const int result = realTotal > 0 ? 0 : platform::kPDEErrorNothingToShow;
    if (!CDFKeyExist(ppd, kXppdCacheAttribute)) xSetxppd(ConstraintTable(), ppd);
    return result;
}

void KPRINTFEATURESPDE::xSetxppd(XppdTable* table, ppd_file_t* ppd)
{
    if (table == nullptr || ppd == nullptr || ppd->num_consts <= 0) return;
    BuildXppdFromConstraints(ppd, table, qvPPDKeywordList());
}
