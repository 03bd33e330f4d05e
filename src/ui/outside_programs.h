// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace talve::ui {

class WindowInterface;

// The maker's page where new versions are announced ("mise à jour").
inline constexpr char kUpdatePage[] = "https://talve.example.org/mise-a-jour/";
// The user manual's file name, in the program's data folder.
inline constexpr char kManualName[] = "Korrin_manuel.pdf";

// The folder of the program's own files (manual, picture): $TALVE_DATA_DIR
// when set, else share/talve beside the installed program's bin/, else the
// program's own folder (a build run in place).
QString program_data_folder();

// Starts a program with its argument list (never through a shell); false
// when it cannot be found or started.
bool start_program(const QString& program, const QStringList& arguments, const QString& working_folder = {},
                   qint64* pid = nullptr);

// "help": the manual in the desktop's PDF program, else a PDF viewer on the
// PATH (evince, okular, qpdfview, mupdf), else the web browser; the boxes
// "<path> introuvable" and "Firefox et Acrobat introuvables" when it is
// missing or nothing shows it.
void open_manual(WindowInterface& ui);

// "mise à jour": the update page in the desktop's web browser; a box says
// so when the desktop has none.
void open_update_page(WindowInterface& ui);

// The text editor on a file: the program the setting names (on the PATH or
// by its path), else the desktop's program for the file. Once the named
// program has started, its window is looked for every 100 ms for 2 s and
// put at the right of `window`, from the help area's left and the file
// table's top, where the desktop lets a program place another's window
// (X11). False when nothing could be started.
bool start_editor(const QString& file, const QString& editor_program, QWidget* window);

// The warning when no editor starts: which one the setting meant.
QString editor_missing_text(const QString& editor_program);

}  // namespace talve::ui
