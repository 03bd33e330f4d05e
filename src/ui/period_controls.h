// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace talve {
class Session;
}

namespace talve::ui {

class SettingsBinder;
class WindowInterface;

// Zone 4's period controls on the core's period operations: the start and
// end pickers (a date and a time each), the step picker, the step kind with
// its count, the date test, the day count of the offset, the three "O"
// buttons and the double-click copies of the dates found by the listing
// and of the last run's period. The pickers show the period captions, which
// stay the reference: whatever changes a caption (the period file, a
// calendar correction, a copy) moves the pickers with it.
class PeriodControls : public QObject {
  Q_OBJECT

 public:
  PeriodControls(QWidget* surface, Session& session, WindowInterface& ui, SettingsBinder& binder,
                 std::function<void()> after_change);

  // The pickers, the step kind and the date test from the session's period.
  void refresh();

 private:
  void connect_pickers();
  void connect_choices();
  void connect_buttons();
  void connect_copies(SettingsBinder& binder);
  void show_bound_pickers(const char* date_picker, const char* time_picker, const std::string& caption);
  void changed();

  QWidget* m_surface;
  Session& m_session;
  std::function<void()> m_after_change;
};

}  // namespace talve::ui
