#pragma once

#include "arguments.h"

// Carries out a command and answers the process exit code.
int run_command(const Command& command);
