// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/clock.h"

#include <chrono>
#include <ctime>

namespace talve {
namespace {
std::optional<TDateTime>& fixed_now() {
  static std::optional<TDateTime> value;
  return value;
}
}  // namespace

TDateTime now() {
  if (fixed_now()) return *fixed_now();
  const auto point = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(point);
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(point.time_since_epoch()).count() % 1000;
  std::tm local{};
  localtime_r(&seconds, &local);
  CivilDateTime v;
  v.date = CivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
  v.time = TimeOfDay{local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(ms)};
  return encode_date_time(v).value_or(0.0);
}

void set_fixed_now(std::optional<TDateTime> value) { fixed_now() = value; }

double monotonic_seconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace talve
