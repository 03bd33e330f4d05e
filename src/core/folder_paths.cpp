// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/folder_paths.h"

#include <filesystem>

namespace talve {
namespace {

namespace fs = std::filesystem;

bool is_drive_path(std::string_view value) {
  const bool letter =
      value.size() >= 2 && ((value[0] >= 'A' && value[0] <= 'Z') || (value[0] >= 'a' && value[0] <= 'z'));
  return letter && value[1] == ':';
}

std::string normalised(std::string_view folder) {
  std::string text = fs::path(std::string(folder)).lexically_normal().string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

}  // namespace

std::string relative_folder_form(std::string_view value) {
  if (value.empty() || value.front() == '/' || is_drive_path(value)) return {};
  if (value.starts_with("\\\\")) return {};
  std::string form(value);
  // A form written on Windows (".\data\", or "\." for the description's own
  // folder) is taken with this platform's separator; other backslashes are
  // ordinary characters here.
  if (form.starts_with(".\\") || form.starts_with("..\\") || form.starts_with("\\.")) {
    for (char& c : form)
      if (c == '\\') c = '/';
    if (form.starts_with("/.")) form.erase(0, 1);
  }
  if (form.front() == '/') return {};
  if (form.back() != '/') form += '/';
  return form;
}

std::string resolve_folder(std::string_view relative, const std::string& base_folder) {
  std::error_code ec;
  fs::path base = fs::absolute(base_folder.empty() ? fs::path(".") : fs::path(base_folder), ec);
  std::string text = (base / std::string(relative)).lexically_normal().string();
  if (text.empty() || text.back() != '/') text += '/';
  return text;
}

bool same_folder(std::string_view a, std::string_view b) { return normalised(a) == normalised(b); }

std::string folder_of(const std::string& file_path) {
  std::error_code ec;
  fs::path path = fs::absolute(fs::path(file_path), ec).lexically_normal();
  std::string text = path.parent_path().string();
  if (text.empty() || text.back() != '/') text += '/';
  return text;
}

}  // namespace talve
