// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/large_pages.h"

#include <limits.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace talve {
namespace {

constexpr const char* kSetting = "glibc.malloc.hugetlb";

// "always" or "madvise" selected: the allocator's request is heard. With
// "never", or where the system does not say, a restart would gain nothing.
bool large_pages_on_request() {
  std::ifstream mode("/sys/kernel/mm/transparent_hugepage/enabled");
  std::string text;
  std::getline(mode, text);
  return text.find("[always]") != std::string::npos || text.find("[madvise]") != std::string::npos;
}

}  // namespace

std::optional<std::string> tunables_with_large_pages(const char* current) {
  const std::string kept = current != nullptr ? current : "";
  if (kept.find(kSetting) != std::string::npos) return std::nullopt;
  const std::string setting = std::string(kSetting) + "=1";
  return kept.empty() ? setting : kept + ":" + setting;
}

void restart_with_large_pages(char** argv) {
  const char* current = std::getenv("GLIBC_TUNABLES");
  const std::optional<std::string> tunables = tunables_with_large_pages(current);
  if (!tunables || !large_pages_on_request()) return;
  const std::string previous = current != nullptr ? current : "";
  const bool had_previous = current != nullptr;
  // The program's own path rather than /proc/self/exe, which would show the
  // restarted process as "exe" in the system's lists of processes.
  std::string program(PATH_MAX, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", program.data(), program.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= program.size()) return;
  program.resize(static_cast<std::size_t>(length));
  if (::setenv("GLIBC_TUNABLES", tunables->c_str(), 1) != 0) return;
  ::execv(program.c_str(), argv);
  // Not restarted (the program file is gone, or was replaced by one that
  // cannot run): run as it is, with the environment it was given.
  if (had_previous)
    ::setenv("GLIBC_TUNABLES", previous.c_str(), 1);
  else
    ::unsetenv("GLIBC_TUNABLES");
}

}  // namespace talve
