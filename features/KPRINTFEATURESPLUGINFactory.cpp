// The bundle's one exported symbol: the factory that makes its principal class.
#include "features/KPRINTFEATURESPLUGIN.h"

QV_PLUGIN_FACTORY(KPRINTFEATURESPLUGIN)
