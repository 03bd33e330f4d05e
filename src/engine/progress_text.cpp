// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/progress_text.h"

#include "core/workspace.h"

namespace talve {

ProgressText wait_label_progress(Workspace& ws) {
  return [&ws](const std::string& text) { ws.set_caption("Label_patienter", text); };
}

}  // namespace talve
