// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QGroupBox;
class QWidget;

namespace talve::ui {

// The five zones of the main window, each a titled group holding its named
// controls in Qt layouts. They only build widgets: the window connects them
// to the session.
QGroupBox* build_description_zone(QWidget* parent);  // 1 "Description des fichiers de données"
QGroupBox* build_files_zone(QWidget* parent);        // 2 "Listage des fichiers impliqués"
QGroupBox* build_output_zone(QWidget* parent);       // 3 "Format de sortie"
QGroupBox* build_period_zone(QWidget* parent);       // 4 "Période ciblée"
QGroupBox* build_results_zone(QWidget* parent);      // 5 "Zone de sortie et d'attente"

// The floating panels, children of `surface` raised over the zones and hidden
// at first: the tracking window `Panel1`, the notice panel `Panel4`, the
// folder chooser `Panel_dir`, the colour panel `Panel_des_couleurs`, the drive
// panel `Panel_lecteur`, the station panel `Panel_coche`, and the pattern
// picker lists.
void build_floating_panels(QWidget* surface);

}  // namespace talve::ui
