#include "account/printtype/PasscodeMinimum.h"

#include "panelkit/UtilityFunction.h"

int PasscodeMinimumFromPPD(ppd_file_t* ppd)
{
    int minimum = 0;
    if (ppd == nullptr) return minimum;
    if (const int limit = GetPellorPWMiniIntValueFromPPD(ppd, "QVPTPasswdLimit"); limit >= 0) minimum = limit;
    if (const int digits = GetPWMiniIntValueFromPPD(ppd, "QVMinDigitPasscode"); digits >= 0) minimum = digits;
    return minimum;
}
