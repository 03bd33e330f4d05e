// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_interface.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextEdit>
#include <algorithm>

#include "text/text_utils.h"
#include "ui/outside_programs.h"
#include "ui/sound_player.h"
#include "ui/text_edge.h"
#include "ui/widget_paint.h"

namespace talve::ui {
namespace {

QMessageBox::Icon icon_of(MessageType type) {
  switch (type) {
    case MessageType::Warning:
      return QMessageBox::Warning;
    case MessageType::Error:
      return QMessageBox::Critical;
    case MessageType::Confirmation:
      return QMessageBox::Question;
    case MessageType::Information:
      break;
  }
  return QMessageBox::Information;
}

QString title_of(MessageType type) {
  switch (type) {
    case MessageType::Warning:
      return QStringLiteral("Avertissement");
    case MessageType::Error:
      return QStringLiteral("Erreur");
    case MessageType::Confirmation:
      return QStringLiteral("Confirmation");
    case MessageType::Information:
      break;
  }
  return QStringLiteral("Information");
}

// The buttons of a box, in the order the program has always shown them.
struct BoxButton {
  Button button;
  const char* caption;
  QMessageBox::ButtonRole role;
  Answer answer;
};
constexpr BoxButton kBoxButtons[] = {
    {kYes, "Oui", QMessageBox::YesRole, Answer::Yes},
    {kNo, "Non", QMessageBox::NoRole, Answer::No},
    {kOk, "OK", QMessageBox::AcceptRole, Answer::Ok},
    {kCancel, "Annuler", QMessageBox::RejectRole, Answer::Cancel},
};

// A box closed without a button counts as its Cancel, else its No, else
// its only button.
Answer closed_answer(ButtonSet buttons) {
  if (buttons & kCancel) return Answer::Cancel;
  if (buttons & kNo) return Answer::No;
  if (buttons & kOk) return Answer::Ok;
  return Answer::Yes;
}

// "Fichiers descriptifs (*.dsc)|*.dsc|Tous les fichiers (*.*)|*.*": each
// caption with its patterns, as Qt's name filters read them.
QStringList name_filters(const std::string& filter) {
  const QStringList parts = to_qstring(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString caption = parts[i];
    const QString patterns = QString(parts[i + 1]).replace(';', ' ');
    if (!caption.contains('(')) caption += " (" + patterns + ")";
    filters << caption;
  }
  return filters;
}

// The clipboard's text in the core's bytes, turned into Qt's text only when
// something reads it: a run puts its whole result there (megabytes), which
// the user may never paste.
class Cp1252Text : public QMimeData {
 public:
  explicit Cp1252Text(std::string text) : m_text(std::move(text)) {}
  QStringList formats() const override { return {QStringLiteral("text/plain")}; }
  bool hasFormat(const QString& mime) const override { return mime == QStringLiteral("text/plain"); }

 protected:
  QVariant retrieveData(const QString& mime, QMetaType) const override {
    if (mime != QStringLiteral("text/plain")) return {};
    if (m_shown.isNull()) m_shown = to_qstring(m_text);
    return m_shown;
  }

 private:
  std::string m_text;
  mutable QString m_shown;
};

}  // namespace

WindowInterface::WindowInterface(QWidget* window) : m_window(window) {}

void WindowInterface::route_caption(std::string_view control, CaptionSink sink) {
  m_caption_routes[std::string(control)] = std::move(sink);
}

void WindowInterface::route_visibility(std::string_view control, VisibilitySink sink) {
  m_visibility_routes[std::string(control)] = std::move(sink);
}

void WindowInterface::watch_caption(std::string_view control, CaptionSink watcher) {
  m_caption_watchers.emplace(std::string(control), std::move(watcher));
}

void WindowInterface::ignore_control(std::string_view control) {
  route_caption(control, [](const std::string&) {});
  route_visibility(control, [](bool) {});
}

QWidget* WindowInterface::control(std::string_view name) {
  auto it = m_found.find(name);
  if (it != m_found.end() && it->second) return it->second;
  QWidget* widget = m_window->findChild<QWidget*>(name_of(name));
  if (!widget) {
    qWarning("talve: no control named %.*s in the window", static_cast<int>(name.size()), name.data());
    if (std::find(m_unresolved.begin(), m_unresolved.end(), name) == m_unresolved.end())
      m_unresolved.emplace_back(name);
    return nullptr;
  }
  m_found[std::string(name)] = widget;
  return widget;
}

Answer WindowInterface::ask(MessageType type, ButtonSet buttons, const std::string& text) {
  if (before_modal) before_modal();
  // In front of the window the user works in: the chart window asks its
  // own questions over itself, not behind it over the main window.
  QWidget* active = QApplication::activeWindow();
  QMessageBox box(icon_of(type), title_of(type), to_qstring(text), QMessageBox::NoButton,
                  active ? active : m_window);
  box.setTextFormat(Qt::PlainText);
  std::map<QAbstractButton*, Answer> answers;
  QPushButton* first = nullptr;
  QPushButton* escape = nullptr;
  const Answer on_close = closed_answer(buttons);
  for (const BoxButton& b : kBoxButtons) {
    if (!(buttons & b.button)) continue;
    QPushButton* pushed = box.addButton(QString::fromUtf8(b.caption), b.role);
    answers[pushed] = b.answer;
    if (!first) first = pushed;
    if (b.answer == on_close) escape = pushed;
  }
  if (first) box.setDefaultButton(first);
  if (escape) box.setEscapeButton(escape);
  // The hourglass of a long task would hide that the box waits for an answer.
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  box.exec();
  QApplication::restoreOverrideCursor();
  const auto it = answers.find(box.clickedButton());
  return it == answers.end() ? on_close : it->second;
}

void WindowInterface::tracking_line_added(const std::string& line) {
  if (on_tracking_line) on_tracking_line(line);
}

void WindowInterface::tracking_cleared() {
  if (on_tracking_cleared) on_tracking_cleared();
}

void WindowInterface::caption_changed(std::string_view name, const std::string& text) {
  if (const auto route = m_caption_routes.find(name); route != m_caption_routes.end()) {
    route->second(text);
  } else if (QWidget* widget = control(name)) {
    const QString shown = to_qstring(text);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      label->setText(shown);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      button->setText(shown);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      // The core's own text for a field is not an edit of the user's.
      const QSignalBlocker blocker(edit);
      edit->setText(shown);
    } else if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) {
      area->setPlainText(shown);
    } else if (auto* rich = qobject_cast<QTextEdit*>(widget)) {
      rich->setPlainText(shown);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      group->setTitle(shown);
    } else {
      qWarning("talve: the control %.*s shows no caption", static_cast<int>(name.size()), name.data());
    }
  }
  for (auto [it, end] = m_caption_watchers.equal_range(name); it != end; ++it) it->second(text);
}

