// The last Windows error folded into a driver failure.
#include "uidriver/error.h"

#include <windows.h>

namespace kesto::uidriver {

void ThrowLastError(const std::string& what) {
    throw DriverError(what + " failed, error " + std::to_string(GetLastError()));
}

} // namespace kesto::uidriver
