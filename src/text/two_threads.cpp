// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/two_threads.h"

namespace talve {

SecondThread::~SecondThread() {
  if (!m_thread.joinable()) return;
  {
    const std::lock_guard lock(m_mutex);
    m_stop = true;
  }
  m_changed.notify_all();
  m_thread.join();
}

bool SecondThread::hand_over(std::function<void()> task) {
  if (!m_thread.joinable()) {
    try {
      m_thread = std::thread([this] { serve(); });
    } catch (const std::system_error&) {
      return false;
    }
  }
  {
    const std::lock_guard lock(m_mutex);
    m_task = std::move(task);
    m_busy = true;
  }
  m_changed.notify_all();
  return true;
}

void SecondThread::wait_until_done() {
  std::unique_lock lock(m_mutex);
  m_changed.wait(lock, [this] { return !m_busy; });
  m_task = nullptr;
}

void SecondThread::serve() {
  std::unique_lock lock(m_mutex);
  while (true) {
    m_changed.wait(lock, [this] { return m_busy || m_stop; });
    if (m_busy) {
      // The task runs unlocked; it catches its own exceptions.
      lock.unlock();
      m_task();
      lock.lock();
      m_busy = false;
      m_changed.notify_all();
      continue;
    }
    return;
  }
}

}  // namespace talve
