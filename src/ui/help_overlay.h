// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

class QLabel;
class QWidget;

namespace talve::ui {

// The in-window help over the five zones: "?+" frames each zone's group
// box in its colour with its numbered title, and the note of the period
// zone; "?-" shows the frames alone, the left and top strips behind the
// controls. The frames follow the zones as the window lays them out when
// shown. A click on either button, or any key let go (keyboard.h), hides it.
class HelpOverlay : public QObject {
  Q_OBJECT

 public:
  explicit HelpOverlay(QWidget* surface);

  bool shown() const { return m_shown; }
  // "?+" (titles) or "?-" (frames only): shows the overlay, or hides it
  // when it is shown.
  void toggle(bool titles);
  // Hides it; true when it was shown.
  bool hide();

 private:
  void create();
  void lay_out();

  QWidget* m_surface;
  // For each zone its four strips (left, top, right, bottom) and title,
  // then the note: 26 panels, made at first use.
  QList<QWidget*> m_strips;
  QList<QLabel*> m_titles;
  QLabel* m_note = nullptr;
  bool m_shown = false;
};

}  // namespace talve::ui
