// Starting a program and waiting for it.
#pragma once

#include <optional>
#include <string>

// Starts commandLine (program name, blank, arguments) with directory as its working directory and
// waits without a time limit. The program file is looked for as CreateProcessA looks: beside the
// running program first, then in directory. Its exit code, or nothing when it could not be started.
std::optional<int> RunAndWait(const std::string& commandLine, const std::string& directory);

// The directory of the running program file, without a trailing separator.
std::string RunningProgramDirectory();

// Waits ms milliseconds.
void PauseMilliseconds(int ms);
