// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/pre_read_questions.h"

#include "core/size_limits.h"
#include "files/line_excerpt.h"
#include "text/text_utils.h"

namespace talve {
namespace {

std::string number(long long value) { return std::to_string(value); }

// The value of a date field and where it was read.
std::string field_and_columns(const DateProblem& problem) {
  return line_excerpt(problem.field) + (problem.two_columns ? " en colonnes " : " en colonne ") +
         problem.columns;
}

struct SeparatorCounts {
  int tabs;
  int blanks;
  int semicolons;
  int commas;
};

SeparatorCounts count_separators(std::string_view line) {
  return {compter_car_large('\t', line), compter_car_large(' ', line), compter_car_large(';', line),
          compter_car_large(',', line)};
}

}  // namespace

std::string titles_expected_question(long long line_number, std::string_view line) {
  return "la ligne n°" + number(line_number) + " semble correspondre à des intitulés de colonnes.." + "\n\n" +
         line_excerpt(line) + "\n\n" +
         " proposition => choisir l'option avec intitulé de colonnes et son n° de ligne" + "\n\n" +
         "     corriger  (Oui)" + "\n\n" + "     continuer (Annuler)";
}

std::string not_titles_question(long long line_number, int digits, int letters, std::string_view line) {
  return "la ligne n°" + number(line_number) +
         "  ne semble pas correspondre à une suite d'intitulés de colonnes.." + "\n\n" +
         " le nombre de chiffres (" + number(digits) + ") est supérieur au nombre de lettres (" +
         number(letters) + ")" + "\n\n" + line_excerpt(line) + "\n\n" +
         " proposition => choisir l'option sans intitulé de colonnes" + "\n\n" + "     corriger  (Oui)" +
         "\n\n" + "     continuer (Annuler)";
}

std::string title_line_zero_error() {
  return std::string("??? le n° de ligne des intitulés de colonnes semble être nul") + "\n\n" +
         " => sélectionner l'option sans intitulé de colonne ..." + "\n\n" +
         "   le fichier sera ouvert dans le blocnote";
}

std::string mostly_digits_question(long long line_number, std::string_view first_data_line) {
  return "a- la ligne n°" + number(line_number) +
         "  ne semble pas correspondre à une suite d'intitulés de colonnes..." + "\n\n" +
         line_excerpt(first_data_line) + "\n\n" +
         " proposition => choisir l'option sans intitulé de colonnes" + "\n\n" +
         "     corriger et relancer  (Oui)" + "\n\n" + "     ou annuler            (Annuler)";
}

std::string blank_count_question(const BlankCountMismatch& m) {
  return std::string("1- Valider et LISTER") + "\n\n" + "Avec le séparateur " + m.separator_name + "\n" +
         "le nombre de colonnes détectées entre intitulé et données est différent" + "\n\n" +
         "nb col (intitulé) = " + number(m.title_count) + "\n" + line_excerpt(m.converted_titles) + "\n" +
         "nb col (données)  = " + number(m.data_count) + "\n" + line_excerpt(m.data_line) + "\n\n" +
         " la ligne d'intitulés corrigée suivante contient " + number(m.corrected_count) + " colonnes" +
         "\n" + line_excerpt(m.corrected_titles) + "\n\n" + " Juste stopper le traitement ===> ( Ok )" +
         "\n\n" + " Stopper le traitement et utiliser la ligne corrigée alternative => (Oui)";
}

std::string overwrite_alternatives_question(const BlankCountMismatch& m, std::string_view present) {
  return std::string("1- Valider et LISTER") + "\n\n" + "     écraser les intitulés originaux contenant " +
         number(m.title_count) + " colonnes" + "\n" + std::string(present) + "\n\n" +
         "     avec la correction contenant " + number(m.corrected_count) + " colonnes" + "\n" +
         m.corrected_titles + "\n\n" + "     ce qui serait en accord avec les " + number(m.data_count) +
         " de colonnes de données  => (Oui)";
}

std::string alternative_count_error(const AlternativeCountMismatch& m) {
  std::string text = " le nombre de colonnes alternatives (" + number(m.alternative_count) +
                     ") est différent" + "\n\n" + " du nombre original (" + number(m.original_count) + ")" +
                     "\n\n";
  if (m.blank_separator)
    text += m.alternatives + "\n\n" + line_excerpt(m.converted_titles) + "\n\n" +
            " => vérifier la similitude . . .";
  else
    text += " => vérifier la similitude ...";
  return text + "\n\n" + "   ou effacer les intitulés alternatifs" + "\n\n" + "   ou le séparateur (" +
         m.separator_name + ")";
}

std::string single_column_warning(std::string_view separator_caption, std::string_view line) {
  const SeparatorCounts c = count_separators(line);
  return "??? avec le séparateur de colonne => " + std::string(separator_caption) +
         " une seule colonne de détectée !!!        \n\n" + "  vérifier le séparateur de colonne en Entrée" +
         "\n\n" + "  Aide : décompte de la ligne <intitulés d'origine>" + "\n" + "     " + number(c.tabs) +
         " tabulation(s)   \n" + "     " + number(c.blanks) + " espace(s)\n" + "     " +
         number(c.semicolons) + " point-virgule(s)" + "\n" + "     " + number(c.commas) + " virgule(s)" +
         "\n\n" + "  vérifier la liste des colonnes à extraire ci-dessous\n\n" + "<" + line_excerpt(line) +
         ">";
}

std::string too_many_columns_warning(std::string_view path, long long count, std::string_view line) {
  return "fichier " + std::string(path) + "\n\n" + " " + format_grouped(count) +
         " colonnes de données détectées : la limite est de " + format_grouped(kMaxDataColumns) + "\n\n" +
         "  vérifier le séparateur de colonne et la ligne des intitulés" + "\n\n" + "<" + line_excerpt(line) +
         ">";
}

std::vector<std::string> single_column_report(std::string_view separator_caption, std::string_view line) {
  const SeparatorCounts c = count_separators(line);
  return {"",
          "??? avec le séparateur de colonne => " + std::string(separator_caption) +
              " une seule colonne de détectée !!!        ",
          "  vérifier le séparateur de colonne en Entrée",
          "  Aide : décompte de la ligne <intitulés d'origine>",
          "     " + number(c.tabs) + " tabulation(s)   ",
          "     " + number(c.blanks) + " espace(s)",
          "     " + number(c.semicolons) + " point-virgule(s)",
          "     " + number(c.commas) + " virgule(s)",
          "  vérifier la liste des colonnes à extraire ci-dessous",
          "<" + line_excerpt(line) + ">"};
}

std::string empty_date_format_question(const DateProblem& p) {
  return std::string("Problème de date de mesure vide") + "\n\n" + "format actuel :" + "\n" + p.pattern +
         "\n" + field_and_columns(p) + "\n\n" + "format proposé :" + "\n" + std::string(kShortYearPattern) +
         "   => (Oui)" + "\n\n" + "annuler le traitement => (Annuler)";
}

std::string first_date_question(const DateProblem& p) {
  return "-- Date de la 1ère mesure <" + line_excerpt(p.date) + ">" + "\n\n" + p.pattern + "\n" +
         field_and_columns(p) + "\n\n" +
         "Problème de date : vérifier les paramètres de la colonne Date/Heure et son format " + "\n\n" +
         "1ères données en ligne " + number(p.line_number) + " ? : " + line_excerpt(p.line) + "\n\n" +
         " Ouvrir le fichier et annuler le traitement ?";
}

}  // namespace talve
