// SPDX-License-Identifier: GPL-3.0-or-later
// The folder chooser and its recent folders, as a person uses them, on a
// tree of folders the test writes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QTableView>
#include <QTest>
#include <QTreeView>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "core/recent_folders.h"
#include "session/session.h"
#include "ui/panel_fixture.h"

namespace talve::testing {
namespace {

namespace fs = std::filesystem;

const QColor kRedText(255, 0, 0);
const QColor kDarkRed(128, 0, 0);

class FolderChooserWindow : public PanelTest {
 protected:
  QWidget* chooser() { return find("Panel_dir"); }
  QRect in_surface(const char* name) {
    QWidget* widget = find(name);
    return QRect(widget->mapTo(window->surface(), QPoint(0, 0)), widget->size());
  }
  QString shown() { return find<QLabel>("Label_dir_new")->text(); }
  bool red(const char* button) { return caption_colour(find(button)) == kRedText; }
  QString tree_folder() {
    auto* tree = find<QTreeView>("DirectoryListBox1");
    return static_cast<QFileSystemModel*>(tree->model())->filePath(tree->currentIndex());
  }
  // A click on a folder of the tree, once the tree shows it.
  void click_folder(const std::string& folder) {
    auto* tree = find<QTreeView>("DirectoryListBox1");
    auto* model = static_cast<QFileSystemModel*>(tree->model());
    QModelIndex index;
    ASSERT_TRUE(wait_for([&] {
      index = model->index(QString::fromStdString(folder));
      tree->scrollTo(index);
      return index.isValid() && tree->visualRect(index).isValid();
    }));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(index).center());
  }
  // A double-click on a file of the file list, once the list shows it.
  void double_click_file(const QString& name) {
    auto* files = find<QListView>("FileListBox1");
    QModelIndex index;
    ASSERT_TRUE(wait_for([&] {
      const QModelIndex root = files->rootIndex();
      for (int row = 0; row < files->model()->rowCount(root); ++row)
        if (files->model()->index(row, 0, root).data().toString() == name)
          index = files->model()->index(row, 0, root);
      return index.isValid();
    }));
    const QPoint at = files->visualRect(index).center();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, at);
  }
  void double_click_entry(const QString& entry) {
    auto* list = find<QListWidget>("ListBox_rep_recent");
    const auto items = list->findItems(entry, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << entry.toStdString();
    const QPoint at = list->visualItemRect(items.front()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  }
  std::string other_data_folder() {
    const std::string other = dir.path() + "autre/";
    fs::copy(data, other);
    return other;
  }
};

// A data folder picked in the tree becomes the folder on "Valider": its
// label and the description file take it, the folders before it join the
// recent list, and its files are listed.
TEST_F(FolderChooserWindow, AFolderPickedInTheTreeIsTakenOnValider) {
  const std::string other = other_data_folder();
  open(description);
  Session& session = window->session();
  click("SpeedButton_choix_rep_donnee");
  ASSERT_TRUE(chooser()->isVisible());
  // Under the folders, at the height of the description folder's button,
  // at the left of the data folder's button.
  EXPECT_EQ(chooser()->geometry().topLeft(), QPoint(in_surface("SpeedButton_choix_rep_donnee").left(),
                                                    in_surface("SpeedButton_choix_rep_desc").top()));
  EXPECT_EQ(chooser()->height(), 600);
  EXPECT_TRUE(red("SpeedButton_choix_rep_donnee"));
  EXPECT_FALSE(red("SpeedButton_valider_dir"));
  EXPECT_EQ(shown().toStdString(), data);
  EXPECT_EQ(tree_folder().toStdString() + "/", data);
  EXPECT_EQ(find<QLabel>("Label45")->text(), "3");
  // A second click at once is the same gesture: the chooser stays.
  click("SpeedButton_choix_rep_donnee");
  EXPECT_TRUE(chooser()->isVisible());

  click_folder(dir.path() + "autre");
  EXPECT_EQ(shown().toStdString(), other);
  EXPECT_TRUE(red("SpeedButton_valider_dir"));
  EXPECT_EQ(session.description.text("dossier_choisi"), data);

  click("SpeedButton_valider_dir");
  EXPECT_FALSE(chooser()->isVisible());
  EXPECT_EQ(find<QLabel>("Label_repertoire")->text().toStdString(), other);
  EXPECT_EQ(find<QLabel>("Label_repertoire")->palette().color(QPalette::WindowText), kDarkRed);
  EXPECT_EQ(caption_colour(find("SpeedButton_choix_rep_donnee")), kDarkRed);
  EXPECT_FALSE(red("SpeedButton_valider_dir"));
  EXPECT_NE(in_description("dossier_choisi").find("autre/"), std::string::npos)
      << in_description("dossier_choisi");
  EXPECT_NE(read_bytes(RecentFolders::file_path()).find("1- " + data + "\r\n"), std::string::npos);
  EXPECT_TRUE(session.description.modified());
  EXPECT_EQ(find<QTableView>("StringGrid1")->model()->rowCount(), 3);
  EXPECT_EQ(session.file_table.lire_case(1, "fichier"), "kervel_20240301.csv");
  EXPECT_TRUE(answers.texts.isEmpty()) << answers.texts.join("\n---\n").toStdString();
  expect_names_resolved();
}

// Opening the chooser for the data folder first checks the folder as it
// stands against the mask; Escape then closes it as "Annuler" does.
TEST_F(FolderChooserWindow, TheMaskIsCheckedBeforeThePickAndEscapeCancels) {
  for (const char* name : {"kervel_20240301.csv", "kervel_20240302.csv", "kervel_20240303.csv"})
    fs::rename(data + name, data + fs::path(name).replace_extension(".txt").string());
  open(description);
  answers.box("   Aucun fichier de ce répertoire n'a l'extention attendue de csv", "Oui")
      .box(" Visualiser un fichier de données pour aider à remplir les champs ? \nkervel_20240301.txt",
           "Oui");
  click("SpeedButton_choix_rep_donnee");
  ASSERT_TRUE(answers.idle());
  EXPECT_TRUE(answers.texts[0].endsWith("  nouveau détecté => *.TXT  3 fichier(s)"))
      << answers.texts[0].toStdString();
  EXPECT_EQ(find<QLineEdit>("Edit_masque")->text(), "*.TXT");
  EXPECT_EQ(find<QLabel>("Label54")->text(), "3");
  ASSERT_TRUE(wait_for_edits(1));
  EXPECT_EQ(edited(), std::vector<std::string>{data + "kervel_20240301.txt"});
  ASSERT_TRUE(chooser()->isVisible());

  find("DirectoryListBox1")->setFocus();
  QTest::keyClick(find("DirectoryListBox1"), Qt::Key_Escape);
  EXPECT_FALSE(chooser()->isVisible());
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->session().folder_chooser.role);
  EXPECT_EQ(caption_colour(find("SpeedButton_choix_rep_donnee")), kDarkRed);
  EXPECT_EQ(window->session().description.text("dossier_choisi"), data);
}

// A folder shown but gone: the output folder is offered a sub-folder of the
// data folder; the others are told.
TEST_F(FolderChooserWindow, AFolderThatIsGoneIsToldWhenTheChooserOpens) {
  const std::string output = dir.path() + "demo/sorties/";
  fs::remove_all(output);
  // The description is read at start-up, and the chooser opens for the
  // missing output folder.
  answers.box(
      " Créer le sous répertoire " + QString::fromStdString(data) + "EXPORT pour les fichiers de sortie ? ",
      "Oui");
  open(description);
  ASSERT_TRUE(answers.idle());
  const std::string created = data + "EXPORT/";
  EXPECT_TRUE(fs::is_directory(created));
  EXPECT_EQ(find<QLabel>("Label_rep_sortie")->text().toStdString(), created);
  EXPECT_NE(in_description("dossier_choisi_sortie").find("EXPORT/"), std::string::npos);
  ASSERT_TRUE(chooser()->isVisible());
  EXPECT_TRUE(red("SpeedButton_choix_rep_sortie"));
  EXPECT_EQ(chooser()->y(), in_surface("Label_rep_sortie").bottom() + 1 + 5);
  click("SpeedButton_annuler_dir");
  EXPECT_FALSE(chooser()->isVisible());
  EXPECT_FALSE(red("SpeedButton_choix_rep_sortie"));

  fs::remove_all(data);
  answers.box(
      "   Répertoire des données\n\nDOSSIER INACCESSIBLE\n\n<" + QString::fromStdString(data) + ">\n\n",
      "OK");
  click("SpeedButton_choix_rep_donnee");
  ASSERT_TRUE(answers.idle());
  EXPECT_TRUE(chooser()->isVisible());
  // With the folder it showed last gone too, it starts in the program's
  // working folder.
  EXPECT_EQ(shown(), QDir::currentPath() + "/");
}

// Clicks more than half a second apart: a click on the red button closes
// the chooser, a click on another moves it under that folder's label.
TEST_F(FolderChooserWindow, TheFolderButtonsOpenAndCloseTheChooser) {
  open(description);
  click("SpeedButton_choix_rep_desc");
  ASSERT_TRUE(chooser()->isVisible());
  EXPECT_EQ(chooser()->y(), in_surface("Label_rep_description").bottom() + 1 + 5);
  QTest::qWait(600);
  click("SpeedButton_choix_rep_sortie");
  EXPECT_TRUE(chooser()->isVisible());
  EXPECT_EQ(chooser()->y(), in_surface("Label_rep_sortie").bottom() + 1 + 5);
  EXPECT_TRUE(red("SpeedButton_choix_rep_sortie"));
  EXPECT_FALSE(red("SpeedButton_choix_rep_desc"));
  QTest::qWait(600);
  click("SpeedButton_choix_rep_sortie");
  EXPECT_FALSE(chooser()->isVisible());
  EXPECT_FALSE(red("SpeedButton_choix_rep_sortie"));
  QTest::qWait(600);
  click("SpeedButton_choix_rep_desc");
  click("SpeedButton_fermer_dir");
  EXPECT_FALSE(chooser()->isVisible());
  EXPECT_TRUE(answers.texts.isEmpty()) << answers.texts.join("\n---\n").toStdString();
}

// The file list opens a file in the editor; the drive list, "/ Bureau" and
// "/ Mes documents" move the tree; the explorer shows the folder.
TEST_F(FolderChooserWindow, FilesShortcutsAndExplorer) {
  const QByteArray user_home = qgetenv("HOME");
  qputenv("HOME", QByteArray::fromStdString(dir.path() + "maison"));
  const std::string documents = dir.mkdir("maison/Documents");
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler("file", &catcher, "open");
  open(description);
  click("SpeedButton_choix_rep_donnee");

  answers.box(" Editer le fichier <kervel_20240302.csv>  ?  \n\n", "Oui");
  double_click_file("kervel_20240302.csv");
  ASSERT_TRUE(answers.idle());
  ASSERT_TRUE(wait_for_edits(1));
  EXPECT_EQ(edited(), std::vector<std::string>{data + "kervel_20240302.csv"});

  click("SpeedButton14");
  ASSERT_EQ(catcher.opened.size(), 1);
  EXPECT_EQ(catcher.opened[0].toLocalFile().toStdString(), data);

  click("SpeedButton_mes_documents");
  EXPECT_EQ(shown().toStdString(), documents);
  EXPECT_EQ(tree_folder().toStdString() + "/", documents);
  EXPECT_TRUE(red("SpeedButton_valider_dir"));
  // No desktop folder in this home.
  answers.box(" Répertoire inexistant \n\n" + QString::fromStdString(dir.path()) + "maison/Desktop\n", "OK");
  click("SpeedButton_bureau");
  ASSERT_TRUE(answers.idle());
  EXPECT_EQ(shown().toStdString(), documents);

  // The root volume chosen in the drive list.
  auto* drives = find<QComboBox>("DriveComboBox1");
  const int root = drives->findData(QStringLiteral("/"));
  ASSERT_GE(root, 0);
  emit drives->activated(root);
  EXPECT_EQ(shown(), "/");
  EXPECT_EQ(tree_folder(), "/");

  QDesktopServices::unsetUrlHandler("file");
  qputenv("HOME", user_home);
}

// "récents" shows the folders used before beside the chooser; a
// double-click offers one for the folder being chosen, or to erase them.
TEST_F(FolderChooserWindow, RecentFolders) {
  const std::string other = other_data_folder();
  const std::string gone = dir.path() + "parti/";
  std::ofstream(RecentFolders::file_path(), std::ios::binary)
      << "3- " << gone << "\r\n2- " << other << "\r\n";
  open(description);
  Session& session = window->session();
  click("SpeedButton_choix_rep_donnee");
  click("SpeedButton_rep_recent");
  auto* list = find<QListWidget>("ListBox_rep_recent");
  ASSERT_TRUE(list->isVisible());
  EXPECT_EQ(list->geometry(), QRect(chooser()->x() + chooser()->width(), chooser()->y() + 1, 700, 400));
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(1)->text().toStdString(), "2- " + other);

