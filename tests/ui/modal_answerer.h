// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>

class QMessageBox;
class QFileDialog;

namespace talve::testing {

// Answers the window's modal boxes and dialogs as a user does: each time
// the event loop turns, the active modal widget is looked at; a message box
// takes the next scripted answer (its text checked) and the button of that
// caption is pressed, a file dialog takes the next scripted path. A box
// nobody scripted fails the test and is closed as by Escape.
class ModalAnswerer : public QObject {
  Q_OBJECT

 public:
  ModalAnswerer();
  ~ModalAnswerer() override;

  // The next box: its text holds `expected` (UTF-8), `button` is pressed
  // ("Oui", "Non", "Annuler", "OK"); "Escape" presses the Escape key.
  ModalAnswerer& box(const QString& expected, const QString& button);
  // The next file or folder dialog: `path` chosen, or cancelled.
  ModalAnswerer& dialog(std::optional<QString> path);
  // Any box whose text holds `expected`, whenever it comes, gets `button`
  // (the summary at the end of a run...), before the scripted answers.
  ModalAnswerer& always(const QString& expected, const QString& button);

  // Every box unscripted is closed as by Escape, every dialog cancelled,
  // without failing (a test that only looks at what each click shows).
  bool dismiss_unscripted = false;

  // Every box seen, in order, and its answer.
  QStringList texts;
  int dialogs_seen = 0;
  QStringList buttons_pressed;
  bool idle() const { return m_boxes.empty() && m_dialogs.empty(); }
  // Runs at every look, with or without a modal widget (a test acting while
  // a run lets the window work). What opens a box from here must be posted
  // (QTimer::singleShot): the answerer's timer does not fire again before
  // this returns.
  std::function<void()> on_tick;

 private:
  struct Scripted {
    QString expected;
    QString button;
  };
  void look();
  void answer(QMessageBox* box);
  void answer(QFileDialog* dialog);

  QTimer m_timer;
  std::deque<Scripted> m_boxes;
  std::vector<Scripted> m_always;
  std::deque<std::optional<QString>> m_dialogs;
};

}  // namespace talve::testing
