// Running hwdex-cli's commands once the command line is parsed.
#pragma once

#include "cli/cli_options.h"

// Runs the command; returns the process exit code (0 done, 2 bad input).
int RunCli(const CliOptions& options);
