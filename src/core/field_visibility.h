// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

class Workspace;

// Which description fields the window shows, after the choice that governs
// them (the window hides a field's label with it).

// "1 colonne": the date-time column and pattern; "2 colonnes": the date and
// time columns and patterns. Never both.
void show_date_fields(Workspace& workspace);
// "balises": the begin and end markers beside the first-data-line field;
// "n° de ligne": the first-data-line field alone.
void show_data_block_fields(Workspace& workspace);
// "avec": the title line number ("en ligne n°"); "sans": hidden.
void show_title_line_field(Workspace& workspace);

}  // namespace talve
