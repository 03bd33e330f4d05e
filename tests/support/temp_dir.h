// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace talve::testing {

// A fresh folder under the system's temporary folder, removed with its
// content at destruction. path() ends with "/".
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return m_path; }
  std::string file(std::string_view name) const { return m_path + std::string(name); }
  // Writes bytes as they are (no line-end translation); creates sub-folders.
  std::string write(std::string_view name, std::string_view bytes) const;
  std::string mkdir(std::string_view name) const;

 private:
  std::string m_path;
};

// Whole content of a file as bytes ("" when it cannot be read).
std::string read_bytes(const std::string& path);

// Sets TALVE_HOME to a fresh temporary folder for the life of the object, so
// that no test touches the user's own program folder.
class ProgramHome {
 public:
  ProgramHome();
  ~ProgramHome();
  const std::string& path() const { return m_dir.path(); }

 private:
  TempDir m_dir;
  std::string m_previous;
  bool m_had_previous = false;
};

}  // namespace talve::testing
