// spoolwrap: CUPS filter that wraps a PDF job in PJL for the printer.
#include "filter/JobDriver.h"

int main(int argc, char** argv) { return RunSpoolwrap(argc, argv); }
