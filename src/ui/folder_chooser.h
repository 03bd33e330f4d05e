// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "core/user_interface.h"

class QComboBox;
class QFileSystemModel;
class QListView;
class QModelIndex;
class QTreeView;
class QWidget;

namespace talve {
class Session;
}

namespace talve::ui {

class PanelPlacement;
class WindowInterface;

// The chooser's widgets, hidden, on the window's surface: `Panel_dir` and
// the recent folders `ListBox_rep_recent`.
void build_folder_chooser(QWidget* surface);

// The folder chooser `Panel_dir`: "Valider", "Annuler", "récents", the
// explorer button, "X", the folder shown in `Label_dir_new`, the mounted
// volumes (`DriveComboBox1`), the folder tree (`DirectoryListBox1`), the
// files of the folder (`FileListBox1`) with their count, and the shortcuts
// "/ Bureau" and "/ Mes documents". The three folder buttons open it; the
// session decides what each gesture does, and the tree, the drive and the
// file list follow the folder the session shows.
class FolderChooser : public QObject {
  Q_OBJECT

 public:
  FolderChooser(QWidget* surface, Session& session, WindowInterface& ui, PanelPlacement& placement,
                std::function<void()> after_action);

 private:
  void connect_buttons();
  void place(PanelPlacement& placement);
  // The tree, the drive and the file list show the folder.
  void show_folder(const QString& folder);
  void fill_drives();
  void folder_picked(const QModelIndex& index);
  void go_to(const QString& folder);
  void open_explorer();
  bool busy() const;

  Session& m_session;
  WindowInterface& m_ui;
  std::function<void()> m_after_action;
  QWidget* m_panel = nullptr;
  QComboBox* m_drives = nullptr;
  QTreeView* m_tree = nullptr;
  QListView* m_files = nullptr;
  QFileSystemModel* m_folder_model = nullptr;
  QFileSystemModel* m_file_model = nullptr;
  bool m_following = false;  // the tree moves with the session: not a pick
};

}  // namespace talve::ui
