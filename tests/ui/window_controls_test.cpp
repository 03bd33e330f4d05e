// SPDX-License-Identifier: GPL-3.0-or-later
// Each control of the period zone and each check box of the session's own
// values changes its own value, and only it, as the user sets it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDateEdit>
#include <QSpinBox>
#include <QTimeEdit>
#include <functional>

#include "session/session.h"
#include "ui/window_fixture.h"

namespace talve::testing {
namespace {

class WindowControls : public WindowTest {};

// What the period zone stands for in the session.
struct PeriodValues {
  std::string start, end;
  TDateTime step_time = 0;
  int step_count = 0;
  int offset_days = 0;

  static PeriodValues of(const Session& s) {
    return {s.period.start_caption, s.period.end_caption, s.period.step_time, s.period.step_count,
            s.offset_days};
  }
  bool operator==(const PeriodValues&) const = default;
};

TEST_F(WindowControls, EachPeriodControlChangesItsOwnValue) {
  open();
  Session& session = window->session();
  struct Case {
    const char* control;
    std::function<void()> set;                  // as the user sets the control
    std::function<void(PeriodValues&)> expect;  // what it changes
  };
  const Case cases[] = {
      {"DatePicker_deb", [&] { find<QDateEdit>("DatePicker_deb")->setDate(QDate(2020, 3, 1)); },
       [](PeriodValues& v) { v.start = "01/03/2020" + v.start.substr(10); }},
      {"TimePicker_deb", [&] { find<QTimeEdit>("TimePicker_deb")->setTime(QTime(6, 30, 0)); },
       [](PeriodValues& v) { v.start = v.start.substr(0, 11) + "06:30:00"; }},
      {"DatePicker_fin", [&] { find<QDateEdit>("DatePicker_fin")->setDate(QDate(2030, 7, 14)); },
       [](PeriodValues& v) { v.end = "14/07/2030" + v.end.substr(10); }},
      {"TimePicker_fin", [&] { find<QTimeEdit>("TimePicker_fin")->setTime(QTime(18, 45, 0)); },
       [](PeriodValues& v) { v.end = v.end.substr(0, 11) + "18:45:00"; }},
      {"TimePicker_pas", [&] { find<QTimeEdit>("TimePicker_pas")->setTime(QTime(0, 20, 0)); },
       [](PeriodValues& v) { v.step_time = 20.0 / 1440; }},
      {"SpinEdit_pas_jour_mois_annee", [&] { find<QSpinBox>("SpinEdit_pas_jour_mois_annee")->setValue(4); },
       [](PeriodValues& v) { v.step_count = 4; }},
      {"SpinEdit_decalage_jour", [&] { find<QSpinBox>("SpinEdit_decalage_jour")->setValue(3); },
       [](PeriodValues& v) { v.offset_days = 3; }},
  };
  for (const Case& c : cases) {
    PeriodValues expected = PeriodValues::of(session);
    c.expect(expected);
    c.set();
    const PeriodValues now = PeriodValues::of(session);
    EXPECT_EQ(now.start, expected.start) << c.control;
    EXPECT_EQ(now.end, expected.end) << c.control;
    EXPECT_NEAR(now.step_time, expected.step_time, 1e-9) << c.control;
    EXPECT_EQ(now.step_count, expected.step_count) << c.control;
    EXPECT_EQ(now.offset_days, expected.offset_days) << c.control;
  }
  EXPECT_TRUE(answers.idle());
  expect_names_resolved();
}

TEST_F(WindowControls, EachSessionCheckBoxSetsItsOwnValue) {
  open();
  Session& session = window->session();
  struct Case {
    const char* box;
    bool Workspace::*value;
    bool Workspace::*other;
  };
  const Case cases[] = {
      {"CheckBox_sans_confirmation", &Workspace::no_confirmation, &Workspace::shutdown_after_run},
      {"CheckBox_arret_PC", &Workspace::shutdown_after_run, &Workspace::no_confirmation},
  };
  for (const Case& c : cases) {
    ASSERT_FALSE(session.*(c.value)) << c.box;
    click(c.box);
    EXPECT_TRUE(session.*(c.value)) << c.box;
    EXPECT_FALSE(session.*(c.other)) << c.box;
    click(c.box);
    EXPECT_FALSE(session.*(c.value)) << c.box;
  }
}

}  // namespace
}  // namespace talve::testing
