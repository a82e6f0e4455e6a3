// Printer model groups. Some media values differ between printer families; the
// family is recognised by model tokens ("KZ63", "WT74", ...) found anywhere in
// the PPD's "ModelName", so one rule covers every marketing name of a model.
#pragma once

#include <cups/ppd.h>

#include <optional>
#include <string_view>

enum class ModelGroup {
    A1,    // RX41-RX43
    A2,    // RY51-RY54
    B,     // KZ61-KZ66
    C,     // WT71-WT73
    CPlus, // the C models and WT74
    X,     // VN81
    D,     // VN82, VN83
};

// True when the model name contains one of the group's tokens.
bool IsModelInGroup(std::string_view modelName, ModelGroup group);

// The PPD's "ModelName"; none when there is no PPD or no such attribute, so
// callers can tell an unknown model from a model that belongs to no group.
std::optional<std::string_view> FindModelName(ppd_file_t* ppd);

// MEDIASOURCE value of the bypass tray: "SMH" or "TRAY5" by group, "TRAY5" for
// a model of no group, empty when the model is unknown.
std::string_view BypassTrayName(std::optional<std::string_view> modelName);

// APSP/MSIP value of the "ThickPaper2" media type: "SUPERTHICK" or "THICK2" by
// group, "SUPERTHICK" for a model of no group, empty when the model is unknown.
std::string_view ThickPaper2Name(std::optional<std::string_view> modelName);
