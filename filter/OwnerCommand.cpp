#include "filter/JobCommands.h"

void PutJACommand(char**, const PrintOptions&) {}
