// The one exception kept between a window procedure and the message loop.
#include "platform/win32/kept_exceptions.h"

#include <utility>

namespace kesto::platform::win32 {

namespace {

std::exception_ptr& Kept() {
    static std::exception_ptr kept;
    return kept;
}

} // namespace

void KeepException(std::exception_ptr exception) {
    if (!Kept()) {
        Kept() = std::move(exception);
    }
}

void RethrowKeptException() {
    if (std::exception_ptr exception = std::exchange(Kept(), nullptr)) {
        std::rethrow_exception(exception);
    }
}

} // namespace kesto::platform::win32
