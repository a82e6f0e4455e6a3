// The document names of a job: the title in the printer's code set and the
// validated name the printer shows (both in FilterState).
#pragma once

// Builds StdDocumentName and PTStdDocumentName from the job title (argument 3).
void InvalidateStdDocumentNameForProductType(char** argv, bool utf8Printer);
// Applies the product type's length limit and code ranges to PTStdDocumentName.
void InvalidatePrintTypeDocumentNameForProductType(char** argv);
