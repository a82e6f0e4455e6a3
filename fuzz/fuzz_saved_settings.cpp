// The saved-settings and preset files of printdialog: arbitrary bytes in
// either file are read without harm, and what the dialog keeps afterwards
// (the values it read, or values of arbitrary text) reads back the same.
#include "FuzzSupport.h"

#include "host/SavedSettings.h"

#include <sys/stat.h>

#include <cstdlib>
#include <string>

namespace {

std::string DataFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/qvfuzz-" +
           std::to_string(getpid()) + "-saved";
}

void WriteFile(const std::string& path, std::string_view bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) fuzz::Fail("scratch file");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

bool Same(const host::SavedValues& a, const host::SavedValues& b)
{
    if (a.settings.size() != b.settings.size() || a.choices != b.choices) return false;
    for (size_t i = 0; i < a.settings.size(); ++i) {
        const auto& x = a.settings[i];
        const auto& y = b.settings[i];
        if (x.key != y.key || x.value != y.value || x.locked != y.locked) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string folder = DataFolder();
    static const std::string printer = folder + "/printers/fz";
    static const bool made = mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
    (void)made;
    mkdir((folder + "/printers").c_str(), 0700);
    mkdir(printer.c_str(), 0700);

    fuzz::Input in(data, size);
    const uint8_t control = in.Byte();
    const std::string name(in.Piece('\n'));
    const std::string key(in.Piece('\n'));
    const std::string value(in.Piece('\n'));
    const std::string_view file = in.Rest();
    // Names and values come from the command line and the panels: no NUL.
    for (const std::string* text : {&name, &key, &value})
        if (text->find('\0') != std::string::npos) return 0;
    unlink((printer + "/LastUsedSettings.plist").c_str());
    unlink((printer + "/Presets.plist").c_str());
    if (control & 1) WriteFile(printer + "/LastUsedSettings.plist", file);
    if (control & 2) WriteFile(printer + "/Presets.plist", file);

    host::SettingsStore store(folder, "fz");
    const std::optional<host::SavedValues> read = store.LastUsed();
    const std::optional<host::SavedValues> preset = store.Preset(name);
    for (const auto* values : {&read, &preset}) {
        if (!*values) continue;
        for (const auto& entry : (*values)->settings) FUZZ_CHECK(!entry.key.empty());
        for (const auto& [option, choice] : (*values)->choices)
            FUZZ_CHECK(!option.empty() && !choice.empty());
    }

    // What is kept now comes back whole, whatever the files held before.
    host::SavedValues kept = read.value_or(host::SavedValues{});
    if (!key.empty()) kept.settings.push_back({key, value, (control & 4) != 0});
    if (!key.empty() && !value.empty() && (control & 8)) kept.choices.emplace_back(key, value);
    store.StageLastUsed(kept);
    store.StagePreset(name, kept);
    std::string error;
    FUZZ_CHECK(store.Commit(error));
    host::SettingsStore again(folder, "fz");
    const std::optional<host::SavedValues> back = again.LastUsed();
    FUZZ_CHECK(back && Same(*back, kept));
    const std::optional<host::SavedValues> backPreset = again.Preset(name);
    FUZZ_CHECK(backPreset && Same(*backPreset, kept));
    return 0;
}
