// Reading the job's options and the PPD's attributes into the print-options record.
#pragma once

#include "filter/PrintOptions.h"

// Fills the record from the PPD named by $PPD and the option string of
// argument 5; builds the user and document names. Returns 1.
int GetPrintOptions(char** argv, PrintOptions& options);

// Copies the "cupsFilter" and "QVPrinterLanguageEncoding" attribute values of the
// job's PPD; leaves them empty when the PPD cannot be opened.
void GetPPDOptions(PPDInfoOption& ppdInfo);

// Runs the print-type, accounting and features tables over argument 5.
void GetTicketFromPDE(char** argv, PrintOptions& options);
