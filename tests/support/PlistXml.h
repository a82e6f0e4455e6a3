// A whole XML property list around the text of its root element, for tests
// that write layouts, information dictionaries or preference files.
#pragma once

#include <string>
#include <string_view>

namespace testing_support {

inline std::string PlistXml(std::string_view root)
{
    return std::string(R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">)") +
           std::string(root) + "</plist>\n";
}

} // namespace testing_support
