// SPDX-License-Identifier: GPL-3.0-or-later
// The ./talve launcher: packages checked and the program built only when
// needed. The package and build tools are stand-ins that write down each
// call; the program they "build" is the real one.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/program_run.h"
#include "core/program_title.h"
#include "support/temp_dir.h"
#include "text/encoding.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

// Every tool the launcher may call, writing its name and arguments to the
// log. The build tool "builds" by linking the real program into place.
constexpr const char* kDpkgQuery = R"(#!/bin/sh
echo "dpkg-query $*" >> "$TOOL_LOG"
printf 'install ok installed'
)";
constexpr const char* kCmake = R"(#!/bin/sh
echo "cmake $*" >> "$TOOL_LOG"
if [ "$1" = "--build" ]; then
  mkdir -p "$2/src/app" && ln -sf "$BUILT_PROGRAM" "$2/src/app/talve"
  echo "[0/2] Re-checking globbed directories..."
  echo "ninja: no work to do."
  exit 0
fi
while [ $# -gt 0 ]; do
  if [ "$1" = "-B" ]; then mkdir -p "$2" && touch "$2/build.ninja"; fi
  shift
done
)";
constexpr const char* kRefused = R"(#!/bin/sh
echo "$(basename "$0") $*" >> "$TOOL_LOG"
exit 1
)";

class Launcher : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& [name, text] : {std::pair{"dpkg-query", kDpkgQuery}, std::pair{"cmake", kCmake},
                                     std::pair{"apt-get", kRefused}, std::pair{"sudo", kRefused}}) {
      const std::string path = dir.write(std::string("outils/") + name, text);
      fs::permissions(path, fs::perms::owner_all);
    }
    build = dir.path() + "build";
  }

  testing::ProgramOutcome launch() {
    testing::ProgramRun run{{"--version"}, dir.path(), dir.mkdir("maison"), 120, -1};
    run.program = std::string(TALVE_SOURCE_DIR) + "/talve";
    run.environment = {"PATH=" + dir.path() + "outils:" + std::getenv("PATH"), "TALVE_BUILD_DIR=" + build,
                       "TOOL_LOG=" + dir.path() + "journal", std::string("BUILT_PROGRAM=") + TALVE_PROGRAM};
    return testing::run_program(run);
  }

  // The tool calls since the last look.
  std::string calls() {
    const std::string all = testing::read_bytes(dir.path() + "journal");
    const std::string fresh = all.substr(seen);
    seen = all.size();
    return fresh;
  }

  static void make_old(const std::string& path) {
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(24 * 365 * 20));
  }

  testing::TempDir dir;
  std::string build;
  std::size_t seen = 0;
};

TEST_F(Launcher, ChecksAndBuildsOnlyWhatChanged) {
  const std::string title = cp1252_to_utf8(program_title()) + "\n";
  const std::string notice = cp1252_to_utf8("Première compilation de Talve : elle prend plusieurs minutes");

  // First start: packages checked, the build configured and made, with the
  // notice; the build tool's "no work to do" is not shown.
  testing::ProgramOutcome o = launch();
  ASSERT_EQ(o.status, 0) << o.summary();
  EXPECT_EQ(o.out, title);
  EXPECT_NE(o.err.find(notice), std::string::npos) << o.err;
  EXPECT_EQ(o.err.find("no work to do"), std::string::npos) << o.err;
  EXPECT_EQ(o.err.find("Re-checking"), std::string::npos) << o.err;
  std::string made = calls();
  EXPECT_NE(made.find("dpkg-query "), std::string::npos) << made;
  EXPECT_NE(made.find("cmake -S "), std::string::npos) << made;
  EXPECT_NE(made.find("cmake --build " + build + " --target talve"), std::string::npos) << made;

  // Nothing changed: the program starts at once, without any tool.
  o = launch();
  ASSERT_EQ(o.status, 0) << o.summary();
  EXPECT_EQ(o.out, title);
  EXPECT_EQ(o.err, "");
  EXPECT_EQ(calls(), "");

  // A source newer than the last build: built again, quietly, packages left.
  make_old(build + "/.talve-compile");
  o = launch();
  ASSERT_EQ(o.status, 0) << o.summary();
  EXPECT_EQ(o.err, "");
  made = calls();
  EXPECT_EQ(made, "cmake --build " + build + " --target talve\n");

  // The package list newer than its last check: checked again.
  make_old(build + "/.talve-paquets-verifies");
  o = launch();
  ASSERT_EQ(o.status, 0) << o.summary();
  made = calls();
  EXPECT_NE(made.find("dpkg-query "), std::string::npos) << made;
  EXPECT_EQ(made.find("cmake "), std::string::npos) << made;
}

}  // namespace
}  // namespace talve
