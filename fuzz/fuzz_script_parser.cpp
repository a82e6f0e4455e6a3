// The dialog's script reader on arbitrary text: a parse either gives actions
// or names the first bad line; it never reads past the text.
#include "FuzzSupport.h"

#include "host/ScriptParser.h"

#include <algorithm>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view script(reinterpret_cast<const char*>(data), size);
    std::string error;
    const std::optional<std::vector<host::ScriptAction>> actions = host::ParseScript(script, error);
    const size_t lines = static_cast<size_t>(std::count(script.begin(), script.end(), '\n')) + 1;
    if (!actions) {
        // The failure names its line, one of the script's.
        FUZZ_CHECK(error.rfind("line ", 0) == 0);
        const size_t line = std::stoul(error.substr(5));
        FUZZ_CHECK(line >= 1 && line <= lines);
        return 0;
    }
    FUZZ_CHECK(actions->size() <= lines);
    int previous = 0;
    for (const host::ScriptAction& action : *actions) {
        // One action a line, in the script's order, each line as written.
        FUZZ_CHECK(action.line > previous && static_cast<size_t>(action.line) <= lines);
        previous = action.line;
        FUZZ_CHECK(script.find(action.source) != std::string_view::npos);
        FUZZ_CHECK(action.source.find('\n') == std::string::npos);
        if (action.verb == host::ScriptAction::Verb::Page) FUZZ_CHECK(action.page >= 1);
        if (action.verb == host::ScriptAction::Verb::Choose &&
            action.item.kind == host::MenuItemRef::Kind::Position)
            FUZZ_CHECK(action.item.position >= 1);
    }
    // The same text reads the same way again.
    std::string again;
    const auto second = host::ParseScript(script, again);
    FUZZ_CHECK(second && second->size() == actions->size());
    return 0;
}
