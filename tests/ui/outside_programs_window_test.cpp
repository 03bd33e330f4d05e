// SPDX-License-Identifier: GPL-3.0-or-later
// The outside programs as the window starts them: stand-in programs put on
// the PATH write down how they were called.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>
#include <filesystem>

#include "session/session.h"
#include "text/encoding.h"
#include "text/text_utils.h"
#include "ui/outside_programs.h"
#include "ui/panel_fixture.h"
#include "ui/window_interface.h"

namespace talve::testing {
namespace {

namespace fs = std::filesystem;

// A stand-in writes its name and then each argument on a line of its own,
// as it received it.
constexpr char kStandIn[] =
    "#!/bin/sh\n"
    "{ printf '%s\\n' \"${0##*/}\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; "
    "printf '%s\\n' --; } >> \"$STAND_IN_LOG\"\n";

class OutsidePrograms : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    m_path = qgetenv("PATH");
    bin = dir.mkdir("bin");
    log = dir.file("appels.txt");
    qputenv("PATH", QByteArray::fromStdString(bin));
    qputenv("STAND_IN_LOG", QByteArray::fromStdString(log));
    qputenv("TALVE_DATA_DIR", QByteArray::fromStdString(dir.mkdir("partage")));
  }
  void TearDown() override {
    qputenv("PATH", m_path);
    qunsetenv("TALVE_DATA_DIR");
    PanelTest::TearDown();
  }
  // A stand-in program named `name` on the PATH.
  void stand_in(const std::string& name) {
    fs::permissions(dir.write("bin/" + name, kStandIn), fs::perms::owner_all);
  }
  // A program that only answers `output` when asked the right question.
  void answering(const std::string& name, const std::string& question, const std::string& output) {
    const std::string script = "#!/bin/sh\n[ \"$*\" = '" + question + "' ] && echo '" + output + "'\n";
    fs::permissions(dir.write("bin/" + name, script), fs::perms::owner_all);
  }
  // The calls written down once `count` of them have come.
  std::vector<std::vector<std::string>> calls(std::size_t count) {
    std::vector<std::vector<std::string>> found;
    wait_for(
        [&] {
          found.clear();
          std::vector<std::string> call;
          const std::string text = read_bytes(log);
          for (std::string_view line : split_lines(text)) {
            if (line == "--") {
              found.push_back(call);
              call.clear();
            } else {
              call.emplace_back(line);
            }
          }
          return found.size() >= count;
        },
        10);
    return found;
  }
  // The manual where the program looks for it.
  void place_manual() { dir.write("partage/Korrin_manuel.pdf", "%PDF-1.4\n"); }

  std::string bin;
  std::string log;

 private:
  QByteArray m_path;
};

// The editor named in the description, found on the PATH, receives each
// file name whole, blanks, quotes and ";" included, as its one argument.
TEST_F(OutsidePrograms, EditorOnThePathGetsTheFileNameWhole) {
  stand_in("bloc-notes");
  open(description);
  const std::vector<std::string> names = {"données brutes.csv", "l'été \"chaud\".txt", "a;b; rm -rf x.txt",
                                          "$(touch pris).txt"};
  for (const std::string& name : names) {
    const std::string path = dir.write(name, "x\r\n");
    window->window_interface().open_in_editor(name_as_text(path), "  bloc-notes ");
  }
  const auto seen = calls(names.size());
  ASSERT_EQ(seen.size(), names.size());
  for (std::size_t i = 0; i < names.size(); ++i)
    EXPECT_EQ(seen[i], (std::vector<std::string>{"bloc-notes", dir.path() + names[i]}));
  EXPECT_FALSE(fs::exists(dir.path() + "pris"));
  EXPECT_TRUE(answers.texts.isEmpty()) << answers.texts.join("\n").toStdString();
}

// No editor and no desktop program for the file: the warning names the
// editor the setting meant.
TEST_F(OutsidePrograms, EditorMissingWarnsWhichOne) {
  open(description);
  const std::string file = dir.write("notes.txt", "x\r\n");
  const struct {
    const char* setting;
    const char* warning;
  } cases[] = {
      {"/nulle/part/NotePad++.exe", "  Notepad++ non installé...\n\n"},
      {"notepad++", "  Notepad++ non installé...\n\n"},
      {"notepad.exe", "  Notepad non trouvé...\n\n"},
      {"gedit", "  Notepad non trouvé...\n\n"},
  };
  for (const auto& c : cases) {
    answers.box(QString::fromUtf8(c.warning), "OK");
    window->window_interface().open_in_editor(file, c.setting);
    EXPECT_TRUE(answers.idle()) << c.setting;
  }
}

