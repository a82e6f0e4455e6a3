// xppdcache PPD [KEYWORD...]: writes the constraint cache section of a PPD.
#include "constraints/XppdCacheTool.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return RunXppdCache(arguments, std::cout, std::cerr);
}
