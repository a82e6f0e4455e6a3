// The shortest secure-print passcode the printer takes: 0, replaced by the
// first number of the attribute "QVPTPasswdLimit" when the PPD has one, then by
// the digits of the default choice of the option "QVMinDigitPasscode" when the
// PPD has that option. The passcode field checks it and its label states it.
#pragma once

#include <cups/ppd.h>

int PasscodeMinimumFromPPD(ppd_file_t* ppd);
