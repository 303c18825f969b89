// One subst run as the program makes it: a console child without a console window, writing
// into a pipe that is read to its end. The bare cost the program's figures are held against.
#pragma once

#include <string>

namespace kesto::bench {

struct SubstRun {
    std::string output; // bytes in the ANSI code page
    double ms = 0;
};

// commandLine in the ANSI code page, as the program hands it to CreateProcessA.
SubstRun RunSubst(const std::string& commandLine);

} // namespace kesto::bench
