// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

namespace talve {

namespace two_threads_detail {

// `beside` as the other thread runs it: its exception kept in `error`.
template <class Beside>
auto catching(Beside& beside, std::exception_ptr& error) {
  return [&beside, &error] {
    try {
      beside();
    } catch (...) {
      error = std::current_exception();
    }
  };
}

// Runs `here`, waits for the other thread (`join`), then throws again the
// exception of `here` if any, else that of the other thread.
template <class Here, class Join>
void here_then_join(Here& here, Join&& join, const std::exception_ptr& beside_error) {
  std::exception_ptr here_error;
  try {
    here();
  } catch (...) {
    here_error = std::current_exception();
  }
  join();
  if (here_error) std::rethrow_exception(here_error);
  if (beside_error) std::rethrow_exception(beside_error);
}

}  // namespace two_threads_detail

// Runs `beside` on a second thread while `here` runs on this one, and
// returns once both are done. The two must not depend on each other's
// progress: when no thread can be started (no memory left for its stack),
// both run here, `beside` first.
//
// An exception leaving a thread would end the process; here it is caught
// on its thread and thrown again on this one once both have ended (the one
// of `here` first), so that a failed allocation on either side reaches the
// code that reports it.
template <class Beside, class Here>
void run_on_two_threads(Beside&& beside, Here&& here) {
  std::exception_ptr beside_error;
  std::thread helper;
  try {
    helper = std::thread(two_threads_detail::catching(beside, beside_error));
  } catch (const std::system_error&) {
    beside();
    here();
    return;
  }
  two_threads_detail::here_then_join(
      here, [&helper] { helper.join(); }, beside_error);
}

// A second thread kept for many short tasks, each run as
// run_on_two_threads runs it: starting a thread costs about fifty
// microseconds on the virtual machines this runs on, as much as parsing a
// few hundred lines, and a run hands out a task for every block of lines.
// The thread starts with the first task and ends with the object.
class SecondThread {
 public:
  SecondThread() = default;
  SecondThread(const SecondThread&) = delete;
  SecondThread& operator=(const SecondThread&) = delete;
  ~SecondThread();

  template <class Beside, class Here>
  void run(Beside&& beside, Here&& here) {
    std::exception_ptr beside_error;
    if (!hand_over(two_threads_detail::catching(beside, beside_error))) {
      beside();
      here();
      return;
    }
    two_threads_detail::here_then_join(
        here, [this] { wait_until_done(); }, beside_error);
  }

 private:
  // False when the thread cannot be started: the task is then not taken.
  bool hand_over(std::function<void()> task);
  void wait_until_done();
  void serve();

  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::function<void()> m_task;
  bool m_busy = false;
  bool m_stop = false;
  std::thread m_thread;
};

}  // namespace talve
