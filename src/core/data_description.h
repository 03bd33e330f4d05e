// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings_table.h"
#include "text/tdatetime.h"

namespace talve {

// The current description of a family of data files: the 66 settings, each
// reachable by its key, plus the identity of the description file and the
// modified flag. Every value is held as the text the description file
// stores, so that reading and writing are exact; typed accessors convert.
class DataDescription {
 public:
  DataDescription();

  // --- values, by key (an unknown key is a programming error and throws)
  const std::string& text(std::string_view key) const;
  bool checked(std::string_view key) const;    // Boolean settings
  int choice(std::string_view key) const;      // Choice settings; -1 when not an integer
  TDateTime time(std::string_view key) const;  // Time and DateTime settings, 0 when unreadable

  // A change made by the user or by a correction the user accepted: stores
  // the value, notifies the listeners and sets the modified flag when the
  // value differs.
  void set_text(std::string_view key, std::string value);
  void set_checked(std::string_view key, bool value);
  void set_choice(std::string_view key, int value);
  void set_time(std::string_view key, TDateTime value);

  // Stores a value without touching the modified flag (loading a file,
  // resetting); listeners are notified.
  void assign(std::string_view key, std::string value);
  void assign_index(std::size_t index, std::string value);
  const std::string& text_at(std::size_t index) const { return m_values[index]; }

  // Every setting takes its start-up value (Initial column).
  void reset_to_initial();
  // Every setting but the three folders takes its If-absent value ("Nouveau").
  void reset_to_absent_values(const std::string& program_folder);
  // The If-absent value of one setting, with the dynamic values resolved.
  static std::string absent_value(const SettingInfo& info, const std::string& program_folder);

  // --- identity of the current description file
  static constexpr std::string_view kNoDescription = "fichier de description de données";
  // The bare file name shown in `Label_description_bd`.
  const std::string& file_name() const { return m_file_name; }
  void set_file_name(std::string name);
  // True when a description is current (the name is neither the placeholder
  // nor blank).
  bool is_current() const;
  // The description folder (`dossier_description`) followed by the name with
  // its extension replaced by ".DSC"; an existing file whose name differs
  // only by letter case is preferred.
  std::string file_path() const;

  // --- folders read relative to the description file
  // The relative form ("./data/", "../out/") a folder setting was read with,
  // so that writing can keep it while it still names the same folder; ""
  // when the folder was read absolute.
  const std::string& relative_form(std::string_view key) const;
  void set_relative_form(std::string_view key, std::string form);

  // --- modified flag
  bool modified() const { return m_modified; }
  void mark_modified();
  void clear_modified();

  // --- change notification (the window binds its controls here)
  using KeyListener = std::function<void(std::string_view key, const std::string& value)>;
  using FlagListener = std::function<void(bool modified)>;
  void on_value_changed(KeyListener listener) { m_key_listeners.push_back(std::move(listener)); }
  void on_modified_changed(FlagListener listener) { m_flag_listeners.push_back(std::move(listener)); }

 private:
  std::size_t index_of(std::string_view key) const;
  void store(std::size_t index, std::string value, bool user_change);
  void notify_modified();

  std::vector<std::string> m_values;
  std::vector<std::string> m_relative_forms;  // by setting index
  std::string m_file_name;
  bool m_modified = false;
  std::vector<KeyListener> m_key_listeners;
  std::vector<FlagListener> m_flag_listeners;
};

}  // namespace talve
