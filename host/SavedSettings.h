// What the dialog remembers between runs, per printer, under the data folder:
// the print settings and PPD choices of the last print or save ("Last Used
// Settings") and named presets beside them.
//
//   <data>/printers/<printer ID>/LastUsedSettings.plist
//   <data>/printers/<printer ID>/Presets.plist   (preset name -> values)
//
// The print settings hold passcodes as reversible cipher text, so the files
// are the user's alone (mode 0600, folders 0700); each is rewritten
// atomically under its lock (platform/LockedPlistFile.h). Writes wait until
// Commit, so a run that ends on bad input leaves the files as they were.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/PrintSettings.h"

namespace host {

struct SavedValues {
    std::vector<platform::PrintSettings::Entry> settings;
    std::vector<std::pair<std::string, std::string>> choices; // PPD option keyword, choice keyword
};

class SettingsStore {
public:
    SettingsStore(std::string dataDir, const std::string& printerID);

    // The last used values; nothing when none were kept (or the file cannot
    // be read as them).
    std::optional<SavedValues> LastUsed() const;
    // A preset, one saved in this run first; nothing when there is none.
    std::optional<SavedValues> Preset(std::string_view name) const;
    // The names of the printer's presets, those saved in this run too, in name order.
    std::vector<std::string> PresetNames() const;

    void StageLastUsed(SavedValues values) { lastUsed_ = std::move(values); }
    void StagePreset(const std::string& name, SavedValues values) { presets_[name] = std::move(values); }

    // Writes what was staged; false with `error` when a file could not be written.
    bool Commit(std::string& error);

private:
    std::string folder_;
    std::optional<SavedValues> lastUsed_;
    std::map<std::string, SavedValues, std::less<>> presets_;
};

} // namespace host
