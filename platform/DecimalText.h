// Decimal text of a byte code or count, as the value escape writes it. The
// filter and the dialog extensions both know it as itoa; it lives here, once,
// because a second definition of the same name in each would clash wherever
// both are linked (the fuzz harnesses link the filter and the framework).
#pragma once

#include <span>

// Writes the decimal digits of a positive value right-aligned into the buffer,
// whose last byte becomes the terminating zero, and returns the first digit.
// 0 and negative values give the empty text (the terminator). Null when the
// buffer is empty or the digits and the terminator do not fit: a cut number
// would be a different number.
char* itoa(int value, std::span<char> buffer);