  answers.box(" Répertoire inexistant \n\n" + QString::fromStdString(gone) + "\n", "OK");
  double_click_entry(QString::fromStdString("3- " + gone));
  ASSERT_TRUE(answers.idle());
  EXPECT_TRUE(list->isVisible());

  answers.box(
      "  Choisir le répertoire " + QString::fromStdString(other) + "\n\n  (Non) = effacer la liste\n\n",
      "Annuler");
  double_click_entry(QString::fromStdString("2- " + other));
  ASSERT_TRUE(answers.idle());
  EXPECT_TRUE(list->isVisible());
  EXPECT_TRUE(chooser()->isVisible());

  // A description folder's entry goes to the data folder being chosen.
  answers.box("  Choisir le répertoire ", "Oui");
  double_click_entry(QString::fromStdString("2- " + other));
  ASSERT_TRUE(answers.idle());
  EXPECT_FALSE(list->isVisible());
  EXPECT_FALSE(chooser()->isVisible());
  EXPECT_EQ(find<QLabel>("Label_repertoire")->text().toStdString(), other);
  EXPECT_EQ(session.description.text("dossier_choisi"), other);
  EXPECT_TRUE(session.description.modified());
  EXPECT_FALSE(red("SpeedButton_choix_rep_donnee"));

  QTest::qWait(600);
  click("SpeedButton_choix_rep_sortie");
  click("SpeedButton_rep_recent");
  answers.box("  Choisir le répertoire ", "Non").box("  Effacer la liste des répertoires ?\n\n", "Oui");
  double_click_entry(QString::fromStdString("2- " + other));
  ASSERT_TRUE(answers.idle());
  EXPECT_FALSE(list->isVisible());
  EXPECT_FALSE(chooser()->isVisible());
  EXPECT_EQ(read_bytes(RecentFolders::file_path()), "");
}

}  // namespace
}  // namespace talve::testing
