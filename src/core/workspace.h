// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "core/control_colours.h"
#include "core/data_description.h"
#include "core/period.h"
#include "core/scheme_colours.h"
#include "core/tracking_log.h"
#include "core/user_interface.h"
#include "text/datetime_reader.h"

namespace talve {

enum class InputMode { Files, Spreadsheet, Clipboard };

// Flags shared by every workflow.
struct SharedFlags {
  bool running = false;       // a processing run is going on
  bool busy = false;          // a listing, grid build or run is going on
  bool stop = false;          // the user asked to stop the current loop
  bool startup = true;        // set at creation, cleared by the first time grid
  bool table_edited = false;  // file table rows were removed by hand
  InputMode input_mode = InputMode::Files;
};

// What every layer of the program works on: the current description, the
// tracking log, the captions the window shows, the period, the shared flags
// and the interface to the user. The session adds the file table, the time
// grid and the results on top of it.
class Workspace {
 public:
  explicit Workspace(UserInterface& ui);
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;
  virtual ~Workspace() = default;

  UserInterface& ui() { return m_ui; }

  DataDescription description;
  TrackingLog log;
  DateTimeReader dates{&log};  // writes its complaints into the log
  SharedFlags flags;
  Period period;
  SchemeColours colours;  // the "couleurs" scheme, kept in the parameter file
  // Session-only values, never saved.
  int offset_days = 0;              // `SpinEdit_decalage_jour`, 0..400
  bool shutdown_after_run = false;  // `CheckBox_arret_PC`
  bool no_confirmation = false;     // `CheckBox_sans_confirmation`

  void ajout_suivi(const std::string& line) { log.ajout_suivi(line); }

  // A listing, a grid build, a spreadsheet read or a processing run is going
  // on: the operations that would change what it works on (the description,
  // the file table, the period, the grid) refuse to start meanwhile.
  bool busy() const { return flags.busy || flags.running; }

  // Captions of named controls (labels, status texts) and their visibility.
  void set_caption(std::string_view control, std::string text);
  const std::string& caption(std::string_view control) const;
  void set_visible(std::string_view control, bool visible);
  // Colours of named controls, kept so that each change is sent once.
  void set_colour(std::string_view control, ColourPart part, ControlColour colour);
  // The colour last set; nothing when none was.
  std::optional<ControlColour> colour(std::string_view control, ColourPart part) const;

 private:
  UserInterface& m_ui;
  std::map<std::string, std::string, std::less<>> m_captions;
  std::map<std::string, ControlColour, std::less<>> m_text_colours;
  std::map<std::string, ControlColour, std::less<>> m_background_colours;
};

}  // namespace talve
