// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/folder_chooser.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileSystemModel>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTreeView>
#include <QUrl>
#include <algorithm>

#include "session/folder_chooser_actions.h"
#include "session/recent_folder_actions.h"
#include "session/session.h"
#include "text/clock.h"
#include "ui/panel_links.h"
#include "ui/panel_placement.h"
#include "ui/text_edge.h"
#include "ui/widget_factory.h"
#include "ui/window_interface.h"

namespace talve::ui {
namespace {

constexpr int kWidth = 700;
constexpr int kHeight = 600;
constexpr int kGap = 5;

template <typename W>
W* child(QWidget* surface, const char* name) {
  W* widget = surface->findChild<W*>(QString::fromLatin1(name));
  if (!widget) qWarning("talve: no control named %s in the window", name);
  return widget;
}

QString without_final_slash(QString folder) {
  while (folder.size() > 1 && folder.endsWith('/')) folder.chop(1);
  return folder;
}

// The mounted volume that holds the folder: the longest root leading it.
int drive_of(const QComboBox* drives, const QString& folder) {
  int best = -1;
  qsizetype best_length = -1;
  for (int i = 0; i < drives->count(); ++i) {
    const QString root = drives->itemData(i).toString();
    const bool leads = folder == root || folder.startsWith(root.endsWith('/') ? root : root + '/');
    if (leads && root.size() > best_length) {
      best = i;
      best_length = root.size();
    }
  }
  return best;
}

}  // namespace

void build_folder_chooser(QWidget* surface) {
  auto* panel = make_panel(surface, "Panel_dir", "choix du répertoire");
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(4, 4, 4, 4);
  grid->setSpacing(3);
  auto* bar = new QHBoxLayout;
  bar->addWidget(make_button(panel, "SpeedButton_valider_dir", "Valider", " prendre ce répertoire "));
  bar->addWidget(make_button(panel, "SpeedButton_annuler_dir", "Annuler"));
  bar->addWidget(make_button(panel, "SpeedButton_rep_recent", "récents", " répertoires utilisés récemment "));
  bar->addWidget(make_button(panel, "SpeedButton14", "explorateur",
                             "Lance l'explorateur de Windows pour créer des répertoires ..."));
  bar->addStretch();
  auto* close = make_button(panel, "SpeedButton_fermer_dir", "X", " fermer ");
  close->setAccessibleName("fermer le choix du répertoire");
  close->setMaximumWidth(30);
  bar->addWidget(close);
  grid->addLayout(bar, 0, 0, 1, 2);
  auto* chosen = make_label(panel, "Label_dir_new", "Répertoire ...");
  QFont bold = chosen->font();
  bold.setBold(true);
  chosen->setFont(bold);
  grid->addWidget(chosen, 1, 0, 1, 2);

  auto* drives = new QComboBox(panel);
  drives->setObjectName("DriveComboBox1");
  drives->setAccessibleName("lecteur");
  drives->setToolTip(" volumes montés ");
  grid->addWidget(drives, 2, 0);
  auto* shortcuts = new QHBoxLayout;
  shortcuts->addWidget(make_button(panel, "SpeedButton_bureau", "/ Bureau"));
  shortcuts->addWidget(make_button(panel, "SpeedButton_mes_documents", "/ Mes documents"));
  grid->addLayout(shortcuts, 2, 1);

  auto* tree = new QTreeView(panel);
  tree->setObjectName("DirectoryListBox1");
  tree->setAccessibleName("répertoires");
  tree->header()->hide();
  grid->addWidget(tree, 3, 0);
  auto* files = make_list_view(panel, "FileListBox1", "fichiers du répertoire");
  files->setToolTip(" double-clic : éditer le fichier ");
  grid->addWidget(files, 3, 1);

  auto* count = new QHBoxLayout;
  count->addWidget(make_label(panel, "Label_nb_fichiers_dir", "nb fichiers :"));
  count->addWidget(make_label(panel, "Label45", "--"));
  count->addStretch();
  grid->addLayout(count, 4, 1);
  grid->setRowStretch(3, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  panel->resize(kWidth, kHeight);

  auto* recent = make_list(surface, "ListBox_rep_recent", "répertoires récents");
  recent->setToolTip(" double-clic : choisir ce répertoire ");
  recent->resize(kWidth, 400);
  recent->hide();
}

FolderChooser::FolderChooser(QWidget* surface, Session& session, WindowInterface& ui,
                             PanelPlacement& placement, std::function<void()> after_action)
    : QObject(surface),
      m_session(session),
      m_ui(ui),
      m_after_action(std::move(after_action)),
      m_panel(child<QWidget>(surface, "Panel_dir")),
      m_drives(child<QComboBox>(surface, "DriveComboBox1")),
      m_tree(child<QTreeView>(surface, "DirectoryListBox1")),
      m_files(child<QListView>(surface, "FileListBox1")),
      m_folder_model(new QFileSystemModel(this)),
      m_file_model(new QFileSystemModel(this)) {
  if (!m_panel || !m_drives || !m_tree || !m_files) return;
  m_folder_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  m_folder_model->setReadOnly(true);
  m_folder_model->setRootPath("/");
  m_tree->setModel(m_folder_model);
  for (int column = 1; column < m_folder_model->columnCount(); ++column) m_tree->hideColumn(column);
  m_file_model->setFilter(QDir::Files | QDir::NoDotAndDotDot);
  m_file_model->setReadOnly(true);
  m_files->setModel(m_file_model);
  fill_drives();
  connect_buttons();
  place(placement);
  // The session opens the panel (and shows it); the window only says that
  // the choice will come from the panel's buttons.
  ui.on_folder_chooser = [](const std::string&, const std::string&) {
    return ChooserAnswer{ChooserOutcome::Opened, {}};
  };
  // Shown again for another folder, it moves under that folder's label.
  ui.route_visibility("Panel_dir", [this, &placement](bool visible) {
    m_panel->setVisible(visible);
    if (visible) placement.place(m_panel);
  });
  ui.watch_caption("Label_dir_new", [this](const std::string& folder) { show_folder(to_qstring(folder)); });
  on_panel_hidden(m_panel, this, [this] {
    if (m_session.folder_chooser.role) close_folder_chooser(m_session);
  });
}

void FolderChooser::fill_drives() {
  QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
  std::sort(volumes.begin(), volumes.end(),
            [](const QStorageInfo& a, const QStorageInfo& b) { return a.rootPath() < b.rootPath(); });
  for (const QStorageInfo& volume : volumes) {
    if (!volume.isValid() || !volume.isReady()) continue;
    const QString root = volume.rootPath();
    const QString name = volume.displayName();
    m_drives->addItem(name.isEmpty() || name == root ? root : root + "   [" + name + "]", root);
  }
  if (drive_of(m_drives, "/") < 0) m_drives->insertItem(0, "/", QStringLiteral("/"));
}

bool FolderChooser::busy() const { return m_session.flags.busy || m_session.flags.running; }

void FolderChooser::connect_buttons() {
  Session& s = m_session;
  QWidget* surface = m_panel->parentWidget();
  const auto on_click = [&](const char* name, std::function<void()> action) {
    on_panel_click(surface, this, s, name, std::move(action), m_after_action);
  };
  const std::pair<const char*, FolderRole> folder_buttons[] = {
      {"SpeedButton_choix_rep_donnee", FolderRole::Data},
      {"SpeedButton_choix_rep_desc", FolderRole::Description},
      {"SpeedButton_choix_rep_sortie", FolderRole::Output}};
  for (const auto& [name, role] : folder_buttons)
    on_click(name, [&s, role = role] { folder_button_click(s, role, monotonic_seconds()); });
  on_click("SpeedButton_valider_dir", [&s] { static_cast<void>(validate_chooser_folder(s)); });
  on_click("SpeedButton_annuler_dir", [&s] { close_folder_chooser(s); });
  on_click("SpeedButton_fermer_dir", [&s] { close_folder_chooser(s); });
  on_click("SpeedButton_rep_recent", [&s] { static_cast<void>(toggle_recent_list(s)); });
  on_click("SpeedButton14", [this] { open_explorer(); });
  on_click("SpeedButton_bureau",
           [this] { go_to(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)); });
  on_click("SpeedButton_mes_documents",
           [this] { go_to(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)); });

