// The PPD constraint engine's free functions in one include: the table
// builders and conflict query, the cache file reader and the PPD lookups.
#pragma once

#include "constraints/PpdChoiceRow.h"
#include "constraints/PpdTextEncoding.h"
#include "constraints/XPPDBuild.h"
#include "constraints/XPPDCache.h"
#include "constraints/XPPDLookups.h"
#include "constraints/XPPDQuery.h"
#include "constraints/XPPDStamp.h"
#include "constraints/XppdTable.h"
