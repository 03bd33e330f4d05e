// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_options.h"

#include <filesystem>

#include "text/encoding.h"

namespace talve {

std::optional<BatchOptions> parse_batch_options(const std::vector<std::string>& args, std::string& error) {
  BatchOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::optional<std::string>& slot) {
      if (i + 1 >= args.size()) {
        error = "l'option " + arg + " attend une valeur";
        return false;
      }
      slot = args[++i];
      return true;
    };
    if (arg == "--batch") continue;
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--list-only") {
      options.list_only = true;
    } else if (arg == "--keys") {
      options.keys = true;
    } else if (arg == "--inspect") {
      if (!value(options.inspect)) return std::nullopt;
    } else if (arg == "--output") {
      if (!value(options.inspect_output)) return std::nullopt;
    } else if (arg == "--force") {
      options.force = true;
    } else if (arg == "--period") {
      if (!value(options.period)) return std::nullopt;
    } else if (arg == "--start") {
      if (!value(options.start)) return std::nullopt;
    } else if (arg == "--end") {
      if (!value(options.end)) return std::nullopt;
    } else if (arg == "--step") {
      if (!value(options.step)) return std::nullopt;
    } else if (arg == "--date-test") {
      if (!value(options.date_test)) return std::nullopt;
    } else if (arg == "--data-dir") {
      if (!value(options.data_dir)) return std::nullopt;
    } else if (arg == "--output-dir") {
      if (!value(options.output_dir)) return std::nullopt;
    } else if (!arg.empty() && arg[0] == '-') {
      error = "option inconnue : " + arg;
      return std::nullopt;
    } else if (options.description_path.empty()) {
      options.description_path = arg;
    } else {
      error = "un seul fichier de description est attendu";
      return std::nullopt;
    }
  }
  if (options.inspect && !options.description_path.empty()) {
    error = "--inspect écrit une description : aucun fichier de description n'est attendu";
    return std::nullopt;
  }
  if ((options.inspect_output || options.force) && !options.inspect) {
    error = "--output et --force vont avec --inspect";
    return std::nullopt;
  }
  if (!options.help && !options.keys && !options.inspect && options.description_path.empty()) {
    error = "le fichier de description manque";
    return std::nullopt;
  }
  return options;
}

const std::string& batch_usage() {
  static const std::string kUsage =
      "Usage : talve --batch DESCRIPTION.dsc [options]\n"
      "        talve --batch --inspect EXEMPLE [--output DESCRIPTION.dsc] [--force]\n"
      "        talve --batch --keys\n"
      "\n"
      "Compile sans fenêtre les fichiers de données décrits par DESCRIPTION.dsc :\n"
      "liste des fichiers, liste horodatée, traitement, fichier résultat et suivi.\n"
      "\n"
      "La période va par défaut de la 1ère à la dernière mesure des fichiers listés\n"
      "(la plus ancienne \"date dep\" et la plus récente \"date fin\"), alignées sur le pas ;\n"
      "les premières lignes affichées disent la période prise et d'où elle vient.\n"
      "\n"
      "Options :\n"
      "  --start \"jj/mm/aaaa hh:mn:ss\"  début de la période\n"
      "  --end \"jj/mm/aaaa hh:mn:ss\"    fin de la période\n"
      "  --period donnees|dsc          sans --start ni --end : la période des fichiers listés\n"
      "                                (donnees, par défaut) ou celle du dernier traitement gardée\n"
      "                                dans la description (dsc)\n"
      "  --step hh:mn:ss               pas de temps, ou \"N jour\", \"N mois\", \"N année\"\n"
      "                                (par défaut celui du dernier traitement de la description)\n"
      "  --date-test le|lt             test des dates : (inf ou =) par défaut, ou (inf strict)\n"
      "  --data-dir DOSSIER            remplace le répertoire des données\n"
      "  --output-dir DOSSIER          remplace le répertoire de sortie (il doit exister)\n"
      "  --list-only                   seulement lister et pré-lire les fichiers : le tableau des\n"
      "                                fichiers est écrit sur la sortie standard, sans traitement\n"
      "  --inspect EXEMPLE             pour commencer sur de nouveaux fichiers : lit un fichier de\n"
      "                                données exemplaire et écrit la description qui le lit\n"
      "                                (répertoire, masque, intitulés, 1ère ligne de données,\n"
      "                                séparateur, format et colonne(s) de la date-heure), chaque\n"
      "                                correction proposée acceptée ; son chemin est la dernière ligne\n"
      "  --output DESCRIPTION.dsc      avec --inspect : où écrire la description (par défaut à côté\n"
      "                                de l'exemplaire, même nom, extension .dsc)\n"
      "  --force                       avec --inspect : remplacer une description qui existe déjà\n"
      "  --keys                        les clés du fichier de description : leur sens, leur valeur\n"
      "                                par défaut et leurs valeurs possibles\n"
      "  --help                        affiche cette aide\n"
      "\n"
      "Dates des mesures (Edit_format_datetime_mesure.text) : aaaa mm jj hh mn ss lus position par\n"
      "position ; qqq jour de l'année, ee année sur deux chiffres (69-99 : 19.., 00-68 : 20..),\n"
      "pp AM/PM, uuuuuuuuuu temps Unix, lus groupe par groupe, chiffres sans zéros acceptés ;\n"
      "une date sur plusieurs colonnes : Edit_num_col_datetime.text= 2+3+4 ; des champs entre\n"
      "guillemets : CheckBox_guillemets.Checked= true. Le détail : --keys\n";
  return kUsage;
}

std::string absolute_path(const std::string& path) {
  std::error_code ec;
  return name_as_text(std::filesystem::absolute(std::filesystem::path(file_system_path(path)), ec)
                          .lexically_normal()
                          .string());
}

}  // namespace talve
