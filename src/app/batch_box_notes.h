// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace talve {

// Some boxes speak of the window: the clipboard, the description saved
// with the result, the "sauver ->" button, the text editor. The batch mode
// shows them as they are, then this line, which says what it did instead;
// "" for the other boxes.
std::string batch_note_for(std::string_view box_text);

}  // namespace talve
