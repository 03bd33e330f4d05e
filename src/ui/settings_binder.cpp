// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings_binder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDateTimeEdit>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimeEdit>

#include "core/settings_table.h"
#include "session/session.h"
#include "ui/qt_dates.h"
#include "ui/text_edge.h"
#include "ui/widget_factory.h"

namespace talve::ui {
namespace {

const SettingInfo& info_at(std::size_t index) { return settings_table()[index]; }

std::size_t index_of(std::string_view key) {
  const int index = setting_index(key);
  if (index < 0) throw std::logic_error("not a setting: " + std::string(key));
  return static_cast<std::size_t>(index);
}

// Checks a radio button or check box without its group unchecking the
// others behind the description's back: the two offset signs are two
// settings, each shown as it is stored.
void show_checked(QAbstractButton* button, bool checked) {
  const QSignalBlocker blocker(button);
  QButtonGroup* group = button->group();
  const bool exclusive_group = group && group->exclusive();
  if (exclusive_group) group->setExclusive(false);
  const bool auto_exclusive = button->autoExclusive();
  button->setAutoExclusive(false);
  button->setChecked(checked);
  button->setAutoExclusive(auto_exclusive);
  if (exclusive_group) group->setExclusive(true);
}

// The button of the stored index, or none when no button has that number.
void show_choice(QButtonGroup* group, int index) {
  const QSignalBlocker blocker(group);
  QAbstractButton* wanted = group->button(index);
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons()) {
    const QSignalBlocker button_blocker(button);
    button->setChecked(button == wanted);
  }
  group->setExclusive(true);
}

}  // namespace

SettingsBinder::SettingsBinder(QWidget* window, Session& session)
    : QObject(window), m_window(window), m_session(session) {
  const auto table = settings_table();
  m_controls.assign(table.size(), nullptr);
  m_stores.resize(table.size());
  for (std::size_t i = 0; i < table.size(); ++i) bind(i);
  session.description.on_value_changed(
      [this](std::string_view key, const std::string&) { value_stored(key); });
}

void SettingsBinder::bind(std::size_t index) {
  const SettingInfo& info = info_at(index);
  if (info.control_kind == ControlKind::None) return;
  QWidget* control = m_window->findChild<QWidget*>(name_of(info.control));
  if (!control) {
    qWarning("talve: no control named %.*s for the setting %.*s", static_cast<int>(info.control.size()),
             info.control.data(), static_cast<int>(info.key.size()), info.key.data());
    return;
  }
  m_controls[index] = control;
  connect_edits(index, control);
  watch(control);
}

void SettingsBinder::connect_edits(std::size_t index, QWidget* control) {
  switch (info_at(index).control_kind) {
    case ControlKind::LineEdit:
      if (auto* edit = qobject_cast<QLineEdit*>(control))
        connect(edit, &QLineEdit::textEdited, this,
                [this, index](const QString& text) { store_edit(index, from_qstring(text)); });
      break;
    case ControlKind::Check:
      if (auto* button = qobject_cast<QAbstractButton*>(control))
        connect(button, &QAbstractButton::toggled, this,
                [this, index](bool checked) { store_edit(index, checked ? "true" : "false"); });
      break;
    case ControlKind::Choice:
      if (auto* group = qobject_cast<QGroupBox*>(control); group && choice_buttons(group))
        connect(choice_buttons(group), &QButtonGroup::idToggled, this, [this, index](int id, bool checked) {
          if (checked) store_edit(index, std::to_string(id));
        });
      else
        qWarning("talve: %s is not a choice group", qPrintable(control->objectName()));
      break;
    case ControlKind::TimePicker:
      if (auto* picker = qobject_cast<QTimeEdit*>(control))
        connect(picker, &QTimeEdit::timeChanged, this,
                [this, index](const QTime& time) { store_edit(index, format_time(from_qtime(time))); });
      break;
    case ControlKind::DateTimePicker:
      if (auto* picker = qobject_cast<QDateTimeEdit*>(control)) {
        picker->setTimeSpec(Qt::UTC);
        connect(picker, &QDateTimeEdit::dateTimeChanged, this, [this, index](const QDateTime& value) {
          store_edit(index, format_system_datetime(from_qdatetime(value)));
        });
      }
      break;
    case ControlKind::Label:
    case ControlKind::FolderLabel:
    case ControlKind::None:
      break;
  }
}