void WindowInterface::visibility_changed(std::string_view name, bool visible) {
  if (const auto route = m_visibility_routes.find(name); route != m_visibility_routes.end()) {
    route->second(visible);
    return;
  }
  QWidget* widget = control(name);
  if (!widget) return;
  widget->setVisible(visible);
  // A field comes and goes with the label that names it.
  if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractSpinBox*>(widget))
    for (QLabel* label : m_window->findChildren<QLabel*>())
      if (label->buddy() == widget) label->setVisible(visible);
}

void WindowInterface::colour_changed(std::string_view name, ColourPart part, const ControlColour& colour) {
  QWidget* widget = control(name);
  if (!widget) return;
  if (part == ColourPart::Text) {
    apply_text_colour(widget, colour);
  } else if (colour.window_text) {
    set_background(widget, QApplication::palette(widget).color(QPalette::Base));
  } else {
    set_background(widget, to_qcolor(colour.rgb));
  }
}

void WindowInterface::process_events() {
  if (on_process_events) on_process_events();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WindowInterface::set_busy(bool busy) {
  if (busy && !m_wait_cursor) QApplication::setOverrideCursor(Qt::WaitCursor);
  if (!busy && m_wait_cursor) QApplication::restoreOverrideCursor();
  m_wait_cursor = busy;
  if (on_busy) on_busy(busy);
}

std::optional<std::string> WindowInterface::run_file_dialog(const FileDialogRequest& request, bool save) {
  if (before_modal) before_modal();
  QFileDialog dialog(m_window, to_qstring(request.title), to_qstring(request.initial_folder));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.must_exist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (save && !request.confirm_overwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const QStringList filters = name_filters(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  const QString proposed = to_qstring(request.proposed_name);
  if (!proposed.isEmpty() && !proposed.contains('*')) dialog.selectFile(proposed);
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
  QApplication::restoreOverrideCursor();
  if (!chosen) return std::nullopt;
  return from_qstring(dialog.selectedFiles().front());
}

std::optional<std::string> WindowInterface::open_file(const FileDialogRequest& request) {
  return run_file_dialog(request, false);
}

std::optional<std::string> WindowInterface::save_file(const FileDialogRequest& request) {
  return run_file_dialog(request, true);
}

std::optional<std::string> WindowInterface::choose_folder(const std::string& title,
                                                          const std::string& initial_folder) {
  if (before_modal) before_modal();
  QFileDialog dialog(m_window, to_qstring(title), to_qstring(initial_folder));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  dialog.setFileMode(QFileDialog::Directory);
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
  QApplication::restoreOverrideCursor();
  if (!chosen) return std::nullopt;
  return from_qstring(dialog.selectedFiles().front());
}

ChooserAnswer WindowInterface::open_folder_chooser(const std::string& title,
                                                   const std::string& initial_folder) {
  if (on_folder_chooser) return on_folder_chooser(title, initial_folder);
  const auto chosen = choose_folder(title, initial_folder);
  if (!chosen) return {ChooserOutcome::Cancelled, {}};
  return {ChooserOutcome::Chosen, *chosen};
}

void WindowInterface::open_in_editor(const std::string& path, const std::string& editor_program) {
  // The editor of the description when the system has it (started with
  // the path as its one argument, never through a shell), else the
  // desktop's own program for the file.
  const QString editor = to_qstring(editor_program);
  if (start_editor(to_qstring(path), editor, m_window)) return;
  ask(MessageType::Warning, kOkButton, from_qstring(editor_missing_text(editor)));
}

std::string WindowInterface::clipboard_text() { return from_qstring(QApplication::clipboard()->text()); }

void WindowInterface::set_clipboard_text(const std::string& text) {
  QApplication::clipboard()->setMimeData(new Cp1252Text(text));
}

void WindowInterface::play_end_sound() { static_cast<void>(play_signal()); }

}  // namespace talve::ui
