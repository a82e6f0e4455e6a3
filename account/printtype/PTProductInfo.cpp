#include "account/printtype/PTProductInfo.h"

const PrintTypeEntry PTProductInfo[kPTProductInfoCount] = {
    {"Default00", 0, "ZKPrintType_Default00"},
    {"Default01", 1, "ZKPrintType_Default01"},
    {"Default02", 2, "ZKPrintType_Default02"},
    {"Pellor00", 3, "ZKPrintType_Pellor00"},
};
