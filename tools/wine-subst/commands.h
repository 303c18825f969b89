// The listing, mapping and removal, with the messages and exit codes of the system's subst.
#pragma once

#include "arguments.h"

// Carries out a command and answers the process exit code.
int run_command(const Command& command);
