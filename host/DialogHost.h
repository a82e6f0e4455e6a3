// The print dialog as the extensions see it (platform::PrintDialogHost): the
// printer's PPD, the job's print settings, the print session and the host's
// services. A PPD choice an extension hands over is marked in the PPD and
// kept as the job option "Keyword=Choice".
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/PpdFile.h"
#include "platform/PrintDialogHost.h"

namespace host {

class DialogHost : public platform::PrintDialogHost {
public:
    DialogHost(PpdFilePtr ppd, const std::string& printerID, platform::DestinationType destination,
               platform::HostServices& services);

    ppd_file_t* ppdFile() override { return ppd_.get(); }
    platform::PrintSettings* printSettings() override { return &settings_; }
    platform::PrintSession* printSession() override { return &session_; }
    // Marks the choice (MarkChoice) and tells every panel (the listener).
    bool willChangePPDOptionKeyValue(std::string_view option, std::string_view choice) override;
    platform::HostServices& hostServices() override { return services_; }

    // Whether the PPD has an option of that keyword.
    bool IsPPDOption(std::string_view keyword) const;
    // Marks a choice of a PPD option and keeps "Keyword=Choice" as a job
    // option (replacing an earlier choice of the option, in its place). False
    // when the PPD has no such option or choice; a custom value
    // ("Custom.<value>") is taken for an option with a custom choice.
    bool MarkChoice(std::string_view option, std::string_view choice);
    // The PPD choices the dialog set, in the order their options were first
    // set: an ordered map with replace-in-place, which PrintSettings is.
    const platform::PrintSettings& Choices() const { return choices_; }

    // Called for every choice an extension changes (PPDOptionKeyValueDidChange).
    void SetChoiceListener(std::function<void(const std::string&, const std::string&)> listener)
    {
        listener_ = std::move(listener);
    }

private:
    PpdFilePtr ppd_;
    platform::PrintSettings settings_;
    platform::PrintSession session_;
    platform::HostServices& services_;
    platform::PrintSettings choices_;
    std::function<void(const std::string&, const std::string&)> listener_;
};

} // namespace host
