// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/encoding.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"

namespace talve {
namespace {

TEST(Encoding, LiteralsAreWindows1252Bytes) {
  // The core's literals are compiled to Windows-1252: one byte per letter.
  const std::string text = "é°";
  ASSERT_EQ(text.size(), 2u);
  EXPECT_EQ(static_cast<unsigned char>(text[0]), 0xE9);
  EXPECT_EQ(static_cast<unsigned char>(text[1]), 0xB0);
}

TEST(Encoding, MessageWrittenToFileHoldsSingleBytes) {
  testing::TempDir dir;
  const std::string path = dir.file("message.txt");
  {
    std::ofstream out(path, std::ios::binary);
    out << "température 12°\r\n";
  }
  const std::string bytes = testing::read_bytes(path);
  EXPECT_EQ(bytes, std::string("temp\xE9rature 12\xB0\r\n"));
}

struct RoundTrip {
  std::string cp1252;
  std::string utf8;
};

TEST(Encoding, ConvertsBothWays) {
  const RoundTrip cases[] = {
      {"", ""},
      {"abc", "abc"},
      {"\xE9", "\xC3\xA9"},                  // é
      {"\xB0", "\xC2\xB0"},                  // °
      {"\x80", "\xE2\x82\xAC"},              // euro sign
      {"\x9C", "\xC5\x93"},                  // oe ligature
      {"\x81", "\xC2\x81"},                  // undefined byte kept as a C1 control
      {"a\xE0z\xFF", "a\xC3\xA0z\xC3\xBF"},  // à, ÿ
  };
  for (const auto& c : cases) {
    EXPECT_EQ(cp1252_to_utf8(c.cp1252), c.utf8);
    EXPECT_EQ(utf8_to_cp1252(c.utf8), c.cp1252);
  }
}

TEST(Encoding, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(utf8_to_cp1252(cp1252_to_utf8(all)), all);
}

TEST(Encoding, UnmappableAndInvalidUtf8) {
  EXPECT_EQ(utf8_to_cp1252("\xE2\x88\x9E"), "?");      // infinity sign has no byte
  EXPECT_EQ(utf8_to_cp1252("\xF0\x9F\x98\x80"), "?");  // emoji
  EXPECT_EQ(utf8_to_cp1252("caf\xE9"), "caf\xE9");     // already Windows-1252
  EXPECT_EQ(utf8_to_cp1252("\xC3"), "\xC3");           // truncated sequence
}

}  // namespace
}  // namespace talve
