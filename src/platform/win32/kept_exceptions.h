// The way exceptions cross the system's frames: they do not. A window procedure keeps what its
// handlers threw, and the message loop throws it again once DispatchMessage has returned, in our
// own frames.
#pragma once

#include <exception>

namespace kesto::platform::win32 {

// The first exception kept wins: what follows from it says less.
void KeepException(std::exception_ptr exception);
// Throws the kept exception, if there is one, and forgets it.
void RethrowKeptException();

// For window procedures: runs call, keeping what it throws.
template <class Call> void KeepingExceptions(Call&& call) noexcept {
    try {
        call();
    } catch (...) {
        KeepException(std::current_exception());
    }
}

// The same, answering onException to the system when call threw.
template <class Result, class Call>
Result KeepingExceptions(Result onException, Call&& call) noexcept {
    try {
        return call();
    } catch (...) {
        KeepException(std::current_exception());
        return onException;
    }
}

} // namespace kesto::platform::win32
