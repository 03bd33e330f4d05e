// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/busy_state.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "session/result_writing.h"
#include "session/session.h"

namespace talve::ui {
namespace {

// Commands and settings: buttons, check boxes and radio buttons, fields and
// pickers. Lists and text areas only show; they stay scrollable.
bool is_command_or_setting(const QWidget* widget) {
  if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return !edit->isReadOnly();
  return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
         qobject_cast<const QComboBox*>(widget);
}

// Inside a control that stays usable (the tracking window's own buttons).
bool within_always_enabled(const QWidget* widget) {
  for (const QWidget* w = widget; w; w = w->parentWidget())
    if (BusyState::always_enabled().contains(w->objectName())) return true;
  return false;
}

}  // namespace

BusyState::BusyState(QWidget* surface, const Session& session) : m_surface(surface), m_session(session) {}

const QStringList& BusyState::always_enabled() {
  static const QStringList names = {"SpeedButton_stop", "Panel_button_suivi", "Panel1"};
  return names;
}

void BusyState::refresh() {
  const bool busy = m_session.busy();
  if (busy != m_busy) {
    m_busy = busy;
    if (busy)
      disable_controls();
    else
      enable_controls();
  }
  // The result buttons answer once there is a result to show; "stop" only
  // while there is something to stop, and not once the result is being
  // written, too late to stop.
  for (const char* name :
       {"SpeedButton_graphique", "SpeedButton_edit", "SpeedButton_suivi", "SpeedButton_sans_coldate"})
    if (QWidget* button = m_surface->findChild<QWidget*>(QString::fromLatin1(name)))
      button->setEnabled(!busy && result_button_live(m_session, name));
  if (QWidget* stop = m_surface->findChild<QWidget*>("SpeedButton_stop"))
    stop->setEnabled(busy && !m_session.run.writing);
}

void BusyState::disable_controls() {
  // "grand Tableau" hides the period zone, and "stop" with it: the table
  // returns to its height so that the one command left can be reached.
  if (auto* large = m_surface->findChild<QCheckBox*>("CheckBox_grand_tableau"); large && large->isChecked())
    large->setChecked(false);
  m_disabled.clear();
  for (QWidget* widget : m_surface->findChildren<QWidget*>()) {
    if (!widget->isEnabled() || !is_command_or_setting(widget) || within_always_enabled(widget)) continue;
    // Parts of a compound control (a picker's own field) follow their owner.
    if (qobject_cast<QAbstractSpinBox*>(widget->parentWidget())) continue;
    widget->setEnabled(false);
    m_disabled.emplace_back(widget);
  }
}

void BusyState::enable_controls() {
  for (const QPointer<QWidget>& widget : m_disabled)
    if (widget) widget->setEnabled(true);
  m_disabled.clear();
}

}  // namespace talve::ui
