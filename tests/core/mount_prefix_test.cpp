// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mount_prefix.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace talve {
namespace {

TEST(MountPrefix, SplitsAFolderAtItsDisk) {
  const auto roots = default_mount_roots();
  struct Case {
    std::string folder, prefix, rest;
  };
  const std::vector<Case> cases = {
      {"/media/u/DISK1/data/", "/media/u/DISK1/", "data/"},
      {"/media/u/DISK1/", "/media/u/DISK1/", ""},
      {"/run/media/u/CLE/a/b/", "/run/media/u/CLE/", "a/b/"},
      {"/mnt/usb/mesures/", "/mnt/usb/", "mesures/"},
      {"/mnt/", "/mnt/", ""},  // no disk after the root: its first component
      {"/media/u/", "/media/", "u/"},
      {"/home/u/data/", "/home/", "u/data/"},
      {"/", "/", ""},
      {"D:\\mesures\\site\\", "D:\\", "mesures\\site\\"},
      {"./data/", "", "./data/"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    const MountSplit split = split_mount_prefix(c.folder, roots);
    EXPECT_EQ(split.prefix, c.prefix);
    EXPECT_EQ(split.rest, c.rest);
  }
}

TEST(MountPrefix, MovingReplacesOnlyThePrefix) {
  const auto roots = default_mount_roots();
  struct Case {
    std::string folder, new_prefix, moved;
  };
  const std::vector<Case> cases = {
      {"/media/u/DISK1/data/", "/media/u/DISK2/", "/media/u/DISK2/data/"},
      {"/home/u/data/", "/srv/", "/srv/u/data/"},
      {"D:\\mesures\\site\\", "/mnt/d/", "/mnt/d/mesures/site/"},
      {"./data/", "/mnt/d/", "./data/"},
      // A drive letter typed alone: the rest takes its separators.
      {"C:\\data\\", "E:\\", "E:\\data\\"},
      {"/home/u/data/", "E:\\", "E:\\u\\data\\"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    EXPECT_EQ(move_to_prefix(c.folder, c.new_prefix, roots), c.moved);
  }
}

TEST(MountPrefix, RootsGivenByTheCallerMarkTheirOwnDisks) {
  const std::vector<std::string> roots = {"/tmp/essai-x/"};
  EXPECT_EQ(split_mount_prefix("/tmp/essai-x/C/data/", roots).prefix, "/tmp/essai-x/C/");
  EXPECT_EQ(move_to_prefix("/tmp/essai-x/C/data/", "/tmp/essai-x/E/", roots), "/tmp/essai-x/E/data/");
  EXPECT_EQ(split_mount_prefix("/tmp/autre/C/", roots).prefix, "/tmp/");
}

TEST(MountPrefix, TypedPrefixesAreMadeUsable) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"/media/u/DISK2/", "/media/u/DISK2/"},
      {" /media/u/DISK2 ", "/media/u/DISK2/"},
      {"mnt\\d", "/mnt/d/"},
      {"", ""},
      {"   ", ""},
      {"e", "E:\\"},
      {" E: ", "E:\\"},
      {"e:/", "E:\\"},
      {"ee", "/ee/"},
  };
  for (const auto& [typed, prefix] : cases) EXPECT_EQ(normalise_typed_prefix(typed), prefix) << typed;
}

}  // namespace
}  // namespace talve
