// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QStringList>

class QPlainTextEdit;
class QWidget;

namespace talve {
class Session;
}

namespace talve::ui {

class PanelPlacement;
class WindowInterface;

// The tracking window `Panel1` ("fenêtre de suivi"): the log in `Memo5`,
// "clear", "X", the sizes "petite" and "grande", moved with the mouse.
// "fenêtre de suivi" (`Panel_button_suivi`) shows or hides it. Lines are
// gathered and shown together when the window next gets to paint, so that
// a listing of many files does not repaint the log line by line.
class TrackingWindow : public QObject {
  Q_OBJECT

 public:
  TrackingWindow(QWidget* surface, Session& session, WindowInterface& ui, PanelPlacement& placement);

  enum class Size { Small, Large };
  void set_size(Size size);
  Size size() const { return m_size; }
  void show();
  void toggle();
  // The lines added since the last flush go to the text area.
  void flush();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QRect wanted_geometry() const;

  Session& m_session;
  PanelPlacement& m_placement;
  QWidget* m_panel;
  QPlainTextEdit* m_text;
  QStringList m_pending;
  Size m_size = Size::Small;
  QPoint m_drag_offset;
  bool m_dragging = false;
};

}  // namespace talve::ui
