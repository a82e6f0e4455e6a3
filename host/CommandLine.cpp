#include "host/CommandLine.h"

#include <charconv>
#include <functional>
#include <map>

#include "host/JobOptions.h"

namespace host {

namespace {

constexpr int kMaxCopies = 9999;

std::optional<platform::DestinationType> ParseDestinationType(std::string_view text)
{
    static const std::map<std::string_view, platform::DestinationType> kTypes = {
        {"printer", platform::DestinationType::Printer},
        {"file", platform::DestinationType::File},
        {"preview", platform::DestinationType::Preview},
        {"fax", platform::DestinationType::Fax}};
    const auto found = kTypes.find(text);
    if (found == kTypes.end()) return std::nullopt;
    return found->second;
}

// NAME=VALUE: a name an option string can carry, and any value.
bool SplitOption(std::string_view text, std::pair<std::string, std::string>& option)
{
    const size_t equals = text.find('=');
    if (equals == 0 || equals == std::string_view::npos) return false;
    const std::string_view name = text.substr(0, equals);
    if (!IsOptionName(name)) return false;
    option = {std::string(name), std::string(text.substr(equals + 1))};
    return true;
}

} // namespace

std::string_view UsageText()
{
    return "usage: printdialog (--ppd FILE | --dest QUEUE) [--printer-id ID] [--data-dir DIR]\n"
           "                   [--plugins DIR] [-o NAME=VALUE]... [--preset NAME]\n"
           "                   [--destination-type printer|file|preview|fax]\n"
           "                   [--script FILE|-] [--dump] [--options]\n"
           "                   [--print PDF] [--title T] [--copies N]\n"
           "       printdialog [FILE.pdf] [--window] [--ppd FILE | --dest QUEUE]\n"
           "                   [--screenshots DIR] [--options] [other options as above]\n";
}

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string_view>& args, std::string& error)
{
    CommandLine line;
    using Setter = std::function<bool(std::string_view)>;
    const auto text = [](auto& field) {
        return Setter([&field](std::string_view v) { return field = v, true; });
    };
    const std::map<std::string_view, Setter> withValue = {
        {"--ppd", text(line.ppdFile)},
        {"--dest", text(line.destination)},
        {"--printer-id", text(line.printerID)},
        {"--data-dir", text(line.dataDir)},
        {"--plugins", text(line.pluginDir)},
        {"--script", text(line.script)},
        {"--preset", text(line.preset)},
        {"--print", text(line.printFile)},
        {"--title", text(line.title)},
        {"--screenshots", text(line.screenshotDir)},
        {"-o",
         [&line](std::string_view v) {
             std::pair<std::string, std::string> option;
             if (!SplitOption(v, option)) return false;
             line.options.push_back(std::move(option));
             return true;
         }},
        {"--destination-type",
         [&line](std::string_view v) {
             const auto type = ParseDestinationType(v);
             if (type) line.destinationType = *type;
             return type.has_value();
         }},
        {"--copies",
         [&line](std::string_view v) {
             int copies = 0;
             const auto [end, status] = std::from_chars(v.data(), v.data() + v.size(), copies);
             if (status != std::errc() || end != v.data() + v.size() || copies < 1 || copies > kMaxCopies)
                 return false;
             line.copies = copies;
             return true;
         }},
    };
    const std::map<std::string_view, bool*> flags = {{"--dump", &line.dump},
                                                     {"--options", &line.printOptions},
                                                     {"--help", &line.help},
                                                     {"--window", &line.window}};

    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (const auto flag = flags.find(arg); flag != flags.end()) {
            *flag->second = true;
            continue;
        }
        const auto option = withValue.find(arg);
        if (option == withValue.end() && !arg.empty() && arg[0] != '-' && !line.document) {
            line.document = arg;
            continue;
        }
        if (option == withValue.end()) {
            error = "unknown argument \"" + std::string(arg) + "\"";
            return std::nullopt;
        }
        if (i + 1 == args.size()) {
            error = std::string(arg) + " needs a value";
            return std::nullopt;
        }
        const std::string_view value = args[++i];
        if (!option->second(value)) {
            error = "bad value for " + std::string(arg) + ": \"" + std::string(value) + "\"";
            return std::nullopt;
        }
    }
    if (line.help) return line;
    if (line.screenshotDir && !OpensWindow(line)) {
        error = "--screenshots needs the window (a document or --window, and no script)";
        return std::nullopt;
    }
    if (OpensWindow(line)) {
        // The window's printer chooser lists the driver's queues; --ppd or
        // --dest only picks the first printer shown.
        if (!line.ppdFile.empty() && !line.destination.empty()) {
            error = "give at most one of --ppd FILE and --dest QUEUE";
            return std::nullopt;
        }
        return line;
    }
    if (line.ppdFile.empty() == line.destination.empty()) {
        error = "give one of --ppd FILE and --dest QUEUE";
        return std::nullopt;
    }
    if (line.printFile && line.destination.empty()) {
        error = "--print needs --dest QUEUE to print to";
        return std::nullopt;
    }
    return line;
}

bool OpensWindow(const CommandLine& line) { return (line.document || line.window) && !line.script; }

} // namespace host
