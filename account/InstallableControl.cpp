#include "account/InstallableControl.h"

#include <cstring>

namespace {

// Answer of ConstrainPanelControlFromPPD when a rule was applied.
constexpr int kInstallableRuleApplied = 1000;

} // namespace

bool InstallableControl::CreateControl(const char* optionKey, std::span<const InstallableConstrainInfo> rules)
{
    BaseControl::CreateControl(nullptr);
    kPPDMainKey = optionKey;
    installableOptionConstrainInfoPtr = rules;
    return true;
}

int InstallableControl::ConstrainPanelControlFromPPD(ppd_file_t* ppd)
{
    if (ppd == nullptr || kPPDMainKey == nullptr) return 0;
    const ppd_choice_t* marked = ppdFindMarkedChoice(ppd, kPPDMainKey);
    if (marked == nullptr) return 0;
    for (const InstallableConstrainInfo& rule : installableOptionConstrainInfoPtr) {
        if (rule.choice == nullptr) continue;
        if (std::strncmp(marked->choice, rule.choice, std::strlen(rule.choice)) == 0) {
            DisableControlConstrains(rule.disableList);
            return kInstallableRuleApplied;
        }
    }
    return 0;
}

std::optional<std::string> InstallableControl::ControlPPDKeyword() const
{
    if (kPPDMainKey == nullptr) return std::nullopt;
    return std::string(kPPDMainKey);
}
