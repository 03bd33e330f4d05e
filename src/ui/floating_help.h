// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <functional>

#include "ui/help_box.h"

class QPlainTextEdit;
class QTableView;
class QWidget;

namespace talve {
class Session;
}

namespace talve::ui {

class SettingsBinder;

// The help that follows the mouse: the entry of the control under the
// mouse (help_entries.h) in the help area `Memo2` and, when "aide flottante"
// is checked, in the floating box `Memo3` beside the mouse; over the
// FileTable, the help of the column under the mouse.
//
// The moves reach it through one application event filter (mouse moves,
// hover moves and entries), so that disabled controls explain themselves
// too. A move that stays on the same entry writes nothing. A double-click
// on the floating box opens the last result file.
class FloatingHelp : public QObject {
  Q_OBJECT

 public:
  FloatingHelp(QWidget* surface, Session& session, SettingsBinder& binder,
               std::function<void()> after_action);
  ~FloatingHelp() override;

  // The lines of the entry a control of the window selects (the empty
  // entry for the background and the controls without help), and whether
  // it is shown in the small font.
  HelpLines lines_of(const QWidget* control, bool* small_font = nullptr) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void mouse_at(QPoint at);
  void show_lines(const HelpLines& lines, bool small_font, QPoint at);
  void show_box(const HelpLines& lines, QPoint at);
  void show_box_setting(bool checked);
  HelpLines table_lines(QTableView* table, const QWidget* target, QPoint at);
  bool box_wanted() const;

  QWidget* m_surface;
  Session& m_session;
  std::function<void()> m_after_action;
  QPlainTextEdit* m_area;
  QPlainTextEdit* m_box;
  QTableView* m_table;
  QPointer<QAbstractButton> m_check;  // "aide flottante"
  QString m_table_hint;
  QHash<QString, int> m_bindings;  // control name -> entry index, the first entry naming it
  QPoint m_last_point{-1, -1};
  QPointer<QWidget> m_last_target;
};

}  // namespace talve::ui
