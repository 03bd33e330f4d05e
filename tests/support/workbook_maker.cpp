// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbook_maker.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

extern char** environ;

namespace talve::testing {
namespace {

std::string cell_xml(const Cell& cell) {
  switch (cell.kind) {
    case Cell::Number:
      return R"(<table:table-cell table:style-name="ce2" office:value-type="float" office:value=")" +
             cell.value + R"("><text:p>0</text:p></table:table-cell>)";
    case Cell::Instant:
      return R"(<table:table-cell table:style-name="ce1" office:value-type="date" office:date-value=")" +
             cell.value + R"("><text:p>0</text:p></table:table-cell>)";
    case Cell::Text:
      break;
  }
  return R"(<table:table-cell office:value-type="string"><text:p>)" + cell.value +
         "</text:p></table:table-cell>";
}

std::string flat_document(const std::vector<Sheet>& sheets) {
  std::string xml = R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:automatic-styles>
<number:date-style style:name="N1"><number:day number:style="long"/><number:text>/</number:text><number:month number:style="long"/><number:text>/</number:text><number:year number:style="long"/><number:text> </number:text><number:hours number:style="long"/><number:text>:</number:text><number:minutes number:style="long"/><number:text>:</number:text><number:seconds number:style="long"/></number:date-style>
<number:number-style style:name="N2"><number:number number:decimal-places="2" number:min-integer-digits="1"/></number:number-style>
<style:style style:name="ce1" style:family="table-cell" style:data-style-name="N1"/>
<style:style style:name="ce2" style:family="table-cell" style:data-style-name="N2"/>
</office:automatic-styles>
<office:body><office:spreadsheet>
)";
  for (const Sheet& sheet : sheets) {
    xml += "<table:table table:name=\"" + sheet.name + "\">";
    for (const auto& row : sheet.rows) {
      xml += "<table:table-row>";
      for (const Cell& cell : row) xml += cell_xml(cell);
      xml += "</table:table-row>\n";
    }
    xml += "</table:table>\n";
  }
  return xml + "</office:spreadsheet></office:body></office:document>\n";
}

// LibreOffice converting `source` to `extension` in `folder`, with a
// profile of its own so that several run at once.
pid_t start_conversion(const std::string& folder, const std::string& source, const std::string& extension) {
  const std::vector<std::string> arguments = {
      "soffice",      "--headless",
      "--norestore",  "-env:UserInstallation=file://" + folder + "profile-" + extension,
      "--convert-to", extension,
      "--outdir",     folder,
      source};
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return error == 0 ? pid : -1;
}

}  // namespace

std::vector<std::string> make_workbooks(const std::string& folder, const std::string& stem,
                                        const std::vector<Sheet>& sheets,
                                        const std::vector<std::string>& extensions) {
  const std::string source = folder + stem + ".fods";
  std::ofstream(source, std::ios::binary) << flat_document(sheets);
  std::vector<pid_t> started;
  for (const std::string& extension : extensions)
    started.push_back(start_conversion(folder, source, extension));
  std::vector<std::string> paths;
  for (std::size_t i = 0; i < extensions.size(); ++i) {
    int status = 0;
    if (started[i] > 0) waitpid(started[i], &status, 0);
    paths.push_back(folder + stem + "." + extensions[i]);
    EXPECT_TRUE(std::filesystem::exists(paths.back())) << "LibreOffice wrote no " << paths.back();
  }
  return paths;
}

}  // namespace talve::testing
