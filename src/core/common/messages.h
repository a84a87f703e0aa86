#pragma once

#include <cstdint>
#include <string>

#include "core/assembly/layout.h"

namespace pw::messages {

// Every message a merge shows, worded in one place. `name` is a source's file name as
// the user chose it.

std::string noFileSelected(const LayoutShape& shape, int slot);
std::string unableToOpen(const std::string& name);
std::string noVersion(const std::string& name);
std::string submap(const std::string& name, std::int32_t version);
std::string noMapSize(const std::string& name);
std::string invalidSize(const std::string& name, std::int32_t length, std::int32_t height);
// `what` is "height" or "length"; `expected` is the first source's, `found` this one's.
std::string sizeMismatch(const char* what, const std::string& name, const std::string& firstName,
                         std::int32_t expected, std::int32_t found);
std::string endsEarly(const std::string& name);
std::string lettersOutOfOrder(const std::string& name);
std::string unableToRead(const std::string& name);

// Files of every kind. `name` and `path` come escaped (escapedName), `reason` in the
// system's words.
std::string nameNotUtf8(const std::string& name);
std::string unableToCreate(const std::string& path, const std::string& reason);
std::string unableToWrite(const std::string& path, const std::string& reason);
std::string unableToWriteStandardOutput(const std::string& reason);
// A legend that is no regular file is left out, and the built-in palette drawn instead.
std::string legendNotRegular(const std::string& path);
std::string warning(const std::string& note);

// Reasons of a refused output, where the system has none of its own.
inline constexpr const char kNotRegularFile[] = "Not a regular file";
inline constexpr const char kNameNotUtf8[] = "File name is not valid UTF-8";

}  // namespace pw::messages
