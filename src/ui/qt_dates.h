// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include "text/tdatetime.h"

namespace talve::ui {

// The pickers show the program's TDateTime values as they are written, with
// no time zone: a date and a time of day, never shifted by a change of
// summer time.
QDateTime to_qdatetime(TDateTime value);
TDateTime from_qdatetime(const QDateTime& value);
// The time of day of a value (a duration below one day), to the second.
QTime to_qtime(TDateTime value);
TDateTime from_qtime(const QTime& time);
QDate to_qdate(TDateTime value);
TDateTime from_qdate(const QDate& date);

}  // namespace talve::ui
