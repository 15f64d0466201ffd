// Starting a program with posix_spawn and waiting for it.
#include "platform/process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <sstream>
#include <thread>
#include <vector>

extern char** environ;

std::string RunningProgramDirectory() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return ".";
  std::string text(path, static_cast<size_t>(n));
  const size_t slash = text.rfind('/');
  return slash == std::string::npos || slash == 0 ? std::string("/") : text.substr(0, slash);
}

std::optional<int> RunAndWait(const std::string& commandLine, const std::string& directory) {
  std::istringstream words(commandLine);
  std::vector<std::string> args;
  for (std::string word; words >> word;) args.push_back(word);
  if (args.empty()) return std::nullopt;

  // Like CreateProcessA: a bare name is looked for beside the running program, then in directory.
  std::string program = args[0];
  if (program.find('/') == std::string::npos) {
    const std::string beside = RunningProgramDirectory() + "/" + program;
    const std::string inDirectory = directory + "/" + program;
    if (access(beside.c_str(), X_OK) == 0) {
      program = beside;
    } else if (access(inDirectory.c_str(), X_OK) == 0) {
      program = inDirectory;
    } else {
      return std::nullopt;
    }
  }

  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) return std::nullopt;

  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return std::nullopt;
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

void PauseMilliseconds(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
