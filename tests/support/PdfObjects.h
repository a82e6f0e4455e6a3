// A PDF made from numbered objects, for tests that need a file whose every
// byte they chose.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

// Objects 1, 2, ... in order (object 1 the catalog), with a correct
// cross-reference table and trailer, so whatever is odd in the file is what
// the test put in its objects.
std::string PdfFromObjects(const std::vector<std::string>& objects);

} // namespace testing_support
