// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace talve {
class Session;
}

namespace talve::ui {

class FileTableModel;
class TextRowsModel;
class WindowInterface;

// The views over what the session holds, through models rather than copies:
// the FileTable `StringGrid1`, the grid instants `ListBox_date_clean`, the
// result list `ListBox_DONNEE_date_clean` and, laid over it, the result
// file `RichEdit3` and the values alone `RichEdit4`. The file's text is the
// result list itself, and the values alone the session's values-only list:
// both views show those rows instead of tens of megabytes of text.
class SessionViews : public QObject {
  Q_OBJECT

 public:
  SessionViews(QWidget* surface, Session& session, WindowInterface& ui);

  // The views follow the session. `cheap`: only what looks changed (the
  // calls made while a long task lets the window work).
  void refresh(bool cheap = false);

  FileTableModel* file_table() const { return m_file_table; }

 private:
  Session& m_session;
  FileTableModel* m_file_table;
  TextRowsModel* m_grid;
  TextRowsModel* m_results;
  TextRowsModel* m_result_file;
  TextRowsModel* m_values_only;
};

}  // namespace talve::ui
