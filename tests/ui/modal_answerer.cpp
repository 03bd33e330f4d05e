// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/modal_answerer.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>

namespace talve::testing {

ModalAnswerer::ModalAnswerer() {
  m_timer.setInterval(5);
  connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::look);
  m_timer.start();
}

ModalAnswerer::~ModalAnswerer() {
  for (const Scripted& left : m_boxes)
    ADD_FAILURE() << "scripted answer never asked for: " << left.expected.toStdString();
  EXPECT_TRUE(m_dialogs.empty()) << m_dialogs.size() << " scripted dialog(s) never opened";
}

ModalAnswerer& ModalAnswerer::box(const QString& expected, const QString& button) {
  m_boxes.push_back({expected, button});
  return *this;
}

ModalAnswerer& ModalAnswerer::dialog(std::optional<QString> path) {
  m_dialogs.push_back(std::move(path));
  return *this;
}

ModalAnswerer& ModalAnswerer::always(const QString& expected, const QString& button) {
  m_always.push_back({expected, button});
  return *this;
}

void ModalAnswerer::look() {
  if (on_tick) on_tick();
  QWidget* modal = QApplication::activeModalWidget();
  if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->isVisible())
    answer(box);
  else if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && dialog->isVisible())
    answer(dialog);
}

void ModalAnswerer::answer(QMessageBox* box) {
  // Handled once: the box stays the active modal widget until its loop ends.
  if (box->property("answered").toBool()) return;
  box->setProperty("answered", true);
  const QString text = box->text();
  texts << text;
  Scripted chosen;
  bool found = false;
  for (const Scripted& rule : m_always)
    if (text.contains(rule.expected)) {
      chosen = rule;
      found = true;
    }
  if (!found && !m_boxes.empty()) {
    chosen = m_boxes.front();
    m_boxes.pop_front();
    found = true;
    EXPECT_TRUE(text.contains(chosen.expected)) << "box:\n"
                                                << text.toStdString() << "\nexpected to hold:\n"
                                                << chosen.expected.toStdString();
  }
  if (!found) {
    if (!dismiss_unscripted) ADD_FAILURE() << "unexpected box:\n" << text.toStdString();
    chosen.button = "Escape";
  }
  buttons_pressed << chosen.button;
  if (chosen.button == "Escape") {
    QTest::keyClick(box, Qt::Key_Escape);
    return;
  }
  for (QAbstractButton* button : box->buttons())
    if (button->text() == chosen.button) {
      button->click();
      return;
    }
  ADD_FAILURE() << "no button " << chosen.button.toStdString() << " in the box:\n" << text.toStdString();
  QTest::keyClick(box, Qt::Key_Escape);
}

void ModalAnswerer::answer(QFileDialog* dialog) {
  if (dialog->property("answered").toBool()) return;
  dialog->setProperty("answered", true);
  ++dialogs_seen;
  if (m_dialogs.empty()) {
    if (!dismiss_unscripted) ADD_FAILURE() << "unexpected dialog: " << dialog->windowTitle().toStdString();
    dialog->reject();
    return;
  }
  const std::optional<QString> path = m_dialogs.front();
  m_dialogs.pop_front();
  if (!path) {
    dialog->reject();
    return;
  }
  dialog->selectFile(*path);
  static_cast<QDialog*>(dialog)->accept();
}

}  // namespace talve::testing
