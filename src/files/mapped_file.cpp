// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/mapped_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <mutex>

namespace talve {
namespace {

// The mappings the bus-error handler knows. A run maps one file at a time
// (two while the listing's last file is still held), so a few are plenty;
// beyond them files are read instead of mapped.
constexpr int kSlots = 8;

struct Slot {
  std::atomic<bool> taken{false};
  std::atomic<std::uintptr_t> begin{0};
  std::atomic<std::uintptr_t> end{0};
  std::atomic<bool> cut{false};
};

Slot g_slots[kSlots];
struct sigaction g_previous {};
std::uintptr_t g_page_size = 4096;
bool g_guarded = false;

std::uintptr_t round_up_to_page(std::uintptr_t value) {
  return (value + g_page_size - 1) & ~(g_page_size - 1);
}

// A read past the end of a file that shrank under its mapping raises
// SIGBUS. Within one of our mappings the lost pages are replaced by zero
// pages, from the faulting page to the end of the mapping, and the reading
// goes on; any other bus error goes where it went before.
void on_bus_error(int signal, siginfo_t* info, void* context) {
  const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
  for (Slot& slot : g_slots) {
    const std::uintptr_t begin = slot.begin.load(std::memory_order_acquire);
    const std::uintptr_t end = slot.end.load(std::memory_order_acquire);
    if (begin == 0 || address < begin || address >= end) continue;
    const std::uintptr_t page = address & ~(g_page_size - 1);
    void* const zeros = ::mmap(reinterpret_cast<void*>(page), end - page, PROT_READ | PROT_WRITE,
                               MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
    if (zeros == MAP_FAILED) break;
    slot.cut.store(true, std::memory_order_release);
    return;
  }
  if ((g_previous.sa_flags & SA_SIGINFO) != 0 && g_previous.sa_sigaction != nullptr) {
    g_previous.sa_sigaction(signal, info, context);
  } else if ((g_previous.sa_flags & SA_SIGINFO) == 0 && g_previous.sa_handler != SIG_DFL &&
             g_previous.sa_handler != SIG_IGN) {
    g_previous.sa_handler(signal);
  } else {
    // The system's own action: back to it. The signal stays blocked until
    // this handler returns, then ends the process as it would have.
    ::signal(SIGBUS, SIG_DFL);
    ::raise(SIGBUS);
  }
}

bool guard_installed() {
  static std::once_flag once;
  std::call_once(once, [] {
    const long page = ::sysconf(_SC_PAGESIZE);
    if (page > 0) g_page_size = static_cast<std::uintptr_t>(page);
    struct sigaction action {};
    action.sa_sigaction = on_bus_error;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    g_guarded = ::sigaction(SIGBUS, &action, &g_previous) == 0;
  });
  return g_guarded;
}

long long modified_ns(const struct stat& status) {
  return static_cast<long long>(status.st_mtim.tv_sec) * 1'000'000'000LL + status.st_mtim.tv_nsec;
}

int take_slot() {
  for (int i = 0; i < kSlots; ++i) {
    bool expected = false;
    if (g_slots[i].taken.compare_exchange_strong(expected, true)) return i;
  }
  return -1;
}

}  // namespace

std::unique_ptr<MappedFile> MappedFile::map(int fd, std::size_t size) {
  if (size == 0 || !guard_installed()) return nullptr;
  struct stat status {};
  if (::fstat(fd, &status) != 0) return nullptr;
  const int kept = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
  if (kept < 0) return nullptr;
  const int slot = take_slot();
  void* const data =
      slot < 0 ? MAP_FAILED : ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE, fd, 0);
  if (data == MAP_FAILED) {
    if (slot >= 0) g_slots[slot].taken.store(false);
    ::close(kept);
    return nullptr;
  }
  Slot& entry = g_slots[slot];
  entry.cut.store(false);
  const auto begin = reinterpret_cast<std::uintptr_t>(data);
  entry.end.store(round_up_to_page(begin + size), std::memory_order_release);
  entry.begin.store(begin, std::memory_order_release);
  std::unique_ptr<MappedFile> mapped(new MappedFile(static_cast<char*>(data), size, slot, kept));
  mapped->m_modified_ns = modified_ns(status);
  mapped->m_file_size = static_cast<long long>(status.st_size);
  return mapped;
}

MappedFile::~MappedFile() {
  Slot& entry = g_slots[m_slot];
  entry.begin.store(0, std::memory_order_release);
  entry.end.store(0, std::memory_order_release);
  ::munmap(m_data, m_size);
  entry.taken.store(false, std::memory_order_release);
  ::close(m_fd);
}

bool MappedFile::changed() const {
  if (g_slots[m_slot].cut.load(std::memory_order_acquire)) return true;
  struct stat status {};
  if (::fstat(m_fd, &status) != 0) return true;
  return status.st_size != m_file_size || modified_ns(status) != m_modified_ns;
}

}  // namespace talve
