// SPDX-License-Identifier: GPL-3.0-or-later
// The binder between the description and the window's controls, on the real
// window: every setting goes from its control to the description, to the
// file and back to its control; a file's choices come into the buttons; a
// file saved by the window, loaded and saved again, is the same file.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimeEdit>
#include <QTimeZone>

#include "core/description_file.h"
#include "core/settings_table.h"
#include "session/session.h"
#include "support/scripted_interface.h"
#include "text/encoding.h"
#include "ui/qt_dates.h"
#include "ui/settings_binder.h"
#include "ui/widget_factory.h"
#include "ui/window_fixture.h"

namespace talve::testing {
namespace {

// The value a control holds, in the description file's form.
std::string shown_value(const SettingInfo& info, QWidget* control) {
  switch (info.control_kind) {
    case ControlKind::LineEdit:
      return utf8_to_cp1252(static_cast<QLineEdit*>(control)->text().toStdString());
    case ControlKind::Check:
      return static_cast<QAbstractButton*>(control)->isChecked() ? "true" : "false";
    case ControlKind::Choice:
      return std::to_string(ui::choice_buttons(static_cast<QGroupBox*>(control))->checkedId());
    case ControlKind::TimePicker:
      return format_time(ui::from_qtime(static_cast<QTimeEdit*>(control)->time()));
    case ControlKind::DateTimePicker:
      return format_system_datetime(ui::from_qdatetime(static_cast<QDateTimeEdit*>(control)->dateTime()));
    case ControlKind::Label:
    case ControlKind::FolderLabel:
      return utf8_to_cp1252(static_cast<QLabel*>(control)->text().toStdString());
    case ControlKind::None:
      break;
  }
  return {};
}

// Changes a control as the user does, to a value that is not the one it
// holds, and returns the description's text for that value. Labels are not
// edited by the user: their value is stored into the description.
std::string edit_control(const SettingInfo& info, QWidget* control, int n, DataDescription& description) {
  switch (info.control_kind) {
    case ControlKind::LineEdit: {
      auto* edit = static_cast<QLineEdit*>(control);
      edit->selectAll();
      QTest::keyClicks(edit, QString("v%1").arg(n));
      // A key that types an accented letter (QTest's own keys are ASCII).
      QKeyEvent accent(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("é"));
      QApplication::sendEvent(edit, &accent);
      return utf8_to_cp1252("v" + std::to_string(n) + "é");
    }
    case ControlKind::Check: {
      auto* button = static_cast<QAbstractButton*>(control);
      // A radio button cannot be unchecked by a click: its partner is clicked.
      if (button->isChecked() && qobject_cast<QRadioButton*>(button)) return "false";
      button->click();
      return button->isChecked() ? "true" : "false";
    }
    case ControlKind::Choice: {
      QButtonGroup* buttons = ui::choice_buttons(static_cast<QGroupBox*>(control));
      const int last = static_cast<int>(buttons->buttons().size()) - 1;
      buttons->button(last)->click();
      return std::to_string(last);
    }
    case ControlKind::TimePicker: {
      const QTime time(1, n % 60, 7);
      static_cast<QTimeEdit*>(control)->setTime(time);
      return format_time(ui::from_qtime(time));
    }
    case ControlKind::DateTimePicker: {
      const QDateTime value(QDate(2024, 3, 1 + n % 27), QTime(13, 14, 15), QTimeZone::utc());
      static_cast<QDateTimeEdit*>(control)->setDateTime(value);
      return format_system_datetime(ui::from_qdatetime(value));
    }
    case ControlKind::Label: {
      const std::string value = "12/03/2024 10:" + std::to_string(10 + n % 50) + ":00";
      description.assign(info.key, value);
      return value;
    }
    case ControlKind::FolderLabel: {
      const std::string value = "/tmp/dossier " + std::to_string(n) + "/";
      description.assign(info.key, value);
      return value;
    }
    case ControlKind::None:
      break;
  }
  return {};
}

class SettingsBinderTest : public WindowTest {};

TEST_F(SettingsBinderTest, EverySettingGoesFromItsControlToTheFileAndBack) {
  open();
  DataDescription& description = window->session().description;
  const auto table = settings_table();
  std::map<std::string, std::string> expected;
  int n = 0;
  for (const SettingInfo& info : table) {
    QWidget* control = window->binder().control_of(info.key);
    if (info.control_kind == ControlKind::None) continue;
    ASSERT_NE(control, nullptr) << info.key;
    expected[std::string(info.key)] = edit_control(info, control, ++n, description);
  }
  // A click on a check box or radio button may change others (the offset
  // signs are one pair): each shows its setting as the clicks left it.
  for (const SettingInfo& info : table)
    if (info.control_kind == ControlKind::Check)
      expected[std::string(info.key)] = shown_value(info, window->binder().control_of(info.key));
  for (const auto& [key, value] : expected) EXPECT_EQ(description.text(key), value) << key;
  EXPECT_NE(expected["RadioButton_decalage_positif.Checked"],
            expected["RadioButton_decalage_negatif.Checked"]);
  EXPECT_TRUE(description.modified());

  const std::string path = dir.file("aller-retour.dsc");
  ASSERT_TRUE(write_description_file(path, description));
  description.reset_to_initial();
  ScriptedInterface silent;
  ASSERT_TRUE(read_description_file(path, description, silent).complete);
  for (const SettingInfo& info : table) {
    if (info.control_kind == ControlKind::None) continue;
    const std::string& want = expected[std::string(info.key)];
    EXPECT_EQ(
        shown_value(info, window->binder().control_of(info.key)),
        info.control_kind == ControlKind::FolderLabel && want.empty() ? std::string(info.placeholder) : want)
        << info.key;
  }
}

// Each choice at its last index, which is never its default.
std::string every_choice_at_its_last_index(const std::string& folder) {
  std::string text = "dossier_choisi= " + folder + "\r\ndossier_choisi_sortie= " + folder + "\r\n";
  for (const SettingInfo& info : settings_table()) {
    if (info.kind != SettingKind::Choice) continue;
    text += std::string(info.key) + "= " + std::to_string(choice_captions(info.key).size() - 1) + "\r\n";
  }
  return text;
}

TEST_F(SettingsBinderTest, ADescriptionsChoicesLoadIntoTheButtons) {
  const std::string path = dir.write("choix.dsc", every_choice_at_its_last_index(dir.path()));
  open(path);
  for (const SettingInfo& info : settings_table()) {
    if (info.kind != SettingKind::Choice) continue;
    auto* group = static_cast<QGroupBox*>(window->binder().control_of(info.key));
    const int last = static_cast<int>(choice_captions(info.key).size()) - 1;
    EXPECT_EQ(ui::choice_buttons(group)->checkedId(), last) << info.key;
    EXPECT_EQ(window->session().description.choice(info.key), last) << info.key;
  }
}

TEST_F(SettingsBinderTest, ASavedDescriptionLoadedAndSavedAgainIsTheSameFile) {
  // The method's index is beyond its six buttons.
  const std::string path =
      dir.write("hors.dsc", "dossier_choisi= " + dir.path() + "\r\ndossier_choisi_sortie= " + dir.path() +
                                "\r\nRadioGroup_methode_ItemIndex= 9\r\n" + "Edit_masque.text= csv\r\n");
  const auto save = [this] {
    answers.box("Enregistrer", "Oui");
    click("SpeedButton_Enregistrer_dsc");
    ASSERT_TRUE(answers.idle());
  };
  open(path);
  EXPECT_EQ(ui::choice_buttons(find<QGroupBox>("GroupBox_methode"))->checkedId(), -1);
  save();
  const std::string first = read_bytes(path);
  EXPECT_NE(first.find("RadioGroup_methode_ItemIndex= 9\r\n"), std::string::npos);
  close_window();

  open(path);
  EXPECT_EQ(ui::choice_buttons(find<QGroupBox>("GroupBox_methode"))->checkedId(), -1);
  save();
  EXPECT_EQ(read_bytes(path), first);
}

}  // namespace
}  // namespace talve::testing
