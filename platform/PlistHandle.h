// Ownership of libplist nodes and the file operations the platform layer needs.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <plist/plist.h>

namespace platform {

struct PlistDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};

// Owns a root node (a dictionary, an array, ...); nodes reached through it stay
// owned by the root.
using PlistHandle = std::unique_ptr<void, PlistDeleter>;

// Reads an XML or binary property list; null when the file is missing,
// unreadable or not a property list.
PlistHandle ReadPlistFile(const std::string& path);

// Parses XML or binary property-list bytes; null when they are none.
PlistHandle ParsePlist(std::string_view bytes);

// The XML form of the node; nothing when it cannot be made.
std::optional<std::string> PlistXmlText(plist_t node);

// Whether a text survives an XML property list unchanged: valid UTF-8 without
// the characters XML cannot carry (NUL, the other C0 controls, U+FFFE, U+FFFF) or that its
// readers change (a carriage return reads back as a line feed); tab and line
// feed pass.
bool IsPlistXmlText(std::string_view text);

// Writes the node in XML form. Neither form follows a symbolic link at the
// path or writes anything but a regular file there. Atomic writes go through
// ReplaceFileAtomically, so a reader never sees half a file; the file keeps
// the mode and group it had, and a new one gets the mode a new file gets.
// Callers that read the file, change it and write it back use
// UpdatePlistDictionaryFile, which also holds the file's lock. Answers whether
// the file was written.
bool WritePlistXmlFile(const std::string& path, plist_t node, bool atomic);

// The text of a string node; empty when the node is missing or not a string.
std::string PlistStringValue(plist_t node);

// Calls visit(key, text) for every string value of a dictionary, in the
// dictionary's order; values of other types are passed over.
void ForEachStringEntry(plist_t dict, const std::function<void(const char*, std::string)>& visit);

} // namespace platform
