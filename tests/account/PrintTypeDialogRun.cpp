#include "tests/account/PrintTypeDialogRun.h"

#include <cups/cups.h>

#include <filesystem>
#include <sstream>

#include "tests/support/FileBytes.h"
#include "tests/support/ProcessRunner.h"

namespace printtype_test {

std::string ShippedPPD(const std::string& name) { return std::string(QV_PPD_DIR) + "/" + name; }

std::map<std::string, std::string> DialogResult::Options() const
{
    std::map<std::string, std::string> parsed;
    cups_option_t* list = nullptr;
    const int count = cupsParseOptions(options.c_str(), 0, &list);
    for (int i = 0; i < count; ++i) parsed[list[i].name] = list[i].value;
    cupsFreeOptions(count, list);
    return parsed;
}

const nlohmann::json& DialogResult::Pane() const
{
    static const nlohmann::json none = nlohmann::json::object();
    if (!dump.contains("panels")) return none;
    for (const nlohmann::json& panel : dump["panels"]) {
        if (panel["kind"] == "com.quorvel.kt.mq22.pde.PrintTypeKind") return panel;
    }
    return none;
}

std::vector<std::string> DialogResult::AlertTexts() const
{
    std::vector<std::string> texts;
    if (!dump.contains("log")) return texts;
    for (const nlohmann::json& event : dump["log"]) {
        if (event["event"] == "alert") texts.push_back(event["text"]);
    }
    return texts;
}

PrintTypeDialog::PrintTypeDialog()
{
    std::filesystem::create_directory(dir_.file("plugins"));
    std::filesystem::create_directory_symlink(QV_ACCOUNT_BUNDLE, dir_.file("plugins/accountpanel.plugin"));
}

DialogResult PrintTypeDialog::Run(const std::string& ppdPath, const std::string& script,
                                  const std::vector<std::string>& extraArgs) const
{
    testing_support::ProcessRequest request;
    request.program = QV_PRINTDIALOG;
    request.args = {"--ppd",    ppdPath, "--plugins", dir_.file("plugins"), "--data-dir", dir_.file("data"),
                    "--script", "-",     "--dump",    "--options"};
    request.args.insert(request.args.end(), extraArgs.begin(), extraArgs.end());
    request.env = {{"LANG", "C"}, {"LANGUAGE", ""}, {"LC_ALL", ""}, {"LC_MESSAGES", ""}};
    request.stdinData = script;
    const testing_support::ProcessResult run = testing_support::RunProcess(request);
    DialogResult result;
    result.status = run.status;
    result.err = run.err;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.front() == '{')
            result.dump = nlohmann::json::parse(line, nullptr, false);
        else if (!line.empty())
            result.options = line;
    }
    return result;
}

std::vector<std::string> PrintTypeDialog::PrinterHeader(const std::string& ppdPath,
                                                        const std::string& options) const
{
    testing_support::ProcessRequest request;
    request.program = QV_SPOOLWRAP;
    request.args = {"7", "alice", "report", "1", options};
    request.env = {
        {"PPD", ppdPath}, {"TMPDIR", dir_.path()}, {"SPOOLWRAP_JOBCOPY_MARKER", dir_.file("no-marker")}};
    request.cleanEnvironment = true;
    request.stdinFile = QV_SAMPLE_PDF;
    const testing_support::ProcessResult run = testing_support::RunProcess(request);
    std::vector<std::string> lines;
    std::istringstream stream(run.out);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
        if (line == "@PJL ENTER LANGUAGE=PDF") break;
    }
    return lines;
}

std::string PrintTypeDialog::EditedPPD(const std::string& ppdPath,
                                       const std::vector<std::string>& removedPrefixes,
                                       const std::string& addedLines) const
{
    std::istringstream in(testing_support::ReadFile(ppdPath));
    std::string out;
    for (std::string line; std::getline(in, line);) {
        bool removed = false;
        for (const std::string& prefix : removedPrefixes) removed = removed || line.rfind(prefix, 0) == 0;
        if (removed) continue;
        out += line + "\n";
        if (line.rfind("*PCFileName", 0) == 0) out += addedLines;
    }
    static int count = 0;
    return dir_.Write("edited" + std::to_string(++count) + ".ppd", out);
}

const nlohmann::json* Control(const nlohmann::json& controls, int tag)
{
    for (const nlohmann::json& control : controls) {
        if (control["tag"] == tag) return &control;
    }
    return nullptr;
}

std::string SummaryText(const nlohmann::json& panel, const std::string& title)
{
    if (!panel.contains("summary")) return {};
    for (const nlohmann::json& line : panel["summary"]) {
        if (line[0] == title) return line[1];
    }
    return {};
}

} // namespace printtype_test
