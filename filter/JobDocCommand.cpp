#include "filter/JobCommands.h"

void OutputJobDocCommand(char**, const PrintOptions&) {}
