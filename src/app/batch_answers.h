// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/user_interface.h"

namespace talve {

// The answers of the batch mode, the same for every run: the answer that
// lets the work go on with the description unchanged. A correction offered
// is declined, "continuer ?" is accepted, "Annuler ce traitement ?" is
// declined, an existing result is overwritten.
Answer batch_answer(ButtonSet buttons, std::string_view text);

// "Oui", "Non", "Annuler", "OK".
std::string answer_caption(Answer answer);

// "(Oui / Non)" and the like, for the trace of a box.
std::string buttons_caption(ButtonSet buttons);

}  // namespace talve
