// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/setting_help.h"

#include <array>

namespace talve {
namespace {

constexpr std::string_view kLine = "numéro de ligne, à partir de 1";
constexpr std::string_view kColumn = "numéro de colonne, à partir de 1";
constexpr std::string_view kBound = "nombre, ou vide pour aucune limite";
constexpr std::string_view kCaption = "jj/mm/aaaa hh:mn:ss";

// In the order of the settings table; a section heads each of its groups.
constexpr std::array<SettingHelp, 69> kHelp = {{
    {"dossier_choisi", "Dossiers", "dossier des fichiers de données à lister", {}},
    {"dossier_choisi_sortie",
     {},
     "dossier où sont écrits le fichier résultat et son fichier de suivi ; il doit exister",
     {}},
    {"dossier_description",
     {},
     "dossier des fichiers de description (sans fenêtre : celui du fichier de description lu)",
     {}},

    {"Edit_masque.text", "Disposition des fichiers de données",
     "extension des fichiers de données à lister, sans différence entre majuscules et minuscules "
     "(\"xls\", \"xlsx\" ou \"ods\" désigne un classeur lu par LibreOffice, \"ppp\" le presse-papier)",
     "extension : csv, dat, txt..."},
    {"RadioGroup_separateur_colonne_ItemIndex",
     {},
     "séparateur des colonnes des fichiers de données ; une ligne qui commence par le séparateur a un 1er "
     "champ vide quand la ligne des intitulés ne commence pas par lui (ses valeurs restent sous leurs "
     "intitulés), sinon ce 1er séparateur est sauté",
     {}},
    {"RadioGroup_DECIMAL_SEPARATOR_entree_ItemIndex",
     {},
     "séparateur décimal des fichiers de données (gardé pour mémoire : le point et la virgule sont lus "
     "tous les deux)",
     {}},
    {"RadioGroup_avec_sans_intitule_ItemIndex",
     {},
     "les fichiers ont-ils une ligne d'intitulés de colonnes",
     {}},
    {"Edit_num_ligne_intitule_col.text", {}, "n° de la ligne des intitulés de colonnes", kLine},
    {"RadioGroup_numlig_balise_ItemIndex",
     {},
     "comment les données sont trouvées : par le n° de leur 1ère ligne, ou entre une balise de début et "
     "une balise de fin",
     {}},
    {"Edit_num_ligne_donnee.text",
     {},
     "n° de la 1ère ligne de données (avec des balises, compté depuis la ligne de la balise de début, "
     "qui est la ligne n°1)",
     kLine},
    {"Edit_balise_deb.text",
     {},
     "balise de début : le début de la ligne qui devient la ligne n°1 (avec des balises)",
     "texte"},
    {"Edit_balise_fin.text",
     {},
     "balise de fin : le début de la ligne qui suit les dernières données",
     "texte"},
    {"CheckBox_car_null.Checked",
     {},
     "les fichiers peuvent contenir des caractères illisibles (octets nuls, caractères de contrôle)",
     {}},
    {"CheckBox_guillemets.Checked",
     {},
     "champs entre guillemets : un champ écrit entre guillemets (\"49\", \"Temp, °C\") est le texte "
     "entre eux, le séparateur qu'il contient ne coupe pas la colonne et deux guillemets de suite y "
     "valent un guillemet ; valeurs, dates et intitulés sont lus ainsi. Une ligne dont un guillemet "
     "n'est pas fermé, ou se trouve au milieu d'un champ, est une ligne à problème. Absente : les "
     "guillemets sont des caractères comme les autres",
     {}},
    {"Edit_num_feuille_excel.text", {}, "n° de la feuille lue dans un classeur", "nombre, à partir de 1"},
    {"Label_nom_fic_excel.caption", {}, "nom du dernier classeur lu (écrit par le programme)", "texte"},
    {"Label_nom_feuille.caption", {}, "nom de la dernière feuille lue (écrit par le programme)", "texte"},

    {"RadioGroup_datetime_nb_col_ItemIndex",
     "Dates et heures des mesures",
     "la date et l'heure des mesures sont-elles dans une colonne ou dans deux",
     {}},
    {"Edit_num_col_datetime.text",
     {},
     "n° de la colonne de la date-heure (une colonne) ; une date-heure écrite sur plusieurs colonnes donne "
     "leurs n° joints par \"+\", dans l'ordre du format (2+3+4 : année, jour de l'année et HHMM en "
     "colonnes 2, 3 et 4, lus ensemble, séparés d'un blanc, par le format \"aaaa_qqq_hhmn\") ; ces colonnes "
     "ne sont pas reprises dans le résultat",
     "numéro de colonne à partir de 1, ou plusieurs joints par \"+\" : 2+3+4"},
    {"Edit_format_datetime_mesure.text",
     {},
     "format de la date-heure (une colonne), position par position : aaaa année, 20aa année sur deux "
     "chiffres, mm mois, jj jour, hh heure, mn minutes, ss secondes, zzzzzz décalage UTC (\"+01:00\", "
     "\"-05:00\" ou \"Z\") pour placer chaque instant en UTC ; tout autre caractère saute un caractère. "
     "Groupes lus groupe par groupe, chacun sur sa suite de chiffres, les chiffres sans zéros devant "
     "acceptés : qqq jour de l'année (1 à 366), ee année sur deux chiffres n'importe où (69 à 99 : 1969 à "
     "1999, 00 à 68 : 2000 à 2068), pp AM/PM d'une horloge sur 12 heures (12 AM = 0 h, 12 PM = 12 h), "
     "uuuuuuuuuu temps Unix (secondes depuis le 01/01/1970 00:00:00 UTC). Avec les autres groupes, une "
     "valeur écrite sans les zéros des jours, mois ou heures (\"1/5/2022 1:15\") se lit aussi groupe par "
     "groupe ; des groupes accolés sans séparateur (hhmn) se lisent sur une seule suite de chiffres, "
     "complétée de zéros devant (\"5\" = 00:05, \"2200\" = 22:00). L'heure 24 (24, 24:00, 2400) est le "
     "minuit qui termine la journée ; un format sans heure (date seule : aaaammjj, jj_mm_aaaa) donne "
     "00:00:00, sans minutes 00 ; deux-chiffres 19aa / 20aa : le siècle écrit dans le format",
     {}},
    {"Edit_num_col_date.text", {}, "n° de la colonne de la date (deux colonnes)", kColumn},
    {"Edit_format_date_mesure_seule.text",
     {},
     "format de la date (deux colonnes) ; lu avec le format de l'heure, joints par un blanc, comme le format "
     "de la date-heure (aaaa_mm_jj, aaaammjj, aaaa_qqq, mm_jj_ee...)",
     {}},
    {"Edit_num_col_time.text", {}, "n° de la colonne de l'heure (deux colonnes)", kColumn},
    {"Edit_format_time_mesure_seul.text",
     {},
     "format de l'heure (deux colonnes) : hh_mn_ss, hh_mn, hhmn (2200, ou 5 pour 00:05), hh (heure seule, 1 "
     "à 24), hh_mn_ss_pp (horloge sur 12 heures)",
     {}},

    {"CheckBox_recursif.Checked",
     "Noms de fichiers et liste",
     "lister aussi les fichiers des sous-dossiers du dossier des données",
     {}},
    {"CheckBox_prelire_tous.Checked",
     {},
     "pré-lire tous les fichiers listés (sans fenêtre, ils le sont toujours)",
     {}},
    {"Edit_f_station.text",
     {},
     "nom de la station pris dans le nom des fichiers : n° du morceau séparé par \"_\" (1 donne kervel "
     "pour kervel_20240301.csv)",
     "n° de morceau, éventuellement suivi d'un masque : 2(xxxx00)"},
    {"Edit_f_date_fichier.text",
     {},
     "format d'une date écrite dans le nom des fichiers (facultatif)",
     "format, ou vide"},

    {"CheckBox_col_cochee.Checked",
     "Colonnes, intitulés et valeurs manquantes",
     "n'extraire que les colonnes de Edit_col_cochee.text (la date est toujours gardée)",
     {}},
    {"Edit_col_cochee.text", {}, "n° des colonnes à extraire", "liste : 4,5,7"},
    {"CheckBox_int_col_alternatif.Checked",
     {},
     "remplacer les intitulés des colonnes par ceux de Edit_new_desc_colonne.text",
     {}},
    {"Edit_new_desc_colonne.text",
     {},
     "intitulés de remplacement, un par colonne du fichier, date comprise",
     "liste séparée par \",\", \";\" ou une tabulation"},
    {"Edit_equiv_na.text",
     {},
     "valeurs qui signifient \"mesure manquante\" dans les fichiers (7 au plus)",
     "liste séparée par \";\""},
    {"Edit_min_na.text", {}, "valeur minimale valide : une mesure plus petite est manquante", kBound},
    {"Edit_max_na.text", {}, "valeur maximale valide : une mesure plus grande est manquante", kBound},
    {"Edit_NA.text", {}, "texte écrit dans le résultat pour une valeur manquante", "texte"},

    {"RadioGroup_methode_ItemIndex",
     "Calcul et corrections",
     "calcul de chaque ligne du résultat à partir des mesures de son intervalle",
     {}},
    {"Edit_methode_par_colonne.text",
     {},
     "méthodes propres à certaines colonnes, les autres gardant RadioGroup_methode_ItemIndex : des groupes "
     "séparés par \";\", chacun le nom d'une méthode, \":\" et des n° de colonnes du fichier (numérotées "
     "comme dans Edit_col_cochee.text) ; méthodes : moyenne, ponctuel, max, min, moy_si_vide, cumul (total "
     "courant de ligne en ligne) et somme (total de chaque intervalle) ; l'intitulé d'une colonne dont la "
     "méthode diffère la porte entre parenthèses (Pluie_mm(somme)) ; vide : la même méthode partout",
     "liste : somme:40;max:32,33 (pluie totale de chaque intervalle en colonne 40, rafales maximales en 32 "
     "et 33)"},
    {"Edit_taux_min.text",
     {},
     "part minimale de mesures par intervalle : une ligne n'a de valeurs que si son intervalle a reçu au "
     "moins ce pourcentage des mesures attendues (sa durée divisée par le pas le plus fréquent entre deux "
     "mesures des fichiers) ; sinon ses valeurs sont manquantes, nb garde le nombre de mesures et le suivi "
     "compte les valeurs écartées ; vide ou 0 : aucune part exigée",
     "pourcentage entier de 0 à 100 : 75 (au pas d'une heure, au moins 3 mesures sur 4 quand les fichiers "
     "mesurent tous les quarts d'heure, 45 sur 60 quand ils mesurent chaque minute)"},
    {"CheckBox_correction_si_t1egalt2.Checked",
     {},
     "un instant égal au précédent est avancé d'une seconde (instant répété)",
     {}},
    {"CheckBox_correction_si_t1supt2.Checked",
     {},
     "un instant antérieur au précédent est avancé d'un jour (horloge qui n'a pas changé de jour à "
     "minuit)",
     {}},
    {"CheckBox_decalage_actif.Checked", {}, "décaler tous les instants de mesure de TimePicker_decalage", {}},
    {"TimePicker_decalage", {}, "décalage des instants de mesure", {}},
    {"RadioButton_decalage_positif.Checked", {}, "décalage vers l'avant", {}},
    {"RadioButton_decalage_negatif.Checked", {}, "décalage vers l'arrière", {}},
    {"CheckBox_derive_active.Checked",
     {},
     "corriger une dérive d'horloge qui croît régulièrement depuis DateTimePicker_debut_derive",
     {}},
    {"TimePicker_derive_erronee", {}, "heure lue sur l'horloge au constat de la dérive", {}},
    {"TimePicker_derive_reelle", {}, "heure vraie au constat de la dérive", {}},
    {"DateTimePicker_debut_derive", {}, "début de la dérive", {}},
    {"DateTimePicker_constat_derive", {}, "date du constat de la dérive", {}},
    {"CheckBox_cumul_corriger.Checked", {}, "forcer la croissance des valeurs cumulées (compteurs)", {}},
    {"CheckBox_delta_Y.Checked", {}, "écrire y(i) - y(i-1) au lieu de y", {}},
    {"CheckBox_derivees.Checked", {}, "écrire [y(i) - y(i-1)] / pas au lieu de y", {}},
    {"CheckBox_post_traitement.Checked", {}, "combler linéairement les lacunes courtes du résultat", {}},
    {"Edit_nmax_lacune.text", {}, "longueur maximale des lacunes comblées", "nombre de lignes"},
    {"CheckBox_marquer_origine.Checked",
     {},
     "écrire à droite de chaque colonne de valeurs une colonne <intitulé>_origine qui dit d'où vient chaque "
     "valeur : M mesurée, C comblée (par CheckBox_post_traitement ou la méthode moy_si_vide), F corrigée par "
     "la croissance forcée des cumuls, N manquante",
     {}},

    {"Edit_nom_fic_sortie.text", "Fichier résultat",
     "nom du fichier résultat (\".txt\" ajouté sans extension) ; \"#\" est remplacé par la durée du "
     "traitement, \"§\" par la période",
     "texte"},
    {"CheckBox_inc_nom.Checked",
     {},
     "ajouter (1), (2)... au nom plutôt que d'écraser un résultat existant",
     {}},
    {"Edit_nb_decimale.text", {}, "nombre de décimales écrites", "nombre"},
    {"RadioGroup_DECIMAL_SEPARATOR_sortie_ItemIndex", {}, "séparateur décimal du résultat", {}},
    {"RadioGroup_separateur_sortie_ItemIndex", {}, "séparateur des colonnes du résultat", {}},

    {"Label_min_dsc.caption", "Période du dernier traitement",
     "début de la période du dernier traitement (sans fenêtre : pris avec --period dsc)", kCaption},
    {"Label_max_dsc.caption",
     {},
     "fin de la période du dernier traitement (sans fenêtre : pris avec --period dsc)",
     kCaption},
    {"Label_pas_dsc.caption", {}, "pas du dernier traitement : le pas par défaut sans fenêtre", "hh:mn:ss"},

    {"CheckBox_aide_flottante.Checked", "Fenêtre et outils", "aide flottante de la fenêtre", {}},
    {"RadioGroup_coul_nb.ItemIndex", {}, "couleurs de la fenêtre", {}},
    {"Edit_name_prog_blocnote.text",
     {},
     "éditeur de texte qui ouvre les fichiers depuis la fenêtre",
     "programme"},
    {"suite_coche_liste_graph",
     {},
     "séries cochées dans la fenêtre des graphiques (écrit par le programme)",
     "texte"},
    {"suite_coche_liste_graph_deriv",
     {},
     "séries dérivées cochées dans la fenêtre des graphiques (écrit par le programme)",
     "texte"},
}};

}  // namespace

const SettingHelp* setting_help(std::string_view key) {
  for (const SettingHelp& help : kHelp)
    if (help.key == key) return &help;
  return nullptr;
}

}  // namespace talve
