// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace talve {

class UserInterface;

// The small line-numbered files kept beside the program (the parameter file
// and the period file): one value per line, CR LF line ends, exactly 60
// lines once a value has been written by its line number.

inline constexpr int kMaxParameterLines = 60;

// `lire_ligne_fichier`: line n (from 1) of a text file; "" when the file is
// missing or shorter, or when n < 1.
std::string lire_ligne_fichier(const std::string& path, int n);

// `ecrire_fichier_une_ligne`: the file is replaced by that single line.
[[nodiscard]] bool ecrire_fichier_une_ligne(const std::string& text, const std::string& path);

// `ecrire_parametre`: line k (1 to 60) of the file takes the text; the file
// is rewritten with exactly 60 lines (missing ones empty). Beyond line 60
// the user is told the limit and the file is rewritten without the value.
[[nodiscard]] bool ecrire_parametre(const std::string& text, const std::string& path, int k,
                                    UserInterface& ui);

// `liste_vers_fichier`: the items saved one per line.
[[nodiscard]] bool liste_vers_fichier(const std::vector<std::string>& items, const std::string& path);
// `fichier_vers_liste`: the list replaced by the lines of the file; the list
// is left empty when the file cannot be read.
void fichier_vers_liste(std::vector<std::string>& items, const std::string& path);

}  // namespace talve
