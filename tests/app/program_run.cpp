// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_run.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <stdexcept>

extern char** environ;

namespace talve::testing {
namespace {

// A program that wants more memory than this has gone wrong: it fails
// alone instead of taking the machine down with it. The sanitizer's shadow
// memory needs an address space without limit.
constexpr rlim_t kAddressSpaceLimit = rlim_t{6} << 30;

// The user and group "nobody".
constexpr uid_t kNobody = 65534;

// The environment of the child: the test's own, with the program's folder,
// the locale and the run's own entries replaced.
std::vector<std::string> child_environment(const ProgramRun& run) {
  std::vector<std::string> replaced = {"TALVE_HOME=" + run.home, "LC_ALL=C"};
  replaced.insert(replaced.end(), run.environment.begin(), run.environment.end());
  const auto is_replaced = [&replaced](const std::string& text) {
    for (const std::string& entry : replaced)
      if (text.starts_with(entry.substr(0, entry.find('=') + 1))) return true;
    return false;
  };
  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text(*entry);
    if (!is_replaced(text)) env.push_back(text);
  }
  env.insert(env.end(), replaced.begin(), replaced.end());
  return env;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
  std::vector<char*> list;
  for (std::string& text : texts) list.push_back(text.data());
  list.push_back(nullptr);
  return list;
}

// Only async-signal-safe calls between fork and exec.
[[noreturn]] void exec_child(const ProgramRun& run, char** argv, char** envp, int out_fd, int err_fd) {
  const int null_fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  if (null_fd < 0 || ::dup2(null_fd, 0) < 0 || ::dup2(out_fd, 1) < 0 || ::dup2(err_fd, 2) < 0) ::_exit(126);
  if (!run.standard_output.empty()) {
    const int file_fd = ::open(run.standard_output.c_str(), O_WRONLY | O_CLOEXEC);
    if (file_fd < 0 || ::dup2(file_fd, 1) < 0) ::_exit(126);
  }
  if (::chdir(run.folder.c_str()) != 0) ::_exit(126);
  if (run.file_size_limit >= 0) {
    // An ignored signal stays ignored across exec; a caught one is reset.
    ::signal(SIGXFSZ, run.file_size_signal_ignored ? SIG_IGN : SIG_DFL);
    const rlimit limit{static_cast<rlim_t>(run.file_size_limit), static_cast<rlim_t>(run.file_size_limit)};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(126);
  }
  if (!kSanitizedBuild) {
    const rlim_t bytes =
        run.address_space_limit > 0 ? static_cast<rlim_t>(run.address_space_limit) : kAddressSpaceLimit;
    const rlimit limit{bytes, bytes};
    ::setrlimit(RLIMIT_AS, &limit);
  }
  if (run.unprivileged && ::geteuid() == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(126);
  }
  ::execve(argv[0], argv, envp);
  ::_exit(127);
}

// Reads what the child writes on its two pipes until both close, and waits
// for it; kills it at the time limit. Pipes, not files: a file-size limit
// given to the child must not cut its own messages short.
void collect(pid_t pid, int out_fd, int err_fd, int timeout_seconds, ProgramOutcome& outcome) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeout_seconds);
  pollfd fds[2] = {{out_fd, POLLIN, 0}, {err_fd, POLLIN, 0}};
  std::string* sinks[2] = {&outcome.out, &outcome.err};
  int open_count = 2;
  char buffer[65536];
  while (open_count > 0) {
    if (std::chrono::steady_clock::now() >= deadline) {
      outcome.timed_out = true;
      ::kill(pid, SIGKILL);
      break;
    }
    if (::poll(fds, 2, 10) < 0 && errno != EINTR) break;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
      if (got > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(got));
      } else if (got == 0 || errno != EINTR) {
        ::close(fds[i].fd);
        fds[i].fd = -1;
        --open_count;
      }
    }
  }
  for (const pollfd& fd : fds)
    if (fd.fd >= 0) ::close(fd.fd);
  int raw = 0;
  ::waitpid(pid, &raw, 0);
  if (WIFEXITED(raw)) outcome.status = WEXITSTATUS(raw);
  if (WIFSIGNALED(raw)) outcome.signal = WTERMSIG(raw);
}

}  // namespace

std::string ProgramOutcome::summary() const {
  std::string text = timed_out ? "killed at its time limit" : "status " + std::to_string(status);
  if (signal != 0) text += ", signal " + std::to_string(signal);
  // The end of the error stream holds the reason; a whole line of many
  // megabytes would drown the report.
  constexpr std::size_t kShown = 3000;
  text += "\n--- error stream" + std::string(err.size() > kShown ? " (end)" : "") + ":\n";
  return text + (err.size() > kShown ? err.substr(err.size() - kShown) : err);
}

StartedProgram start_program(const ProgramRun& run) {
  std::vector<std::string> args{run.program.empty() ? std::string(TALVE_PROGRAM) : run.program};
  args.insert(args.end(), run.args.begin(), run.args.end());
  std::vector<std::string> env = child_environment(run);
  std::vector<char*> argv = pointers(args);
  std::vector<char*> envp = pointers(env);

  int out_pipe[2];
  int err_pipe[2];
  if (::pipe2(out_pipe, O_CLOEXEC) != 0 || ::pipe2(err_pipe, O_CLOEXEC) != 0)
    throw std::runtime_error("pipe failed");
  const pid_t pid = ::fork();
  if (pid == 0) exec_child(run, argv.data(), envp.data(), out_pipe[1], err_pipe[1]);
  ::close(out_pipe[1]);
  ::close(err_pipe[1]);
  if (pid < 0) throw std::runtime_error("fork failed");
  return StartedProgram{pid, out_pipe[0], err_pipe[0]};
}

ProgramOutcome finish_program(const StartedProgram& started, int timeout_seconds) {
  ProgramOutcome outcome;
  collect(started.pid, started.out_fd, started.err_fd, timeout_seconds, outcome);
  return outcome;
}

ProgramOutcome run_program(const ProgramRun& run) {
  return finish_program(start_program(run), run.timeout_seconds);
}

namespace {

// A line of /proc/<pid>/status after its "Name:", "" when none.
std::string status_field(int pid, const std::string& name) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with(name + ":")) return line.substr(name.size() + 1);
  return {};
}

}  // namespace

bool catches(int pid, int signal) {
  const std::string mask = status_field(pid, "SigCgt");
  if (mask.empty()) return false;
  return ((std::stoull(mask, nullptr, 16) >> (signal - 1)) & 1) != 0;
}

bool has_open(int pid, const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  for (fs::directory_iterator it("/proc/" + std::to_string(pid) + "/fd", ec), end; !ec && it != end;
       it.increment(ec)) {
    std::error_code link_ec;
    if (fs::read_symlink(it->path(), link_ec).string() == path) return true;
  }
  return false;
}

bool wait_until(int pid, const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (std::chrono::steady_clock::now() < deadline) {
    if (condition()) return true;
    const std::string state = status_field(pid, "State");
    if (state.empty() || state.find('Z') != std::string::npos) return false;
    ::usleep(200);
  }
  return false;
}

void hand_over(const std::string& folder) {
  if (::geteuid() != 0) return;
  namespace fs = std::filesystem;
  if (::chown(folder.c_str(), kNobody, kNobody) != 0) throw std::runtime_error("chown failed: " + folder);
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (::lchown(entry.path().c_str(), kNobody, kNobody) != 0)
      throw std::runtime_error("chown failed: " + entry.path().string());
}

}  // namespace talve::testing
