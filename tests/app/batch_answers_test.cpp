// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_answers.h"

#include <gtest/gtest.h>

#include "app/batch_progress.h"

namespace talve {
namespace {

struct AnswerCase {
  ButtonSet buttons;
  const char* text;
  Answer answer;
};

// The work goes on with the description unchanged.
TEST(BatchAnswers, OneAnswerForEveryQuestion) {
  const AnswerCase cases[] = {
      {kYesNo, "\n\nLe nombre de lignes à générer est supérieur à 32000     .\n\n   continuer ? ",
       Answer::Yes},
      {kYesNo, "Le décalage des dates de mesure n'est pas nul\n\n   + 1 j 00:00:00\n\n   continuer ? ",
       Answer::Yes},
      {kYesNo, "/out\n\n Le fichier  res.txt\n\n   existe déjà\n\n => écraser ?", Answer::Yes},
      {kYesNo, "Problème de date : vérifier le n° de la colonne Date \n\n Annuler ce traitement ?",
       Answer::No},
      {kYesNo, " Il faudrait choisir l'option <max des n  mesures OK > \n ...\n\n   annuler pour modifier ? ",
       Answer::No},
      {kYesNo, " le test sur les dates devrait être (inf strict)\n\n   corriger cette option (Oui / Non)",
       Answer::No},
      {kYesNoCancel, "--- PAR JOUR ---\n\n     corriger     (Oui)\n\n     continuer    (Non)", Answer::No},
      {kYesNo, " Le fichier  Temporaire.dsc est temporaire\n\n L'enregistrer avec un nom finalisé ?",
       Answer::No},
      {kYesCancel, "la ligne n°1 semble correspondre à des intitulés de colonnes..", Answer::Cancel},
      {kYes | kOk, "1- Valider et LISTER\n\n Juste stopper le traitement ===> ( Ok )", Answer::Ok},
      {kOkButton, "aucun fichier ne correspond au filtre <csv>", Answer::Ok},
      {kCancel, " le presse papier ne contient que 3 octets", Answer::Cancel},
      {kYes, "pas de colonne de mesure", Answer::Yes},
  };
  for (const AnswerCase& c : cases) EXPECT_EQ(batch_answer(c.buttons, c.text), c.answer) << c.text;
}

TEST(BatchProgress, LineText) {
  EXPECT_EQ(BatchProgress::line(3, 10, 420, 1000, 12345.4), "  fichiers 3/10   42 %   12 345 lignes/s");
  EXPECT_EQ(BatchProgress::line(0, 1, 0, 0, 0), "  fichiers 0/1   0 %   0 lignes/s");
}

}  // namespace
}  // namespace talve
