// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panel_fixture.h"

#include <QTest>
#include <filesystem>

#include "support/temp_dir.h"
#include "text/text_utils.h"

namespace talve::testing {

void PanelTest::SetUp() {
  description = copy_demo("demo");
  data = dir.path() + "demo/donnees/";
  editor_log = dir.file("edites.txt");
  const std::string editor =
      dir.write("editeur.sh", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + editor_log + "'\n");
  std::filesystem::permissions(editor, std::filesystem::perms::owner_all);
  set_in_description("Edit_name_prog_blocnote.text", editor);
}

void PanelTest::click_radio(const char* name) {
  if (QWidget* radio = find(name))
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
}

void PanelTest::set_in_description(const std::string& key, const std::string& value) {
  std::string text = read_bytes(description);
  const std::string line = key + "= ";
  const auto at = text.find(line);
  ASSERT_NE(at, std::string::npos) << key;
  text.replace(at, text.find("\r\n", at) - at, line + value);
  dir.write("demo/demo.dsc", text);
}

std::string PanelTest::in_description(const std::string& key) const {
  const std::string text = read_bytes(description);
  const std::string line = key + "= ";
  const auto at = text.find(line);
  if (at == std::string::npos) return {};
  return text.substr(at + line.size(), text.find("\r\n", at) - at - line.size());
}

std::vector<std::string> PanelTest::edited() const {
  std::vector<std::string> files;
  const std::string log = read_bytes(editor_log);
  for (std::string_view line : split_lines(log))
    if (!line.empty()) files.emplace_back(line);
  return files;
}

bool PanelTest::wait_for_edits(std::size_t count) const {
  return wait_for([&] { return edited().size() >= count; }, 10);
}

}  // namespace talve::testing
