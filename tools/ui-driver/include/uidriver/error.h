// Failures of the driver: a window that never came, a call that Windows refused.
#pragma once

#include <stdexcept>
#include <string>

namespace kesto::uidriver {

class DriverError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Throws DriverError naming what failed and GetLastError's code.
[[noreturn]] void ThrowLastError(const std::string& what);

} // namespace kesto::uidriver
