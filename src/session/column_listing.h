// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

class Session;

// "lister les colonnes": the tracking window shows the column counts and the
// titles of the first pre-read file (none before a listing has pre-read
// one), then the alternative titles when they are in use.
void lister_colonnes_click(Session& session);

}  // namespace talve
