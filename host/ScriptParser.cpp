#include "host/ScriptParser.h"

#include <charconv>
#include <map>

namespace host {

namespace {

using Verb = ScriptAction::Verb;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsClassChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

std::optional<int> ParseInt(std::string_view text)
{
    int value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || status != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Reads one line's words from left to right; the first failure is kept.
class LineReader {
public:
    explicit LineReader(std::string_view rest) : rest_(rest) {}

    bool AtEnd() const { return rest_.empty(); }
    const std::string& Failure() const { return failure_; }
    bool Fail(std::string reason)
    {
        if (failure_.empty()) failure_ = std::move(reason);
        return false;
    }

    void SkipBlanks()
    {
        while (!rest_.empty() && IsBlank(rest_.front())) rest_.remove_prefix(1);
    }

    // The next word up to a blank (none when at the end).
    std::string_view Word()
    {
        SkipBlanks();
        size_t end = 0;
        while (end < rest_.size() && !IsBlank(rest_[end])) ++end;
        const std::string_view word = rest_.substr(0, end);
        rest_.remove_prefix(end);
        return word;
    }

    // A text in double quotes, with \" and \\ inside.
    std::optional<std::string> Quoted()
    {
        SkipBlanks();
        if (rest_.empty() || rest_.front() != '"') return std::nullopt;
        std::string text;
        for (size_t i = 1; i < rest_.size(); ++i) {
            char c = rest_[i];
            if (c == '\\' && i + 1 < rest_.size() && (rest_[i + 1] == '"' || rest_[i + 1] == '\\')) {
                text += rest_[++i];
            } else if (c == '"') {
                rest_.remove_prefix(i + 1);
                if (!rest_.empty() && !IsBlank(rest_.front())) {
                    Fail("text after the closing quote");
                    return std::nullopt;
                }
                return text;
            } else {
                text += c;
            }
        }
        Fail("no closing quote");
        return std::nullopt;
    }

    bool NextIsQuote()
    {
        SkipBlanks();
        return !rest_.empty() && rest_.front() == '"';
    }

    std::optional<Target> ReadTarget()
    {
        Target target;
        if (NextIsQuote()) {
            std::optional<std::string> key = Quoted();
            if (!key) return Fail("bad title key"), std::nullopt;
            target.kind = Target::Kind::TitleKey;
            target.text = std::move(*key);
            return target;
        }
        const std::string_view word = Word();
        if (word.empty()) return Fail("no target"), std::nullopt;
        if (word.front() == '@') {
            const size_t hash = word.find('#');
            const std::string_view name =
                word.substr(1, hash == std::string_view::npos ? word.npos : hash - 1);
            bool valid = !name.empty();
            for (char c : name) valid = valid && IsClassChar(c);
            if (!valid) return Fail("bad class target \"" + std::string(word) + "\""), std::nullopt;
            target.kind = Target::Kind::Class;
            target.text = name;
            if (hash != std::string_view::npos) {
                const std::optional<int> index = ParseInt(word.substr(hash + 1));
                if (!index || *index < 1)
                    return Fail("bad class index in \"" + std::string(word) + "\""), std::nullopt;
                target.index = *index;
            }
            return target;
        }
        if (const std::optional<int> tag = ParseInt(word)) {
            target.kind = Target::Kind::Tag;
            target.tag = *tag;
            return target;
        }
        if (word.front() == '#' || (word.front() >= '0' && word.front() <= '9') || word.front() == '-')
            return Fail("bad target \"" + std::string(word) + "\""), std::nullopt;
        target.kind = Target::Kind::Keyword;
        target.text = word;
        return target;
    }

    std::optional<MenuItemRef> ReadItem()
    {
        MenuItemRef item;
        if (NextIsQuote()) {
            std::optional<std::string> key = Quoted();
            if (!key) return Fail("bad item key"), std::nullopt;
            item.kind = MenuItemRef::Kind::Key;
            item.text = std::move(*key);
            return item;
        }
        const std::string_view word = Word();
        if (word.empty()) return Fail("no item"), std::nullopt;
        if (word.front() == '#') {
            const std::optional<int> position = ParseInt(word.substr(1));
            if (!position || *position < 1)
                return Fail("bad item position \"" + std::string(word) + "\""), std::nullopt;
            item.position = *position;
            return item;
        }
        item.kind = MenuItemRef::Kind::Keyword;
        item.text = word;
        return item;
    }

    // One of two words: true for the first.
    std::optional<bool> Either(std::string_view first, std::string_view second)
    {
        const std::string_view word = Word();
        if (word == first) return true;
        if (word == second) return false;
        Fail("expected " + std::string(first) + " or " + std::string(second));
        return std::nullopt;
    }

    // What follows a target for `type`: nothing, or one space and the text.
    std::string RestAfterOneSpace()
    {
        if (rest_.empty()) return {};
        std::string text(rest_.substr(1));
        rest_ = {};
        return text;
    }

    bool NextIsSpaceOrEnd() const { return rest_.empty() || rest_.front() == ' '; }

    // The rest of the line without its outer blanks.
    std::string RestTrimmed()
    {
        SkipBlanks();
        std::string_view text = rest_;
        while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
        rest_ = {};
        return std::string(text);
    }

private:
    std::string_view rest_;
    std::string failure_;
};

bool ParseArguments(Verb verb, LineReader& reader, ScriptAction& action)
{
    const auto target = [&]() {
        std::optional<Target> t = reader.ReadTarget();
        if (t) action.target = std::move(*t);
        return t.has_value();
    };
    switch (verb) {
    case Verb::Panel: {
        action.name = reader.Word();
        return !action.name.empty() || reader.Fail("no panel named");
    }
    case Verb::Page: {
        const std::optional<int> page = ParseInt(reader.Word());
        if (!page || *page < 1) return reader.Fail("bad page number");
        action.page = *page;
        return true;
    }
    case Verb::Choose: {
        if (!target()) return false;
        std::optional<MenuItemRef> item = reader.ReadItem();
        if (!item) return false;
        action.item = std::move(*item);
        return true;
    }
    case Verb::Check: {
        if (!target()) return false;
        const std::optional<bool> on = reader.Either("on", "off");
        if (on) action.on = *on;
        return on.has_value();
    }
    case Verb::Step: {
        if (!target()) return false;
        const std::optional<bool> up = reader.Either("up", "down");
        if (up) action.direction = *up ? StepDirection::Up : StepDirection::Down;
        return up.has_value();
    }
    case Verb::Type: {
        if (!target()) return false;
        if (!reader.NextIsSpaceOrEnd()) return reader.Fail("the text must follow the target after one space");
        action.text = reader.RestAfterOneSpace();
        return true;
    }
    case Verb::Radio:
    case Verb::Press: return target();
    case Verb::PresetSave:
    case Verb::PresetLoad: {
        action.name = reader.RestTrimmed();
        return !action.name.empty() || reader.Fail("no preset name");
    }
    case Verb::Print:
    case Verb::Save:
    case Verb::Help:
    case Verb::Dump: return true;
    }
    return false;
}

std::optional<Verb> ReadVerb(LineReader& reader)
{
    static const std::map<std::string_view, Verb> kVerbs = {
        {"panel", Verb::Panel}, {"choose", Verb::Choose}, {"page", Verb::Page}, {"check", Verb::Check},
        {"radio", Verb::Radio}, {"type", Verb::Type},     {"step", Verb::Step}, {"press", Verb::Press},
        {"print", Verb::Print}, {"save", Verb::Save},     {"help", Verb::Help}, {"dump", Verb::Dump}};
    const std::string_view word = reader.Word();
    if (word == "preset") {
        const std::optional<bool> save = reader.Either("save", "load");
        if (!save) return std::nullopt;
        return *save ? Verb::PresetSave : Verb::PresetLoad;
    }
    const auto found = kVerbs.find(word);
    if (found == kVerbs.end()) {
        reader.Fail("unknown action \"" + std::string(word) + "\"");
        return std::nullopt;
    }
    return found->second;
}

} // namespace

std::optional<std::vector<ScriptAction>> ParseScript(std::string_view script, std::string& error)
{
    std::vector<ScriptAction> actions;
    int number = 0;
    while (!script.empty()) {
        ++number;
        const size_t end = std::min(script.find('\n'), script.size());
        std::string_view line = script.substr(0, end);
        script.remove_prefix(std::min(end + 1, script.size()));
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        std::string_view content = line;
        while (!content.empty() && IsBlank(content.front())) content.remove_prefix(1);
        if (content.empty() || content.front() == '#') continue;

        ScriptAction action;
        action.line = number;
        LineReader reader(content);
        const std::optional<Verb> verb = ReadVerb(reader);
        bool parsed = verb.has_value();
        if (parsed) {
            action.verb = *verb;
            parsed = ParseArguments(*verb, reader, action);
            if (parsed && *verb != Verb::Type) {
                reader.SkipBlanks();
                if (!reader.AtEnd()) parsed = reader.Fail("unexpected text at the end");
            }
        }
        if (!parsed) {
            error = "line " + std::to_string(number) + ": malformed action \"" + std::string(content) +
                    "\": " + reader.Failure();
            return std::nullopt;
        }
        std::string_view source = content;
        while (!source.empty() && IsBlank(source.back())) source.remove_suffix(1);
        action.source = source;
        actions.push_back(std::move(action));
    }
    return actions;
}

} // namespace host
