// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QLineEdit;
class QWidget;

namespace talve {
class Session;
}

namespace talve::ui {

class PanelPlacement;

// The drive panel's widgets, hidden: the description folder, the new disk
// `Edit_lecteur` ("nouveau lecteur"), "Modifier", "test d'existence des 3
// répertoires", the report `Memo8` and "X".
void build_drive_panel(QWidget* surface);

// The drive panel `Panel_lecteur` behind "Résumé des DSC": the summary of
// the description files of the description folder, and their move to
// another disk. A disk is named by its mount prefix ("/media/u/DISK2/"), or
// by a Windows drive letter; the field is read when it is confirmed (Enter,
// leaving it, "Modifier"). It stands 5 pixels under "Résumé des DSC", on
// its left, 712 pixels high.
class DrivePanelView : public QObject {
  Q_OBJECT

 public:
  DrivePanelView(QWidget* surface, Session& session, PanelPlacement& placement,
                 std::function<void()> after_action);

 private:
  void take_typed_prefix();

  Session& m_session;
  std::function<void()> m_after_action;
  QLineEdit* m_prefix = nullptr;
};

}  // namespace talve::ui
