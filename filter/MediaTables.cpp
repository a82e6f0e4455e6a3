#include "filter/MediaTables.h"

#include "filter/ModelGroup.h"

#include <array>

namespace {

struct PaperSizeRow {
    std::string_view media;
    std::string_view paper;
};

constexpr std::array<PaperSizeRow, 8> kPaperSizes = {{
    {"A3", "A3"},
    {"B4", "JISB4"},
    {"A4", "A4"},
    {"B5", "JISB5"},
    {"A5", "A5"},
    {"Letter", "LETTER"},
    {"Legal", "LEGAL"},
    {"Tabloid", "LEDGER"},
}};

// An empty tray value: the media type cannot be fed from a tray.
struct MediaTypeRow {
    std::string_view mediaType;
    std::string_view tray;
    std::string_view bypass;
};

constexpr std::array<MediaTypeRow, 21> kMediaTypes = {{
    {"Stationary", "NORMAL", "NORMAL"},
    {"StationaryBack", "", "NORMALREV"},
    {"ThickPaper", "THICK", "THICK"},
    {"Transparency", "THICK", "THICK"},
    {"TRANSPARENCY", "THICK", "THICK"},
    {"FinePaper", "HIGHQUALITY", "HIGHQUALITY"},
    {"FinePaperBack", "", "HIGHQUALITYREV"},
    {"RecyclePaper", "RECYCLE", "RECYCLE"},
    {"LetterheadPaper", "LETTERHEAD", "LETTERHEAD"},
    {"PreprintedPaper", "PREPRINTED", "PREPRINTED"},
    {"PrepunchedPaper", "PREPUNCHED", "PREPUNCHED"},
    {"ColoredPaper", "COLOR", "COLOR"},
    {"ThickPaper3", "THICK3", "THICK3"},
    {"CoatingPaper1", "COATEDPAPER", "COATEDPAPER"},
    {"CoatingPaper1Back", "", "COATEDPAPERREV"},
    {"CoatingPaper2", "COATEDPAPER2", "COATEDPAPER2"},
    {"CoatingPaper2Back", "", "COATEDPAPER2REV"},
    {"CoatingPaper3", "COATEDPAPER3", "COATEDPAPER3"},
    {"CoatingPaper3Back", "", "COATEDPAPER3REV"},
    {"LabelPaper", "LABEL", "LABEL"},
    {"Envelope", "ENVELOPE", "ENVELOPE"},
}};

} // namespace

std::optional<std::string_view> PaperSizeName(std::string_view media)
{
    for (const PaperSizeRow& row : kPaperSizes)
        if (row.media == media) return row.paper;
    return std::nullopt;
}

std::optional<std::string_view> MediaTypeName(std::string_view mediaType, bool bypassTray,
                                              std::optional<std::string_view> modelName)
{
    if (mediaType == "ThickPaper2") return ThickPaper2Name(modelName);
    for (const MediaTypeRow& row : kMediaTypes) {
        if (row.mediaType != mediaType) continue;
        const std::string_view value = bypassTray ? row.bypass : row.tray;
        if (value.empty()) return std::nullopt;
        return value;
    }
    return std::nullopt;
}