// "help": the box when the manual is missing; else the desktop's PDF
// program, a PDF viewer, the browser, in that order, and the box when
// none is there.
TEST_F(OutsidePrograms, ManualOpensInTheFirstProgramFound) {
  open(description);
  const QString manual = QString::fromStdString(dir.path() + "partage/Korrin_manuel.pdf");
  ASSERT_EQ(QDir(ui::program_data_folder()).absoluteFilePath("Korrin_manuel.pdf"), manual);
  ASSERT_FALSE(QFile::exists(manual));
  answers.box("<" + manual + "> introuvable", "OK");
  click("SpeedButton_help");
  ASSERT_TRUE(answers.idle());

  place_manual();
  const std::string path = manual.toStdString();
  const std::string address = QUrl::fromLocalFile(manual).toString(QUrl::FullyEncoded).toStdString();
  stand_in("firefox");
  stand_in("okular");
  stand_in("mupdf");
  stand_in("xdg-open");
  answering("xdg-mime", "query default application/pdf", "org.gnome.Evince.desktop");
  const struct {
    const char* removed;  // the program that is gone before the click
    std::vector<std::string> call;
  } steps[] = {
      {nullptr, {"xdg-open", path}},  // the desktop names a PDF program
      {"xdg-mime", {"okular", path}},
      {"okular", {"mupdf", path}},
      {"mupdf", {"firefox", address}},
  };
  std::size_t count = 0;
  for (const auto& step : steps) {
    if (step.removed) fs::remove(bin + step.removed);
    click("SpeedButton_help");
    const auto seen = calls(++count);
    ASSERT_EQ(seen.size(), count);
    EXPECT_EQ(seen.back(), step.call);
  }
  EXPECT_TRUE(answers.texts.size() == 1) << answers.texts.join("\n").toStdString();
  fs::remove(bin + "firefox");
  answers.box("Firefox et Acrobat introuvables", "OK");
  click("SpeedButton_help");
  EXPECT_TRUE(answers.idle());
}

// "mise à jour" hands the update page to the desktop's browser; the
// explorer opens the chooser's folder, or the user's home once it is gone.
TEST_F(OutsidePrograms, UpdatePageAndExplorerReachTheDesktop) {
  UrlCatcher web;
  UrlCatcher files;
  QDesktopServices::setUrlHandler("https", &web, "open");
  QDesktopServices::setUrlHandler("file", &files, "open");
  const QByteArray user_home = qgetenv("HOME");
  const std::string user_folder = dir.mkdir("maison");
  qputenv("HOME", QByteArray::fromStdString(user_folder));
  open(description);

  click("SpeedButton_url");
  ASSERT_EQ(web.opened.size(), 1);
  EXPECT_EQ(web.opened[0].toString().toStdString(), ui::kUpdatePage);

  click("SpeedButton_choix_rep_donnee");
  click("SpeedButton14");
  fs::rename(data, dir.path() + "ailleurs");
  click("SpeedButton14");
  ASSERT_EQ(files.opened.size(), 2);
  EXPECT_EQ(files.opened[0].toLocalFile().toStdString(), data);
  EXPECT_EQ(files.opened[1].toLocalFile().toStdString(), user_folder);
  EXPECT_TRUE(answers.texts.isEmpty()) << answers.texts.join("\n").toStdString();

  QDesktopServices::unsetUrlHandler("https");
  QDesktopServices::unsetUrlHandler("file");
  qputenv("HOME", user_home);
}

// Without a sound device, "test son" plays nothing and shows nothing.
TEST_F(OutsidePrograms, SignalWithoutSoundDeviceIsSilent) {
  qputenv("PULSE_SERVER", "unix:/nulle/part");
  open(description);
  click("SpeedButton_test_son");
  EXPECT_TRUE(answers.texts.isEmpty()) << answers.texts.join("\n").toStdString();
  EXPECT_TRUE(window->isVisible());
  qunsetenv("PULSE_SERVER");
}

}  // namespace
}  // namespace talve::testing
