// Ownership of libplist nodes and the file operations the platform layer needs.
#pragma once

#include <functional>
#include <memory>
#include <string>

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

// Writes the node in XML form. Atomic writes go through a temporary file in the
// same folder that is renamed over the target, so a reader never sees half a
// file. Answers whether the file was written.
bool WritePlistXmlFile(const std::string& path, plist_t node, bool atomic);

// The text of a string node; empty when the node is missing or not a string.
std::string PlistStringValue(plist_t node);

// Calls visit(key, text) for every string value of a dictionary, in the
// dictionary's order; values of other types are passed over.
void ForEachStringEntry(plist_t dict, const std::function<void(const char*, std::string)>& visit);

} // namespace platform
