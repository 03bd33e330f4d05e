// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/period_controls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDateEdit>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimeEdit>

#include "session/period_edits.h"
#include "session/session.h"
#include "text/tdatetime.h"
#include "ui/qt_dates.h"
#include "ui/settings_binder.h"
#include "ui/widget_factory.h"
#include "ui/window_interface.h"

namespace talve::ui {
namespace {

template <typename W>
W* find(QWidget* surface, const char* name) {
  W* widget = surface->findChild<W*>(QString::fromLatin1(name));
  if (!widget) qWarning("talve: no control named %s in the window", name);
  return widget;
}

QButtonGroup* group_buttons(QWidget* surface, const char* name) {
  auto* group = find<QGroupBox>(surface, name);
  QButtonGroup* buttons = group ? choice_buttons(group) : nullptr;
  if (group && !buttons) qWarning("talve: %s is not a choice group", name);
  return buttons;
}

void check_button(QButtonGroup* buttons, int id) {
  if (!buttons) return;
  QAbstractButton* button = buttons->button(id);
  if (!button || button->isChecked()) return;
  const QSignalBlocker blocker(buttons);
  button->setChecked(true);
}

}  // namespace

PeriodControls::PeriodControls(QWidget* surface, Session& session, WindowInterface& ui,
                               SettingsBinder& binder, std::function<void()> after_change)
    : QObject(surface), m_surface(surface), m_session(session), m_after_change(std::move(after_change)) {
  connect_pickers();
  connect_choices();
  connect_buttons();
  connect_copies(binder);
  ui.watch_caption("Label_temps_deb", [this](const std::string& caption) {
    show_bound_pickers("DatePicker_deb", "TimePicker_deb", caption);
  });
  ui.watch_caption("Label_temps_fin", [this](const std::string& caption) {
    show_bound_pickers("DatePicker_fin", "TimePicker_fin", caption);
  });
  // Every change of the period ends with the count preview.
  ui.watch_caption("Label25", [this](const std::string&) { refresh(); });
  // The step count takes the place of the step time and its label.
  ui.route_visibility("TimePicker_pas", [this](bool visible) {
    for (const char* name : {"TimePicker_pas", "Label_heure_minute_seconde"})
      if (auto* widget = find<QWidget>(m_surface, name)) widget->setVisible(visible);
  });
}

void PeriodControls::changed() {
  if (m_after_change) m_after_change();
}

void PeriodControls::show_bound_pickers(const char* date_picker, const char* time_picker,
                                        const std::string& caption) {
  const auto value = parse_canonical(caption);
  if (!value) return;
  // Set only when it differs: the picker being typed into keeps its caret.
  if (auto* date = find<QDateEdit>(m_surface, date_picker); date && date->date() != to_qdate(*value)) {
    const QSignalBlocker blocker(date);
    date->setDate(to_qdate(*value));
  }
  if (auto* time = find<QTimeEdit>(m_surface, time_picker); time && time->time() != to_qtime(*value)) {
    const QSignalBlocker blocker(time);
    time->setTime(to_qtime(*value));
  }
}

void PeriodControls::refresh() {
  const Period& period = m_session.period;
  show_bound_pickers("DatePicker_deb", "TimePicker_deb", period.start_caption);
  show_bound_pickers("DatePicker_fin", "TimePicker_fin", period.end_caption);
  if (auto* step = find<QTimeEdit>(m_surface, "TimePicker_pas");
      step && step->time() != to_qtime(period.step_time)) {
    const QSignalBlocker blocker(step);
    step->setTime(to_qtime(period.step_time));
  }
  if (auto* count = find<QSpinBox>(m_surface, "SpinEdit_pas_jour_mois_annee");
      count && count->value() != period.step_count) {
    const QSignalBlocker blocker(count);
    count->setValue(period.step_count);
  }
  if (auto* days = find<QSpinBox>(m_surface, "SpinEdit_decalage_jour");
      days && days->value() != m_session.offset_days) {
    const QSignalBlocker blocker(days);
    days->setValue(m_session.offset_days);
  }
  check_button(group_buttons(m_surface, "GroupBox_jour_mois_annee"), static_cast<int>(period.step_kind));
  check_button(group_buttons(m_surface, "GroupBox_actuel_ou_passee"), static_cast<int>(period.date_test));
}

void PeriodControls::connect_pickers() {
  // A bound is its date picker's day at its time picker's time of day.
  const auto bound = [this](const char* date_picker, const char* time_picker, bool start) {
    auto* date = find<QDateEdit>(m_surface, date_picker);
    auto* time = find<QTimeEdit>(m_surface, time_picker);
    if (!date || !time) return;
    const auto edited = [this, date, time, start] {
      const TDateTime value = from_qdate(date->date()) + from_qtime(time->time());
      if (start)
        change_period_start(m_session, value);
      else
        change_period_end(m_session, value);
      changed();
    };
    connect(date, &QDateEdit::dateChanged, this, edited);
    connect(time, &QTimeEdit::timeChanged, this, edited);
  };
  bound("DatePicker_deb", "TimePicker_deb", true);
  bound("DatePicker_fin", "TimePicker_fin", false);
  if (auto* step = find<QTimeEdit>(m_surface, "TimePicker_pas"))
    connect(step, &QTimeEdit::timeChanged, this, [this](const QTime& time) {
      change_step_time(m_session, from_qtime(time));
      changed();
    });
  if (auto* count = find<QSpinBox>(m_surface, "SpinEdit_pas_jour_mois_annee"))
    connect(count, &QSpinBox::valueChanged, this, [this](int value) {
      change_step_count(m_session, value);
      changed();
    });
  if (auto* days = find<QSpinBox>(m_surface, "SpinEdit_decalage_jour"))
    connect(days, &QSpinBox::valueChanged, this, [this](int value) {
      change_offset_days(m_session, value);
      changed();
    });
}

void PeriodControls::connect_choices() {
  if (QButtonGroup* kinds = group_buttons(m_surface, "GroupBox_jour_mois_annee"))
    connect(kinds, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
      if (!checked) return;
      change_step_kind(m_session, static_cast<StepKind>(id));
      changed();
    });
  if (QButtonGroup* tests = group_buttons(m_surface, "GroupBox_actuel_ou_passee"))
    connect(tests, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
      if (!checked) return;
      change_date_test(m_session, static_cast<DateTest>(id));
      changed();
    });
}

void PeriodControls::connect_buttons() {
  const std::pair<const char*, PeriodTime> zeros[] = {{"SpeedButton_deb", PeriodTime::Start},
                                                      {"SpeedButton_fin", PeriodTime::End},
                                                      {"SpeedButton_pas", PeriodTime::Step}};
  for (const auto& [name, which] : zeros)
    if (auto* button = find<QAbstractButton>(m_surface, name))
      connect(button, &QAbstractButton::clicked, this, [this, which = which] {
        // A refusal has told why; the controls show the period as it is.
        static_cast<void>(zero_period_time(m_session, which));
        refresh();
        changed();
      });
}

void PeriodControls::connect_copies(SettingsBinder& binder) {
  for (const std::string_view label : period_copy_labels())
    binder.on_double_click(label, [this, label] {
      if (copy_into_period(m_session, label)) refresh();
      changed();
    });
}

}  // namespace talve::ui
