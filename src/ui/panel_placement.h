// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <functional>
#include <map>

class QWidget;

namespace talve::ui {

// The floating panels are children of the window's surface, raised over the
// zones. Each is placed by a rule computed from its anchor controls' current
// geometry, when it is shown and again whenever the window is resized; a
// panel is always kept inside the surface.
class PanelPlacement : public QObject {
  Q_OBJECT

 public:
  explicit PanelPlacement(QWidget* surface);

  using Rule = std::function<QRect()>;
  void place_by(QWidget* panel, Rule rule);
  // Places the panel now (and raises it) when it is shown, and scrolls the
  // window's zones to it when it lies out of view.
  void place(QWidget* panel);

  // A named control's rectangle in the surface's coordinates (empty when
  // the control is missing or not shown).
  QRect anchor(const char* control) const;
  QWidget* surface() const { return m_surface; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* m_surface;
  std::map<QWidget*, Rule> m_rules;
};

// Scrolls the window's zones, when they scroll, so that the whole of a
// widget raised over them (a panel, a list of proposals) is in view.
void bring_into_view(QWidget* widget);

}  // namespace talve::ui
