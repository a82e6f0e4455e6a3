// What the printer received for one job, split into PJL header, PDF bytes
// and trailer, and the PJL lines the tests expect.
#pragma once

#include <string>
#include <vector>

inline const std::string kUEL = "\x1b%-12345X";
inline const std::string kTrailer = kUEL + "@PJL EOJ\n";
inline const std::string kEnterLanguage = "@PJL ENTER LANGUAGE=PDF\n";

struct ReceivedJob {
    bool framed = false;                  // header, PDF and trailer all found
    std::string problem;                  // why not, when not framed
    std::string header;                   // up to and including ENTER LANGUAGE
    std::vector<std::string> headerLines; // the header's lines without line feeds
    std::string pdf;                      // the bytes between header and trailer
    std::string trailer;                  // from the last UEL to the end
};

ReceivedJob SplitJob(const std::string& bytes);

// PJL lines as the printer reads them, without the line feed.
std::string SetLine(const std::string& name, const std::string& value);
std::string AttrLine(const std::string& name, const std::string& value);
std::string CommentLine(const std::string& text);

// The value of the header's first "@PJL SET JOBATTR="@NAME=..." line, or
// "(none)" when the header has no such line.
std::string AttrValue(const std::vector<std::string>& headerLines, const std::string& name);

// One line per element, for readable failure messages.
std::string JoinLines(const std::vector<std::string>& lines);
