// SPDX-License-Identifier: GPL-3.0-or-later
// No command takes a click and shows nothing: with no run in progress,
// every enabled button of the window is clicked as the mouse clicks it, and
// something follows on screen (a box, a dialog, or the window drawn
// otherwise). The few buttons other work builds are listed, not clicked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "listed_window.h"
#include "session/session.h"

namespace talve::testing {
namespace {

class EveryCommand : public ListedWindow {};

// On a laptop's screen, where the window scrolls over its zones.
TEST_F(EveryCommand, EachEnabledButtonShowsSomethingWhenClicked) {
  open_and_list();
  window->resize(1366, 768);
  select_rows(1, 1);
  answers.dismiss_unscripted = true;
  QStringList silent;
  int clicked = 0;
  // The buttons of the panels over the zones (the tracking window) first:
  // "fenêtre de suivi" hides them.
  QList<QPushButton*> buttons = window->surface()->findChildren<QPushButton*>();
  std::stable_partition(buttons.begin(), buttons.end(), [this](const QPushButton* button) {
    for (const QWidget* w = button; w; w = w->parentWidget())
      if (w->parentWidget() == window->surface()) return !w->objectName().startsWith("Zone_");
    return false;
  });
  for (QPushButton* button : buttons) {
    const QString name = button->objectName();
    if (name.isEmpty()) continue;
    // Shown and enabled now: an earlier click may have hidden a panel or
    // greyed a button that has nothing to act on.
    if (!button->isVisibleTo(window.get()) || !button->isEnabled()) continue;
    // The button already has the focus and the mouse over it, so that only
    // what its click does can change the picture.
    button->setFocus(Qt::OtherFocusReason);
    // The folder buttons ignore a click that follows another within half a
    // second (a double-click's second half).
    if (name.startsWith("SpeedButton_choix_rep_")) QTest::qWait(600);
    QTest::mouseMove(button);
    QApplication::processEvents();
    const QImage before = window->grab().toImage();
    const int boxes = answers.texts.size();
    const int dialogs = answers.dialogs_seen;
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::qWait(20);
    const bool shown =
        answers.texts.size() > boxes || answers.dialogs_seen > dialogs || window->grab().toImage() != before;
    if (!shown) silent << name;
    ++clicked;
  }
  EXPECT_GE(clicked, 27);
  EXPECT_TRUE(silent.isEmpty()) << silent.join(", ").toStdString();
  EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace talve::testing
