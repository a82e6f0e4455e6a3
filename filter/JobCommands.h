// The two groups of the PJL header that describe the job: who owns it and how
// it is accounted, and how it is to be printed.
#pragma once

#include "filter/PrintOptions.h"

// The accounting group: one or two owner blocks.
void PutJACommand(char** argv, const PrintOptions& options);

// The document-name comment and the print-type, user-name and job-name commands.
void OutputPrintTypeCommand(char** argv, const PrintOptions& options);

// The job document group: document name and print type, copies, quality, colour,
// trays, paper, media, duplex, finishing and pages per sheet.
void OutputJobDocCommand(char** argv, const PrintOptions& options);
