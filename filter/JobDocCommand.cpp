// The job document group of the PJL header: copies, quality, colour, collation,
// trapping, paper source, paper size, media type, feed direction, duplex,
// finishing and pages per sheet.
#include "filter/JobCommands.h"

#include "filter/DuplexCommand.h"
#include "filter/FieldText.h"
#include "filter/FinishingCommand.h"
#include "filter/MediaTables.h"
#include "filter/ModelGroup.h"
#include "filter/PjlLine.h"
#include "filter/JobInput.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The option values the group is written from. An empty option takes a fixed
// default, but only on a printer whose PPD offers the option: a printer without
// a stapler must not be told "no staple", nor a monochrome one "colour".
struct JobDocValues {
    std::string outputMode;
    std::string colorMode;
    std::string trapping;
    std::string inputSlot;
    std::string msiLeadingEdge;
    std::string mediaType;
    std::string staple;
    std::string punch;
};

std::string ValueOrDefault(std::string_view value, ppd_file_t* ppd, const char* option,
                           std::string_view fallback)
{
    if (!value.empty()) return std::string(value);
    if (ppd != nullptr && ppdFindOption(ppd, option) != nullptr) return std::string(fallback);
    return {};
}

std::optional<std::string_view> QualityName(std::string_view outputMode)
{
    if (outputMode == "HighSpeed") return "SPEED";
    if (outputMode == "Standard") return "STANDARD";
    if (outputMode == "HighQuality") return "QUALITY2";
    return std::nullopt;
}

std::optional<std::string_view> RenderModeName(std::string_view colorMode)
{
    if (colorMode == "Color") return "AUTOCOLOR";
    if (colorMode == "Black") return "GRAYSCALE";
    return std::nullopt;
}

void OutputCollate(std::string_view collate)
{
    if (collate == "false")
        MakePJLCommand("SET", "COLLATE", "OFF");
    else if (collate == "true")
        MakePJLCommand("SET", "COLLATE", "COLLATENORMAL");
}

void OutputQualityAndColor(const JobDocValues& values, std::string_view collate)
{
    const std::optional<std::string_view> quality = QualityName(values.outputMode);
    if (!values.colorMode.empty()) {
        // A colour printer. One whose PPD has no print-mode option still needs
        // the colour choice, or a black-and-white job would print in colour.
        if (quality) MakePJLCommand("ATTR", "DIPQ", *quality);
        OutputCollate(collate);
        if (const auto renderMode = RenderModeName(values.colorMode))
            MakePJLCommand("SET", "RENDERMODE", *renderMode);
        return;
    }
    // A monochrome printer prints in greys whatever its print mode.
    if (quality) {
        MakePJLCommand("ATTR", "DIPQ", *quality);
        MakePJLCommand("SET", "RENDERMODE", "GRAYSCALE");
    }
    OutputCollate(collate);
}

void OutputTrapping(std::string_view trapping)
{
    if (trapping == "true")
        MakePJLCommand("ATTR", "TRAP", "ON");
    else if (trapping == "false")
        MakePJLCommand("ATTR", "TRAP", "OFF");
}

// Tray number of "1stTray".."4thTray", or 0.
int TrayNumber(std::string_view inputSlot)
{
    constexpr std::array<std::string_view, 4> kTrays = {"1stTray", "2ndTray", "3rdTray", "4thTray"};
    for (size_t i = 0; i < kTrays.size(); ++i)
        if (kTrays[i] == inputSlot) return static_cast<int>(i) + 1;
    return 0;
}

// Writes the paper-source line; true when the bypass tray is chosen.
bool OutputPaperSource(JobDocValues& values, ppd_file_t* ppd, std::optional<std::string_view> modelName)
{
    if (values.inputSlot == "AutoSelect") {
        MakePJLCommand("SET", "AUTOSELECT", "ON");
        return false;
    }
    if (const int tray = TrayNumber(values.inputSlot); tray != 0) {
        // A tray loaded with the printer's default media is chosen by source;
        // any other media type goes with the tray as an input attribute.
        const std::string number = std::to_string(tray);
        if (values.mediaType == "Default")
            MakePJLCommand("SET", "MEDIASOURCE", "TRAY" + number);
        else
            MakePJLCommand("ATTR", "INPT", "INTRAY" + number);
        return false;
    }
    if (values.inputSlot == "BypassTray") {
        MakePJLCommand("SET", "MEDIASOURCE", BypassTrayName(modelName));
        values.msiLeadingEdge = ValueOrDefault(values.msiLeadingEdge, ppd, "QVMSILeadingEdge", "ShortEdge");
        return true;
    }
    return false;
}

