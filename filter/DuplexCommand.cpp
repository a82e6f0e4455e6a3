#include "filter/DuplexCommand.h"

#include "filter/PjlLine.h"

#include <cstring>

namespace {

int DuplexOfChoice(const char* choice)
{
    if (choice == nullptr) return -1;
    if (std::strcmp(choice, "None") == 0) return kDuplexNone;
    if (std::strcmp(choice, "DuplexNoTumble") == 0) return kDuplexLongEdge;
    if (std::strcmp(choice, "DuplexTumble") == 0) return kDuplexShortEdge;
    return -1;
}

int DuplexOfSides(const char* sides)
{
    if (sides == nullptr) return -1;
    if (std::strcmp(sides, "one-sided") == 0) return kDuplexNone;
    if (std::strcmp(sides, "two-sided-long-edge") == 0) return kDuplexLongEdge;
    if (std::strcmp(sides, "two-sided-short-edge") == 0) return kDuplexShortEdge;
    return -1;
}

} // namespace

int FindJobDuplex(int duplexKey, const CupsOptions& jobOptions, ppd_file_t* ppd)
{
    if (duplexKey != -1) return duplexKey;
    if (const int duplex = DuplexOfChoice(jobOptions.Get("Duplex")); duplex != -1) return duplex;
    if (const int duplex = DuplexOfSides(jobOptions.Get("sides")); duplex != -1) return duplex;
    if (ppd != nullptr) {
        if (const ppd_option_t* option = ppdFindOption(ppd, "Duplex"))
            return DuplexOfChoice(option->defchoice);
    }
    return -1;
}

void OutputDuplexCommand(int duplex)
{
    if (duplex == kDuplexNone) {
        MakePJLCommand("SET", "DUPLEX", "OFF");
        return;
    }
    MakePJLCommand("SET", "DUPLEX", "ON");
    if (duplex == kDuplexLongEdge)
        MakePJLCommand("SET", "BINDING", "LONGEDGE");
    else if (duplex == kDuplexShortEdge)
        MakePJLCommand("SET", "BINDING", "SHORTEDGE");
}
