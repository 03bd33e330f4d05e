// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

class Session;

// Another description chosen, a new one begun or another data folder: what
// the previous listing and run left on screen belongs to other files and
// goes. The file table and its checked files, the listing's counts, sizes
// and dates (`Label_nb_fic`, `Label8`, `Label_date_min`, `Label_date_max`,
// `Label_date_heure_min`, `Label_date_heure_max`), the file being read, the
// run's counters, the grid instants and the results shown. The period and
// the result files on disk stay.
void forget_previous_listing(Session& session);

}  // namespace talve
