// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data_description.h"

#include <charconv>
#include <filesystem>
#include <stdexcept>

#include "text/ascii.h"
#include "text/clock.h"

namespace talve {
namespace {

std::string dynamic_text(DynamicValue value, const std::string& program_folder) {
  switch (value) {
    case DynamicValue::ProgramFolder:
      return program_folder;
    case DynamicValue::CurrentDateTime: {
      std::string text = format_system_datetime(now());
      if (text.size() == 10) text += " 00:00:00";
      return text;
    }
    case DynamicValue::None:
      break;
  }
  return {};
}

[[nodiscard]] bool read_int(std::string_view text, int& out) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  const auto result = std::from_chars(first, last, out);
  return first != last && result.ec == std::errc() && result.ptr == last;
}

// "hh:nn:ss" or "dd/mm/yyyy[ hh:nn:ss]" as the description file writes them.
TDateTime read_time_text(std::string_view text) {
  int a = 0, b = 0, c = 0;
  if (text.size() == 8 && text[2] == ':' && text[5] == ':' && read_int(text.substr(0, 2), a) &&
      read_int(text.substr(3, 2), b) && read_int(text.substr(6, 2), c))
    return encode_time(a, b, c);
  std::string full(text);
  if (full.size() == 10) full += " 00:00:00";
  return parse_canonical(full).value_or(0.0);
}

}  // namespace

DataDescription::DataDescription() : m_file_name(kNoDescription) { reset_to_initial(); }

std::size_t DataDescription::index_of(std::string_view key) const {
  const int index = setting_index(key);
  if (index < 0) throw std::logic_error("unknown description key: " + std::string(key));
  return static_cast<std::size_t>(index);
}

const std::string& DataDescription::text(std::string_view key) const { return m_values[index_of(key)]; }

bool DataDescription::checked(std::string_view key) const { return text(key) == "true"; }

int DataDescription::choice(std::string_view key) const {
  int value = -1;
  return read_int(text(key), value) ? value : -1;
}

TDateTime DataDescription::time(std::string_view key) const { return read_time_text(text(key)); }

void DataDescription::set_text(std::string_view key, std::string value) {
  store(index_of(key), std::move(value), true);
}

void DataDescription::set_checked(std::string_view key, bool value) {
  store(index_of(key), value ? "true" : "false", true);
}

void DataDescription::set_choice(std::string_view key, int value) {
  store(index_of(key), std::to_string(value), true);
}

void DataDescription::set_time(std::string_view key, TDateTime value) {
  const std::size_t index = index_of(key);
  std::string text =
      settings_table()[index].kind == SettingKind::Time ? format_time(value) : format_system_datetime(value);
  store(index, std::move(text), true);
}

void DataDescription::assign(std::string_view key, std::string value) {
  store(index_of(key), std::move(value), false);
}

void DataDescription::assign_index(std::size_t index, std::string value) {
  store(index, std::move(value), false);
}

void DataDescription::store(std::size_t index, std::string value, bool user_change) {
  if (m_values[index] == value) return;
  m_values[index] = std::move(value);
  for (const auto& listener : m_key_listeners) listener(settings_table()[index].key, m_values[index]);
  if (user_change) mark_modified();
}

void DataDescription::reset_to_initial() {
  const auto table = settings_table();
  if (m_values.size() != table.size()) m_values.assign(table.size(), std::string());
  m_relative_forms.assign(table.size(), std::string());
  for (std::size_t i = 0; i < table.size(); ++i)
    assign_index(i, dynamic_text(table[i].initial_dynamic, {}) + std::string(table[i].initial));
}

std::string DataDescription::absent_value(const SettingInfo& info, const std::string& program_folder) {
  if (info.absent_dynamic != DynamicValue::None) return dynamic_text(info.absent_dynamic, program_folder);
  return std::string(info.if_absent);
}

void DataDescription::reset_to_absent_values(const std::string& program_folder) {
  const auto table = settings_table();
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].kind == SettingKind::Folder) continue;
    assign_index(i, absent_value(table[i], program_folder));
  }
}

const std::string& DataDescription::relative_form(std::string_view key) const {
  return m_relative_forms[index_of(key)];
}

void DataDescription::set_relative_form(std::string_view key, std::string form) {
  m_relative_forms[index_of(key)] = std::move(form);
}

void DataDescription::set_file_name(std::string name) { m_file_name = std::move(name); }

bool DataDescription::is_current() const {
  if (m_file_name == kNoDescription) return false;
  return m_file_name.find_first_not_of(' ') != std::string::npos;
}

std::string DataDescription::file_path() const {
  namespace fs = std::filesystem;
  const std::string& folder = text("dossier_description");
  std::string stem = m_file_name;
  const auto dot = stem.rfind('.');
  if (dot != std::string::npos) stem.erase(dot);
  const std::string wanted = stem + ".DSC";
  std::error_code error;
  for (fs::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (equals_nocase(name, wanted)) return folder + name;
  }
  return folder + stem + ".dsc";
}

void DataDescription::mark_modified() {
  const bool changed = !m_modified;
  m_modified = true;
  if (changed) notify_modified();
}

void DataDescription::clear_modified() {
  const bool changed = m_modified;
  m_modified = false;
  if (changed) notify_modified();
}

void DataDescription::notify_modified() {
  for (const auto& listener : m_flag_listeners) listener(m_modified);
}

}  // namespace talve
