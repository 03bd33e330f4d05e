// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace talve {
class Session;
}

namespace talve::ui {

// Binds every setting of the settings table to its control, both ways, from
// the table alone: the control kind and objectName each setting names there.
// A value stored into the description (a description read, a reset, a rule
// that corrects a field) is shown in its control with the control's signals
// blocked; an edit of the user's goes to the description (set_text,
// set_checked, set_choice, set_time), which marks it modified.
//
// A choice whose stored index no button can show checks no button and
// keeps its value, so that the file is written back unchanged.
//
// Per-field handlers are added here without touching the binding: a
// handler of a setting runs after its control shows a new value, whether the
// user typed it or a description was read (in the order the description
// file reads the keys); handlers of a control run when the focus leaves it,
// on Enter and on a double-click.
class SettingsBinder : public QObject {
  Q_OBJECT

 public:
  SettingsBinder(QWidget* window, Session& session);

  // Every control shows its setting and the change handlers run, in the
  // order of the table (the window at its creation).
  void show_all();

  // `by_user`: the change came from the setting's own control.
  using ChangeHandler = std::function<void(bool by_user)>;
  void on_change(std::string_view key, ChangeHandler handler);
  using FieldHandler = std::function<void()>;
  void on_leave(std::string_view control, FieldHandler handler);
  void on_enter(std::string_view control, FieldHandler handler);
  void on_double_click(std::string_view control, FieldHandler handler);
  // How an edit of the user's is stored, instead of the plain setter (the
  // mask, whose "ppp" does not mark the description modified...).
  using Store = std::function<void(const std::string& value)>;
  void store_with(std::string_view key, Store store);

  // The control of a setting (nullptr for the chart viewer's lists).
  QWidget* control_of(std::string_view key) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void bind(std::size_t index);
  void connect_edits(std::size_t index, QWidget* control);
  void show_value(std::size_t index);
  void value_stored(std::string_view key);
  void store_edit(std::size_t index, const std::string& value);
  void watch(QWidget* widget);
  void run(const std::multimap<std::string, FieldHandler, std::less<>>& handlers, const QObject* widget);

  QWidget* m_window;
  Session& m_session;
  std::vector<QWidget*> m_controls;  // by setting index
  std::vector<Store> m_stores;       // by setting index; empty: the plain setter
  std::multimap<std::size_t, ChangeHandler> m_change_handlers;
  std::multimap<std::string, FieldHandler, std::less<>> m_leave_handlers;
  std::multimap<std::string, FieldHandler, std::less<>> m_enter_handlers;
  std::multimap<std::string, FieldHandler, std::less<>> m_double_click_handlers;
  // The setting whose control is storing the user's edit, or -1.
  int m_editing = -1;
};

}  // namespace talve::ui
