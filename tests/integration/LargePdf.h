// A PDF large enough that it cannot sit in the socket and pipe buffers between
// the filter and the printer.
#pragma once

#include <cstddef>
#include <string>

// A valid PDF of one page that carries `padding` bytes in an unused stream.
std::string LargePdf(size_t padding);
