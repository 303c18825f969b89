// How the subst command line and the partition table name a folder: in a form the ANSI code page
// can spell, since a path it cannot spell would reach subst changed, naming another folder or none.
#pragma once

#include "platform/os.h"

#include <optional>
#include <string>

namespace kesto::app {

// The short form of `longPath`, however long; empty when the path has none or does not exist.
std::string ShortName(platform::Os& os, const std::string& longPath);

// The short form of an existing folder or else its long path, whichever the ANSI code page can
// spell. Nothing when neither.
std::optional<std::string> AnsiFolder(platform::Os& os, const std::string& folder);

} // namespace kesto::app
