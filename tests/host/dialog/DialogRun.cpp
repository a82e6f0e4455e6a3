#include "DialogRun.h"

#include <algorithm>
#include <filesystem>

#include "tests/support/FileBytes.h"

namespace dialog_test {

nlohmann::json LastJson(const std::string& out)
{
    const size_t end = out.find_last_not_of('\n');
    if (end == std::string::npos) return nullptr;
    const size_t start = out.rfind('\n', end);
    const std::string line = out.substr(start == std::string::npos ? 0 : start + 1, end + 1 - (start + 1));
    return nlohmann::json::parse(line, nullptr, false);
}

const nlohmann::json* FindPanel(const nlohmann::json& snapshot, const std::string& kindTail)
{
    for (const nlohmann::json& panel : snapshot.at("panels")) {
        const std::string kind = panel.at("kind");
        if (kind.size() >= kindTail.size() &&
            kind.compare(kind.size() - kindTail.size(), kindTail.size(), kindTail) == 0)
            return &panel;
    }
    return nullptr;
}

const nlohmann::json* FindControl(const nlohmann::json& controls, int tag)
{
    for (const nlohmann::json& control : controls)
        if (control.at("tag") == tag) return &control;
    return nullptr;
}

std::vector<std::string> EventNames(const nlohmann::json& snapshot)
{
    std::vector<std::string> names;
    for (const nlohmann::json& entry : snapshot.at("log")) names.push_back(entry.at("event"));
    return names;
}

DialogRunner::DialogRunner() = default;

testing_support::ProcessResult DialogRunner::Run(std::vector<std::string> args, const std::string& script,
                                                 std::map<std::string, std::string> env) const
{
    const auto has = [&args](const char* name) {
        return std::find(args.begin(), args.end(), name) != args.end();
    };
    std::vector<std::string> full;
    if (!has("--ppd") && !has("--dest")) full.insert(full.end(), {"--ppd", QV_PROBE_PPD});
    if (!has("--plugins")) full.insert(full.end(), {"--plugins", QV_PROBE_PLUGINS});
    if (!has("--data-dir")) full.insert(full.end(), {"--data-dir", DataDir()});
    if (!script.empty()) full.insert(full.end(), {"--script", "-"});
    full.insert(full.end(), args.begin(), args.end());
    // The framework's folders follow the data folder; nothing of the
    // machine's or the test runner's own settings reaches the run.
    std::map<std::string, std::string> environment = {{"HOME", dir_.file("home")},
                                                      {"XDG_CONFIG_HOME", ""},
                                                      {"LANG", "C"},
                                                      {"LANGUAGE", ""},
                                                      {"LC_ALL", ""},
                                                      {"QV_APPLICATION_SUPPORT", ""},
                                                      {"QV_USER_PREFERENCES", ""},
                                                      {"QV_SYSTEM_PREFERENCES", ""},
                                                      {"QV_HELP_REGISTRATION", ""},
                                                      {"QV_PLUGIN_PATH", ""}};
    for (auto& [name, value] : env) environment[name] = value;
    return testing_support::RunProcess({.program = QV_PRINTDIALOG,
                                        .args = full,
                                        .env = environment,
                                        .stdinData = script,
                                        .timeoutSeconds = 60});
}

std::map<std::string, std::string> DialogRunner::DataFiles() const
{
    std::map<std::string, std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(DataDir(), error))
        if (entry.is_regular_file())
            files[entry.path().string()] = testing_support::ReadFile(entry.path().string());
    return files;
}

} // namespace dialog_test
