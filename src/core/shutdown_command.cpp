// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shutdown_command.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "text/encoding.h"
#include "text/system_error.h"

extern char** environ;

namespace talve {
namespace {

// Desktop users rarely have the system folders in their PATH.
std::string system_shutdown_program() {
  for (const char* path : {"/usr/sbin/shutdown", "/sbin/shutdown"})
    if (access(path, X_OK) == 0) return path;
  return "shutdown";
}

}  // namespace

ShutdownCommand shutdown_command() {
  ShutdownCommand command;
  const char* replacement = std::getenv("TALVE_SHUTDOWN_COMMAND");
  command.program = replacement && *replacement ? std::string(replacement) : system_shutdown_program();
  command.arguments = {"-h", "+1", cp1252_to_utf8("L'ordinateur va s'arrêter dans une minute...")};
  return command;
}

std::optional<std::string> run_without_shell(const ShutdownCommand& command) {
  std::vector<std::string> words;
  words.push_back(command.program);
  words.insert(words.end(), command.arguments.begin(), command.arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  pid_t child = 0;
  const int error = posix_spawnp(&child, command.program.c_str(), nullptr, nullptr, argv.data(), environ);
  if (error != 0) return command.program + " : " + system_error_text(error);
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return command.program + " : " + system_error_text(errno);
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return std::nullopt;
  if (WIFEXITED(status)) return command.program + " : code " + std::to_string(WEXITSTATUS(status));
  return command.program + " : interrompu";
}

}  // namespace talve
