#include "constraints/PPDFileHandle.h"

void PPDFileCloser::operator()(ppd_file_t* ppd) const
{
    if (ppd != nullptr) ppdClose(ppd);
}

PPDFileHandle OpenPPDFile(const std::string& path)
{
    return PPDFileHandle(ppdOpenFile(path.c_str()));
}
