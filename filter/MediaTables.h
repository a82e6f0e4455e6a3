// PJL names of the job's paper size and media type.
#pragma once

#include <optional>
#include <string_view>

// PAPER value of a "media" option ("B4" is "JISB4", "Tabloid" is "LEDGER");
// none for a size the printer has no name for.
std::optional<std::string_view> PaperSizeName(std::string_view media);

// Media-type value for a "MediaType" choice: APSP for the trays or MSIP for the
// bypass tray. Reverse-side media can only be fed from the bypass tray, so on a
// tray they have no value. None means no line is written; "ThickPaper2" depends
// on the model (ThickPaper2Name) and is empty, but still written, when the
// model is unknown.
std::optional<std::string_view> MediaTypeName(std::string_view mediaType, bool bypassTray,
                                              std::optional<std::string_view> modelName);
