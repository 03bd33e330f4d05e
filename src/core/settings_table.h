// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

namespace talve {

// How a setting is held and written.
enum class SettingKind {
  Boolean,   // "true" / "false"; only the exact text "true" reads as true
  Text,      // free text, kept as typed
  Choice,    // 0-based index written in decimal
  Folder,    // a folder that ends with "/" once loaded (empty stays empty)
  Time,      // a time of day used as a duration, written "hh:nn:ss"
  DateTime,  // a date and time, written as the system date-time text
};

// Values that are not fixed texts.
enum class DynamicValue {
  None,
  ProgramFolder,    // the program's own per-user folder
  CurrentDateTime,  // now, as the system date-time text ("dd/mm/yyyy hh:nn:ss")
};

// How the window shows a setting in its control (the control's objectName
// is in the table).
enum class ControlKind {
  None,            // no control: a value the chart viewer keeps
  LineEdit,        // the text of an edit field
  Check,           // a check box or a radio button: checked or not
  Label,           // the caption of a label
  Choice,          // a group of radio buttons numbered 0..n-1 by the index
  FolderLabel,     // a label showing the folder, or its placeholder when empty
  TimePicker,      // a time edit: the time of day of the value
  DateTimePicker,  // a date and time edit
};

struct SettingInfo {
  std::string_view key;  // the text under which the description file stores it
  SettingKind kind;
  std::string_view initial;    // value held at start-up, before any description
  std::string_view if_absent;  // value of a key missing from a file, and of "Nouveau"
  std::string_view control;    // objectName of the control that shows it ("" for none)
  ControlKind control_kind = ControlKind::None;
  DynamicValue initial_dynamic = DynamicValue::None;
  DynamicValue absent_dynamic = DynamicValue::None;
  // What a folder label shows while no folder is chosen.
  std::string_view placeholder = {};
};

// The 66 settings of a data description, in the order of their groups:
// folders, input layout, dates, file names, columns, aggregation and
// corrections, output, last run period, display.
std::span<const SettingInfo> settings_table();

// Index of a key in the table (exact spelling), or -1.
int setting_index(std::string_view key);
// Index of a key compared without regard to letter case, or -1.
int setting_index_nocase(std::string_view key);

// The placeholder of a folder setting's label ("répertoire données"...).
std::string_view folder_placeholder(std::string_view key);

// Captions of the choice settings, by index (empty beyond the table).
std::span<const std::string_view> choice_captions(std::string_view key);

}  // namespace talve
