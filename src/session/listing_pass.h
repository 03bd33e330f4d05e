// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

class Session;

// How one pass over the files ended.
enum class [[nodiscard]] PassEnd{
    no_file, stopped, completed,
    list_again,  // the description was corrected: another pass is to run
};

// One pass of `lister_tableau` over the files of the input: the rows are
// made in list order, pre-read as the settings and check marks say, and
// the totals shown at the end (also after a stop).
PassEnd run_listing_pass(Session& session);

}  // namespace talve
