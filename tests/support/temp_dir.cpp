// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace talve::testing {

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "talve-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  m_path = pattern + "/";
}

TempDir::~TempDir() {
  std::error_code error;
  fs::remove_all(m_path, error);
}

std::string TempDir::write(std::string_view name, std::string_view bytes) const {
  const fs::path path = fs::path(m_path) / std::string(name);
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path.string();
}

std::string TempDir::mkdir(std::string_view name) const {
  const fs::path path = fs::path(m_path) / std::string(name);
  fs::create_directories(path);
  return path.string() + "/";
}

std::string read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

ProgramHome::ProgramHome() {
  if (const char* previous = std::getenv("TALVE_HOME")) {
    m_had_previous = true;
    m_previous = previous;
  }
  setenv("TALVE_HOME", m_dir.path().c_str(), 1);
}

ProgramHome::~ProgramHome() {
  if (m_had_previous)
    setenv("TALVE_HOME", m_previous.c_str(), 1);
  else
    unsetenv("TALVE_HOME");
}

}  // namespace talve::testing