void OutputPaperSize(std::string_view media)
{
    if (const auto paper = PaperSizeName(media)) MakePJLCommand("SET", "PAPER", *paper);
}

void OutputMediaType(std::string_view mediaType, bool bypassTray, std::optional<std::string_view> modelName)
{
    if (mediaType == "Default") {
        MakePJLCommand("SET", "MEDIATYPE", "OFF");
        return;
    }
    if (const auto name = MediaTypeName(mediaType, bypassTray, modelName))
        MakePJLCommand("ATTR", bypassTray ? "MSIP" : "APSP", *name);
}

void OutputFeedDirection(std::string_view leadingEdge)
{
    if (leadingEdge == "LongEdge" || leadingEdge == "LongEdgeR")
        MakePJLCommand("SET", "PAPERDIRECTION", "LEF");
    else if (leadingEdge == "ShortEdge" || leadingEdge == "ShortEdgeR")
        MakePJLCommand("SET", "PAPERDIRECTION", "SEF");
}

void OutputPagesPerSheet(std::string_view numberUp)
{
    // The field holds "1" or "N" and the page count, as the printer takes it.
    MakePJLCommand("ATTR", "NLPP", numberUp.empty() || numberUp == "1" ? std::string_view("1") : numberUp);
}

} // namespace

void OutputJobDocCommand(char** argv, const PrintOptions& options)
{
    OutputPrintTypeCommand(argv, options);

    const FeaturesOption& features = options.features;
    const std::string_view collate = FieldText(features.collate);

    MakePJLCommand("SET", collate == "true" ? "QTY" : "COPIES", argv[4] != nullptr ? argv[4] : "");
    MakePJLCommand("ATTR", "FSTP", "0");
    MakePJLCommand("ATTR", "LSTP", "0");
    MakePJLCommand("SET", "OUTBIN", "MAINTRAY");
    MakePJLCommand("ATTR", "LOUT", "NOSCALING");

    ppd_file_t* ppd = JobPPD();
    const std::optional<std::string_view> modelName = FindModelName(ppd);

    JobDocValues values;
    values.outputMode = ValueOrDefault(FieldText(features.outputMode), ppd, "QVOutputMode", "Standard");
    values.colorMode = ValueOrDefault(FieldText(features.colorMode), ppd, "QVColorMode", "Color");
    OutputQualityAndColor(values, collate);

    values.trapping = ValueOrDefault(FieldText(features.trapping), ppd, "QVTrapping", "true");
    OutputTrapping(values.trapping);

    values.inputSlot = ValueOrDefault(FieldText(features.inputSlot), ppd, "QVInputSlot", "AutoSelect");
    // The tray line looks at the media type as the job gave it: only a job that
    // names the printer's default media picks the tray as a plain source.
    values.mediaType = FieldText(features.mediaType);
    values.msiLeadingEdge = FieldText(features.msiLeadingEdge);
    const bool bypassTray = OutputPaperSource(values, ppd, modelName);

    OutputPaperSize(FieldText(features.media));
    values.mediaType = ValueOrDefault(values.mediaType, ppd, "MediaType", "Default");
    OutputMediaType(values.mediaType, bypassTray, modelName);
    if (bypassTray && !values.msiLeadingEdge.empty()) OutputFeedDirection(values.msiLeadingEdge);

    OutputDuplexCommand(FindJobDuplex(features.duplex, JobOptions(argv), ppd));

    values.staple = ValueOrDefault(FieldText(features.staple), ppd, "QVStaple", "None");
    values.punch = ValueOrDefault(FieldText(features.punch), ppd, "QVPunch", "None");
    OutputFinishingCommand(values.staple, values.punch, features);

    MakePJLCommand("SET", "TIMEOUT", "0");
    OutputPagesPerSheet(FieldText(features.numberUp));
}
