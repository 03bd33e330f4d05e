// SPDX-License-Identifier: GPL-3.0-or-later
#include "inputs/workbook_conversion.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <vector>

#include "text/clock.h"
#include "text/system_error.h"

extern char** environ;

namespace talve {
namespace {

namespace fs = std::filesystem;

// The filter of LibreOffice's text export: TAB between cells, no text
// delimiter, Windows-1252, from the first line, French, cells as shown, then
// the sheet number.
std::string export_filter(int sheet) {
  return "csv:Text - txt - csv (StarCalc):9,,1,1,,1036,false,true,true,false,false," + std::to_string(sheet);
}

// A path as a file URL, every byte but the unreserved ones and "/" escaped.
std::string file_url(const std::string& path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (const unsigned char c : path) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
    if (plain) {
      url += static_cast<char>(c);
    } else {
      url += '%';
      url += kHex[c >> 4];
      url += kHex[c & 15];
    }
  }
  return url;
}

bool executable(const std::string& path) {
  return ::access(path.c_str(), X_OK) == 0 && !fs::is_directory(path);
}

// A profile folder for this conversion alone, in the temporary folder.
std::string make_profile_folder() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern =
      std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/talve-libreoffice-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) return {};
  return pattern;
}

void pause_briefly() {
  const timespec pause{0, 20'000'000};
  ::nanosleep(&pause, nullptr);
}

// LibreOffice and the process it starts share their own process group: the
// whole group is killed, then the first process reaped.
void kill_group(pid_t pid) {
  ::kill(-pid, SIGKILL);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
}

// Starts the program with its arguments, its output thrown away, in a
// process group of its own, with default signal handling. Returns the
// process id, or -1 with errno set.
pid_t start(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  posix_spawn_file_actions_init(&actions);
  posix_spawnattr_init(&attributes);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  sigset_t defaults;
  sigset_t none;
  sigemptyset(&defaults);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGCHLD, SIGQUIT}) sigaddset(&defaults, signal);
  sigemptyset(&none);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes,
                           POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
  pid_t pid = -1;
  const int error = ::posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  if (error != 0) {
    errno = error;
    return -1;
  }
  return pid;
}

// The text LibreOffice wrote: "~tmp-<sheet name>.csv" for a workbook
// "~tmp.xls", the only ".csv" file of the output folder.
void find_sheet_text(const std::string& workbook, const std::string& output_folder, SheetConversion& result) {
  const std::string stem = fs::path(workbook).stem().string() + "-";
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(output_folder, error)) {
    const std::string name = entry.path().filename().string();
    if (!name.ends_with(".csv") || !entry.is_regular_file(error)) continue;
    result.text_path = entry.path().string();
    result.sheet_name = name.starts_with(stem) ? name.substr(stem.size(), name.size() - stem.size() - 4)
                                               : name.substr(0, name.size() - 4);
    result.end = ConversionEnd::Converted;
    return;
  }
  result.end = ConversionEnd::Failed;
  result.problem = "LibreOffice n'a rien écrit (classeur illisible, ou feuille absente ?)";
}

}  // namespace

std::string find_converter() {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return {};
  for (const char* program : {"soffice", "libreoffice"}) {
    std::string folders = path;
    std::size_t begin = 0;
    while (begin <= folders.size()) {
      std::size_t end = folders.find(':', begin);
      if (end == std::string::npos) end = folders.size();
      const std::string folder = folders.substr(begin, end - begin);
      if (!folder.empty() && executable(folder + "/" + program)) return folder + "/" + program;
      begin = end + 1;
    }
  }
  return {};
}

SheetConversion convert_sheet(const std::string& workbook, int sheet, const std::string& output_folder,
                              double limit_seconds, const std::function<bool()>& keep_waiting) {
  SheetConversion result;
  const std::string program = find_converter();
  if (program.empty()) {
    result.end = ConversionEnd::NoConverter;
    return result;
  }
  std::error_code error;
  fs::remove_all(output_folder, error);
  fs::create_directories(output_folder, error);
  const std::string profile = make_profile_folder();
  if (error || profile.empty()) {
    result.problem = "dossier de travail impossible à créer : " + system_error_text(errno);
    return result;
  }
  const pid_t pid = start({program, "--headless", "--norestore", "--nolockcheck",
                           "-env:UserInstallation=" + file_url(profile), "--convert-to", export_filter(sheet),
                           "--outdir", output_folder, workbook});
  if (pid < 0) {
    result.end = errno == ENOENT ? ConversionEnd::NoConverter : ConversionEnd::Failed;
    result.problem = "LibreOffice n'a pas pu démarrer : " + system_error_text(errno);
    fs::remove_all(profile, error);
    return result;
  }
  const double started = monotonic_seconds();
  for (;;) {
    int status = 0;
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid || (done < 0 && errno != EINTR)) break;
    if (!keep_waiting()) {
      kill_group(pid);
      result.end = ConversionEnd::Stopped;
      break;
    }
    if (monotonic_seconds() - started > limit_seconds) {
      kill_group(pid);
      result.end = ConversionEnd::TimedOut;
      break;
    }
    pause_briefly();
  }
  fs::remove_all(profile, error);
  if (result.end == ConversionEnd::Stopped || result.end == ConversionEnd::TimedOut) return result;
  find_sheet_text(workbook, output_folder, result);
  return result;
}

}  // namespace talve
