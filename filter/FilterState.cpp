#include "filter/FilterState.h"

#include "filter/JobInput.h"

#include <cstring>

PrintOptions printoptions;
char StdDocumentName[255];
char PTStdDocumentName[255];
char StdUserName[766];
volatile sig_atomic_t CancelJob = 0;
volatile sig_atomic_t CancelJobForPipe = 0;

void ResetFilterState()
{
    std::memset(&printoptions, 0, sizeof printoptions);
    std::memset(StdDocumentName, 0, sizeof StdDocumentName);
    std::memset(PTStdDocumentName, 0, sizeof PTStdDocumentName);
    std::memset(StdUserName, 0, sizeof StdUserName);
    CancelJob = 0;
    CancelJobForPipe = 0;
    ResetJobInput();
}
