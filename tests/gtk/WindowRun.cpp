#include "WindowRun.h"

#include <chrono>

#include "tests/support/FileBytes.h"
#include "tests/support/WaitUntil.h"

namespace gtk_test {

namespace {

// The window takes a moment after showing a change before it takes input
// where the change put things (a pane just shown, a menu just opened).
constexpr auto kSettle = std::chrono::milliseconds(400);
constexpr int kClickTries = 3;
constexpr int kPlaceLooks = 10;

// An optional holding the value: nlohmann::json converts itself to almost
// any type, std::optional included, so it is never handed over bare.
std::optional<nlohmann::json> Some(const nlohmann::json& value)
{
    return std::optional<nlohmann::json>(std::in_place, value);
}

bool Matches(const nlohmann::json& entry, const nlohmann::json& fields)
{
    for (const auto& [key, value] : fields.items())
        if (!entry.contains(key) || entry[key] != value) return false;
    return true;
}

std::optional<nlohmann::json> FindControl(const nlohmann::json& map, const nlohmann::json& fields)
{
    if (!map.is_object()) return std::nullopt;
    for (const nlohmann::json& control : map["controls"])
        if (Matches(control, fields)) return Some(control);
    return std::nullopt;
}

void RunXdotool(std::vector<std::string> args)
{
    testing_support::RunProcess({.program = "xdotool", .args = std::move(args), .timeoutSeconds = 10});
}

} // namespace

std::map<std::string, std::string> ScreenEnvironment()
{
    return {
        {"GDK_BACKEND", "x11"}, {"GTK_A11Y", "none"}, {"NO_AT_BRIDGE", "1"}, {"GSETTINGS_BACKEND", "memory"}};
}

Finder Named(const std::string& name)
{
    return [name](const nlohmann::json& map) -> std::optional<nlohmann::json> {
        if (!map.is_object()) return std::nullopt;
        for (const nlohmann::json& entry : map["named"])
            if (entry["name"] == name) return Some(entry);
        return std::nullopt;
    };
}

Finder NamedStarting(const std::string& prefix)
{
    return [prefix](const nlohmann::json& map) -> std::optional<nlohmann::json> {
        if (!map.is_object()) return std::nullopt;
        for (const nlohmann::json& entry : map["named"])
            if (entry["name"].get<std::string>().starts_with(prefix)) return Some(entry);
        return std::nullopt;
    };
}

Finder Control(const nlohmann::json& fields)
{
    return [fields](const nlohmann::json& map) { return FindControl(map, fields); };
}

Finder MenuItem(const nlohmann::json& popupFields, const std::string& key)
{
    return [popupFields, key](const nlohmann::json& map) -> std::optional<nlohmann::json> {
        const std::optional<nlohmann::json> popup = FindControl(map, popupFields);
        if (!popup) return std::nullopt;
        for (const nlohmann::json& item : (*popup)["items"])
            if (item["key"] == key && item.contains("at")) return Some(item["at"]);
        return std::nullopt;
    };
}

Finder MenuItemAt(const nlohmann::json& popupFields, int index)
{
    return [popupFields, index](const nlohmann::json& map) -> std::optional<nlohmann::json> {
        const std::optional<nlohmann::json> popup = FindControl(map, popupFields);
        if (!popup || index >= static_cast<int>((*popup)["items"].size())) return std::nullopt;
        const nlohmann::json& item = (*popup)["items"][static_cast<size_t>(index)];
        if (!item.contains("at")) return std::nullopt;
        return Some(item["at"]);
    };
}

Finder Gone(Finder finder)
{
    return [finder](const nlohmann::json& map) -> std::optional<nlohmann::json> {
        if (!map.is_object() || finder(map)) return std::nullopt;
        return Some(true);
    };
}

WindowRun::WindowRun(const dialog_test::DialogRunner& runner, std::vector<std::string> args,
                     std::map<std::string, std::string> env)
    : mapPath_(runner.Dir().file("widget-map.json"))
{
    env.merge(ScreenEnvironment());
    env["QV_WIDGET_MAP"] = mapPath_;
    args.insert(args.begin(), "--window");
    thread_ = std::thread([this, &runner, args, env] { result_ = runner.Run(args, "", env); });
}

WindowRun::~WindowRun() { Finish(); }

const testing_support::ProcessResult& WindowRun::Finish()
{
    if (!finished_) {
        thread_.join();
        finished_ = true;
    }
    return result_;
}

nlohmann::json WindowRun::Map() const
{
    std::error_code error;
    const std::string text = testing_support::ReadFile(mapPath_, error);
    if (error) return nullptr;
    return nlohmann::json::parse(text, nullptr, false);
}

std::optional<nlohmann::json> WindowRun::WaitFor(const Finder& finder, int seconds) const
{
    std::optional<nlohmann::json> found;
    testing_support::WaitUntil(
        [&] {
            found = finder(Map());
            return found.has_value();
        },
        std::chrono::seconds(seconds));
    return found;
}

bool WindowRun::ClickOnce(const Finder& target) const
{
    // Where the target is once it stays put: a window's first layout passes
    // can move things before it settles.
    std::optional<nlohmann::json> place = WaitFor(target);
    for (int look = 0; place && look < kPlaceLooks; ++look) {
        std::this_thread::sleep_for(kSettle);
        const std::optional<nlohmann::json> again = WaitFor(target);
        if (again == place) break;
        place = again;
    }
    if (!place) return false;
    const int x = (*place)["x"].get<int>() + (*place)["width"].get<int>() / 2;
    const int y = (*place)["y"].get<int>() + (*place)["height"].get<int>() / 2;
    RunXdotool({"mousemove", "--sync", std::to_string(x), std::to_string(y), "click", "1"});
    return true;
}

bool WindowRun::ClickUntil(const Finder& target, const Finder& done) const
{
    for (int attempt = 0; attempt < kClickTries; ++attempt) {
        if (!ClickOnce(target)) return false;
        if (WaitFor(done, 3)) return true;
    }
    return false;
}

void WindowRun::Type(const std::string& text) const
{
    std::this_thread::sleep_for(kSettle);
    RunXdotool({"type", "--delay", "40", text});
}

void WindowRun::Key(const std::string& key) const { RunXdotool({"key", key}); }

} // namespace gtk_test