  connect(m_drives, &QComboBox::activated, this, [this](int index) {
    if (busy()) return;
    go_to(m_drives->itemData(index).toString());
    m_after_action();
  });
  connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { folder_picked(current); });
  connect(m_files, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
    if (busy()) return;
    edit_chooser_file(m_session, from_qstring(m_file_model->filePath(index)));
    m_after_action();
  });
}

// Under the label of the folder being chosen, 5 pixels below it, for the
// data folder at the height of the description folder's button; at the left
// of the data folder's button.
void FolderChooser::place(PanelPlacement& placement) {
  placement.place_by(m_panel, [this, &placement] {
    const QRect data_button = placement.anchor("SpeedButton_choix_rep_donnee");
    int top = placement.anchor("SpeedButton_choix_rep_desc").top();
    if (m_session.folder_chooser.role == FolderRole::Description)
      top = placement.anchor("Label_rep_description").bottom() + 1 + kGap;
    else if (m_session.folder_chooser.role == FolderRole::Output)
      top = placement.anchor("Label_rep_sortie").bottom() + 1 + kGap;
    return QRect(data_button.left(), top, kWidth, kHeight);
  });
}

void FolderChooser::show_folder(const QString& shown) {
  const QString folder = without_final_slash(shown);
  if (!QFileInfo(folder).isDir()) return;
  m_following = true;
  if (const int drive = drive_of(m_drives, folder); drive >= 0) {
    m_drives->setCurrentIndex(drive);
    m_tree->setRootIndex(m_folder_model->index(m_drives->itemData(drive).toString()));
  }
  const QModelIndex index = m_folder_model->index(folder);
  m_tree->setCurrentIndex(index);
  m_tree->expand(index);
  m_tree->scrollTo(index);
  m_file_model->setRootPath(folder);
  m_files->setRootIndex(m_file_model->index(folder));
  m_following = false;
}

void FolderChooser::folder_picked(const QModelIndex& index) {
  if (m_following || !index.isValid() || busy()) return;
  pick_chooser_folder(m_session, from_qstring(m_folder_model->filePath(index)));
  m_after_action();
}

void FolderChooser::go_to(const QString& folder) {
  static_cast<void>(go_to_chooser_folder(m_session, from_qstring(folder)));
}

// The desktop's file manager on the folder shown, to create folders.
void FolderChooser::open_explorer() {
  const QString folder = to_qstring(explorer_folder(m_session));
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
    m_ui.ask(MessageType::Warning, kOkButton,
             from_qstring(" Impossible d'ouvrir le gestionnaire de fichiers sur <" + folder + ">"));
}

}  // namespace talve::ui
