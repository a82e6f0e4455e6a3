#include "filter/DocumentName.h"

void InvalidateStdDocumentNameForProductType(char**, bool) {}

void InvalidatePrintTypeDocumentNameForProductType(char**) {}
