// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/modified_indication.h"

#include "core/parameter_colours.h"
#include "session/description_actions.h"
#include "session/session.h"
#include "text/text_utils.h"

namespace talve {

void refresh_save_colours(Session& session) {
  const bool modified = session.description.modified();
  const bool chosen = description_folder_chosen(session);
  const auto look = [](bool red) { return red ? ControlColour::of(kRed) : ControlColour::theme_text(); };
  session.set_colour("SpeedButton_Enregistrer_dsc", ColourPart::Text, look(modified && chosen));
  session.set_colour("SpeedButton_enreg_description", ColourPart::Text, look(modified && !chosen));
}

void colour_bound_fields(Session& session) {
  const DataDescription& description = session.description;
  const SchemeColours shown =
      colours_in_use(description.choice("RadioGroup_coul_nb.ItemIndex"), session.colours);
  for (const char* field : {"Edit_min_na", "Edit_max_na"}) {
    const bool bound = !trim(description.text(std::string(field) + ".text")).empty();
    session.set_colour(field, ColourPart::Background,
                       ControlColour::of(bound ? shown.number : shown.background));
  }
  // The offset and drift fields look inactive while their box is unchecked.
  constexpr Rgb kInactive{240, 240, 230};
  const struct {
    const char* key;
    std::initializer_list<const char*> fields;
  } corrections[] = {{"CheckBox_decalage_actif.Checked", {"SpinEdit_decalage_jour", "TimePicker_decalage"}},
                     {"CheckBox_derive_active.Checked",
                      {"TimePicker_derive_erronee", "TimePicker_derive_reelle", "DateTimePicker_debut_derive",
                       "DateTimePicker_constat_derive"}}};
  for (const auto& group : corrections) {
    const Rgb colour = description.checked(group.key) ? shown.field : kInactive;
    for (const char* field : group.fields)
      session.set_colour(field, ColourPart::Background, ControlColour::of(colour));
  }
}

}  // namespace talve
