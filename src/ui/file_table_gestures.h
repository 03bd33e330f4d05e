// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QTableView;
class QWidget;

namespace talve {
class Session;
}

namespace talve::ui {

// The FileTable `StringGrid1` as the user shapes it, each gesture one
// operation of the session: the four removal buttons ("effacer la
// sélection", "effacer vers le HAUT", "effacer vers le BAS", "sup si hors
// Période") and "réaf tableau complet"; a double-click on a title sorts on
// that column, on a cell toggles its " x", opens its "fichier" or offers its
// "date dep" / "date fin" as a bound of the period. Selections are one block
// of whole rows, drawn in the selection colours of the scheme.
class FileTableGestures : public QObject {
  Q_OBJECT

 public:
  FileTableGestures(QWidget* surface, Session& session, std::function<void()> after_action);

  // "effacer la sélection", also the Delete key: the selected rows, or the
  // current row when none is selected. The window then follows the session.
  void remove_selection();

 private:
  // The table's row (1 = first file row) the user is on: the current cell's,
  // else the first selected, else the session's own current row.
  int current_row() const;
  void connect_buttons(QWidget* surface);
  void on_button(QWidget* surface, const char* name, std::function<void()> action);
  void done();

  Session& m_session;
  QTableView* m_table = nullptr;
  std::function<void()> m_after_action;
};

}  // namespace talve::ui
