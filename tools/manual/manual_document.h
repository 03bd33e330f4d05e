// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace talve {

// Lays out the manual's chapters (the *.md files of `folder`, in the order of
// their names, pictures named relative to the folder) on A4 pages and writes
// them as a PDF. The line "{{clés}}" of a chapter becomes the list of the
// description keys. Returns an empty text, or what went wrong in French.
QString write_manual(const QString& folder, const QString& pdf_path);

}  // namespace talve
