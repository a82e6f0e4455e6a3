#include "account/JBAProductInfo.h"

const PrintTypeEntry JBAProductInfo[kJBAProductInfoCount] = {
    {"Default00", 0, "ZKPrintJBA_Default00"},
    {"Default01", 1, "ZKPrintJBA_Default01"},
    {"Pellor00", 2, "ZKPrintJBA_Pellor00"},
};