void SettingsBinder::store_edit(std::size_t index, const std::string& value) {
  const int previous = m_editing;
  m_editing = static_cast<int>(index);
  if (m_stores[index]) {
    m_stores[index](value);
  } else {
    // The plain setters: the value as the description file writes it, the
    // modified flag set when it changed.
    m_session.description.set_text(info_at(index).key, value);
  }
  m_editing = previous;
}

void SettingsBinder::value_stored(std::string_view key) {
  const int found = setting_index(key);
  if (found < 0) return;
  const auto index = static_cast<std::size_t>(found);
  const bool by_user = m_editing == found;
  show_value(index);
  for (auto [it, end] = m_change_handlers.equal_range(index); it != end; ++it) it->second(by_user);
}

void SettingsBinder::show_value(std::size_t index) {
  const SettingInfo& info = info_at(index);
  QWidget* control = m_controls[index];
  if (!control) return;
  const DataDescription& description = m_session.description;
  const std::string& value = description.text(info.key);
  switch (info.control_kind) {
    case ControlKind::LineEdit:
      if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        const QString shown = to_qstring(value);
        // The field being typed into already shows it, caret and all.
        if (edit->text() == shown) break;
        const QSignalBlocker blocker(edit);
        edit->setText(shown);
      }
      break;
    case ControlKind::Check:
      if (auto* button = qobject_cast<QAbstractButton*>(control))
        show_checked(button, description.checked(info.key));
      break;
    case ControlKind::Choice:
      if (auto* group = qobject_cast<QGroupBox*>(control); group && choice_buttons(group))
        show_choice(choice_buttons(group), description.choice(info.key));
      break;
    case ControlKind::TimePicker:
      if (auto* picker = qobject_cast<QTimeEdit*>(control)) {
        const QSignalBlocker blocker(picker);
        picker->setTime(to_qtime(description.time(info.key)));
      }
      break;
    case ControlKind::DateTimePicker:
      if (auto* picker = qobject_cast<QDateTimeEdit*>(control)) {
        const QSignalBlocker blocker(picker);
        picker->setDateTime(to_qdatetime(description.time(info.key)));
      }
      break;
    case ControlKind::Label:
      // Through the session, which keeps the captions the core reads back.
      m_session.set_caption(info.control, value);
      break;
    case ControlKind::FolderLabel:
      m_session.set_caption(info.control, value.empty() ? std::string(info.placeholder) : value);
      break;
    case ControlKind::None:
      break;
  }
}

void SettingsBinder::show_all() {
  for (std::size_t i = 0; i < m_controls.size(); ++i) {
    show_value(i);
    for (auto [it, end] = m_change_handlers.equal_range(i); it != end; ++it) it->second(false);
  }
}

void SettingsBinder::on_change(std::string_view key, ChangeHandler handler) {
  m_change_handlers.emplace(index_of(key), std::move(handler));
}

void SettingsBinder::store_with(std::string_view key, Store store) {
  m_stores[index_of(key)] = std::move(store);
}

void SettingsBinder::on_leave(std::string_view control, FieldHandler handler) {
  if (QWidget* widget = m_window->findChild<QWidget*>(name_of(control))) watch(widget);
  m_leave_handlers.emplace(std::string(control), std::move(handler));
}

void SettingsBinder::on_enter(std::string_view control, FieldHandler handler) {
  if (QWidget* widget = m_window->findChild<QWidget*>(name_of(control))) watch(widget);
  m_enter_handlers.emplace(std::string(control), std::move(handler));
}

void SettingsBinder::on_double_click(std::string_view control, FieldHandler handler) {
  if (QWidget* widget = m_window->findChild<QWidget*>(name_of(control))) watch(widget);
  m_double_click_handlers.emplace(std::string(control), std::move(handler));
}

QWidget* SettingsBinder::control_of(std::string_view key) const { return m_controls[index_of(key)]; }

void SettingsBinder::watch(QWidget* widget) {
  widget->removeEventFilter(this);
  widget->installEventFilter(this);
}

void SettingsBinder::run(const std::multimap<std::string, FieldHandler, std::less<>>& handlers,
                         const QObject* widget) {
  const std::string name = widget->objectName().toStdString();
  // Copied first: a handler may add others.
  std::vector<FieldHandler> due;
  for (auto [it, end] = handlers.equal_range(name); it != end; ++it) due.push_back(it->second);
  for (const FieldHandler& handler : due) handler();
}

bool SettingsBinder::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusOut:
      run(m_leave_handlers, watched);
      break;
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) run(m_enter_handlers, watched);
      break;
    }
    case QEvent::MouseButtonDblClick:
      run(m_double_click_handlers, watched);
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace talve::ui
