// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace talve::testing {

// The tests and the program are built with AddressSanitizer: everything runs
// several times slower and the address space cannot be limited.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitizedBuild = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kSanitizedBuild = true;
#else
inline constexpr bool kSanitizedBuild = false;
#endif
#else
inline constexpr bool kSanitizedBuild = false;
#endif

// One run of the built program in a child process, as a user starts it
// from a terminal: its own working folder and TALVE_HOME, the "C" locale,
// no terminal on its streams. Every run has a time limit: a program that
// hangs is killed and the outcome says so.
struct ProgramRun {
  std::vector<std::string> args;  // without the program itself
  std::string folder;             // working folder
  std::string home;               // TALVE_HOME
  int timeout_seconds = 60;
  // RLIMIT_FSIZE in bytes (see file_size_signal_ignored); -1 for none.
  long long file_size_limit = -1;
  // RLIMIT_AS in bytes, -1 for the usual bound; none in a sanitized build,
  // whose shadow memory needs the whole address space.
  long long address_space_limit = -1;
  // The program started: the built talve when empty.
  std::string program = {};
  // "NAME=value" entries added to the environment, replacing any of the
  // same name.
  std::vector<std::string> environment = {};
  // With a file-size limit: SIGXFSZ ignored from the start, as a parent
  // that ignores it passes it on; false leaves the signal's default action,
  // killing, as after a plain "ulimit -f" in a shell.
  bool file_size_signal_ignored = true;
  // A file that takes the standard output instead of the pipe ("/dev/full"
  // for an output that cannot be written); "" for the pipe.
  std::string standard_output = {};
  // Run as the user "nobody" when the tests run as the superuser, whom file
  // permissions do not bind; its folders must be handed over to that user
  // first (hand_over).
  bool unprivileged = false;
};

struct ProgramOutcome {
  int status = -1;  // exit status; -1 when the program did not exit by itself
  int signal = 0;   // the signal that ended it, 0 when none
  bool timed_out = false;
  std::string out;  // standard output (UTF-8, as a terminal shows it)
  std::string err;  // standard error

  // How the run ended and what it wrote on its error stream, for the
  // messages of failed assertions.
  std::string summary() const;
};

ProgramOutcome run_program(const ProgramRun& run);

// The program started, its pid, for a test that acts on it while it runs;
// finish_program then collects it as run_program does.
struct StartedProgram {
  int pid = -1;
  int out_fd = -1;
  int err_fd = -1;
};
StartedProgram start_program(const ProgramRun& run);
ProgramOutcome finish_program(const StartedProgram& started, int timeout_seconds);

// What a running program is doing, as the system shows it: whether it
// catches a signal (its handler is installed), whether it has a file open.
bool catches(int pid, int signal);
bool has_open(int pid, const std::string& path);
// Polls the condition until it holds (true) or the program has ended or
// a minute has passed (false).
bool wait_until(int pid, const std::function<bool()>& condition);

// Gives the folder and everything in it to the user an unprivileged run
// takes, when the tests run as the superuser; nothing otherwise.
void hand_over(const std::string& folder);

}  // namespace talve::testing
