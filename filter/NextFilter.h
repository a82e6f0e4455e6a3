// Finding and starting the system PDF filter, which applies the layout options
// (scaling, pages per sheet, borders, order, page sets, mirroring) before the
// job is wrapped. The filter is the program that the CUPS conversion tables
// name for turning the PPD's source type into the system PDF type
// (platform::kSystemPdfType): cups-filters' pdftopdf on this platform.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The line pattern of a conversion table: source type, destination type, cost
// and program (POSIX extended, compiled with REG_NEWLINE).
inline constexpr const char* kConversionLinePattern =
    "([a-z]+/[a-zA-Z_0-9!#$&.+-^*]+)[ \t\f\r\n]+([a-z]+/[a-zA-Z_0-9!#$&.+-^*]+)[ \t\f\r\n]+"
    "([0-9]+)+[ \t\f\r\n]+([^ \t\f\r\n]+)";

// Conversions at this cost or above are not taken.
inline constexpr int kMaxFilterCost = 1000;

// The conversion tables in search order: the "*.convs" files of
// $CUPS_DATADIR/mime, then those of $CUPS_SERVERROOT, each folder in name order.
std::vector<std::string> ConversionTables();

// Finds the next filter for the job's PPD (named by $PPD) into path. Returns 1
// when a path was found that exists; -1 with a message otherwise.
int PrepFormat(std::string& path);

// Fills path with the filter directory followed by the program that converts
// srcFormat into the system PDF type (the directory alone when no table has
// such a conversion). An empty source type, or one that already is the system
// PDF type, leaves path unchanged.
void ChooseFilter(std::string_view srcFormat, std::string& path);

// Searches one conversion table for a line converting srcFormat into dstFormat
// at a cost below kMaxFilterCost. Returns 1 with the program's name in program,
// 0 when the table has no such line or cannot be read. Comment lines (first
// non-blank character "#") are conversions CUPS does not use and are skipped.
int BestFilter(const std::string& table, std::string_view srcFormat, std::string_view dstFormat,
               std::string& program);

// Replaces the process with the program at path, passing arguments 0 to 5 of
// the filter's command line, and argument 6 when there is one. Returns only
// when the program cannot be started.
void ExecuteFilter(const std::string& path, int argc, char** argv);
