// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_dates.h"

#include <QTimeZone>

namespace talve::ui {

QDateTime to_qdatetime(TDateTime value) {
  return QDateTime(to_qdate(value), to_qtime(value), QTimeZone::utc());
}

TDateTime from_qdatetime(const QDateTime& value) {
  const QDate date = value.date();
  const QTime time = value.time();
  const CivilDateTime parts{{date.year(), date.month(), date.day()},
                            {time.hour(), time.minute(), time.second(), 0}};
  return encode_date_time(parts).value_or(0.0);
}

QTime to_qtime(TDateTime value) {
  const CivilDateTime parts = decode_date_time(value);
  return QTime(parts.time.hour, parts.time.minute, parts.time.second);
}

TDateTime from_qtime(const QTime& time) { return encode_time(time.hour(), time.minute(), time.second()); }

QDate to_qdate(TDateTime value) {
  const CivilDate date = decode_date_time(value).date;
  return QDate(date.year, date.month, date.day);
}

TDateTime from_qdate(const QDate& date) {
  return encode_date(date.year(), date.month(), date.day()).value_or(0.0);
}

}  // namespace talve::ui
