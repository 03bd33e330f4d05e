// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/workflow_buttons.h"

#include <QAbstractButton>

#include "session/clipboard_import.h"
#include "session/description_actions.h"
#include "session/listing.h"
#include "session/period_edits.h"
#include "session/processing_run.h"
#include "session/result_writing.h"
#include "session/sample_description.h"
#include "session/session.h"
#include "ui/notice_panel.h"
#include "ui/outside_programs.h"
#include "ui/sound_player.h"
#include "ui/text_edge.h"
#include "ui/tracking_window.h"
#include "ui/window_interface.h"

namespace talve::ui {

WorkflowButtons::WorkflowButtons(QWidget* surface, Session& session, WindowInterface& ui, Links links)
    : QObject(surface), m_surface(surface), m_session(session), m_ui(ui), m_links(std::move(links)) {
  Session& s = m_session;
  // Each step tells its own failures in its boxes and the tracking window;
  // the window then shows the state the session is left in, so the
  // outcomes are not needed here.
  on_click("SpeedButton_lister", [this, &s] {
    m_links.tracking->set_size(TrackingWindow::Size::Small);
    static_cast<void>(lister_click(s));
  });
  on_click("SpeedButton_creer_listes_date_clean",
           [&s] { static_cast<void>(creer_liste_horodatee_click(s)); });
  on_click("SpeedButton_traiter_fichier", [this, &s] {
    m_links.tracking->set_size(TrackingWindow::Size::Large);
    static_cast<void>(traiter_fichier_click(s));
    m_links.notice->follow_countdown();
  });
  on_click(
      "SpeedButton_stop", [&s] { static_cast<void>(stop_click(s)); }, true);
  on_click("SpeedButton_enregistrer", [&s] { sauver_click(s); });
  on_click("SpeedButton_sans_coldate", [&s] { sans_coldate_click(s); });
  on_click("SpeedButton_edit", [&s] { editer_click(s); });
  on_click("SpeedButton_suivi", [&s] { fichier_suivi_click(s); });
  on_click("SpeedButton_desc_bd", [&s] { choose_description(s); });
  on_click("SpeedButton_presse_papier", [&s] { presse_papier_click(s); });
  on_click("SpeedButton_choix_fic_donnee", [&s] { choix_fic_donnee_click(s); });
  on_click("SpeedButton_Enregistrer_dsc", [&s] { save_description(s); });
  on_click("SpeedButton_enreg_description", [&s] { save_description_as(s); });
  on_click("SpeedButton_nouveau_dsc", [&s] { new_description(s); });
  on_click("SpeedButton_fichiers_sortie", [&s] { fichiers_sortie_click(s); });
  on_click("SpeedButton_exit2", [this] { m_links.quit(); });
  // The manual, the update page and the signal: outside programs and the
  // sound output, nothing of the session.
  on_click("SpeedButton_help", [this] { open_manual(m_ui); });
  on_click("SpeedButton_url", [this] { open_update_page(m_ui); });
  // Asked for by the user, a signal that cannot be heard is said, in the
  // tracking window only (the end-of-run signal stays silent then).
  on_click("SpeedButton_test_son", [this, &s] {
    if (play_signal()) return;
    s.ajout_suivi(
        from_qstring(QStringLiteral(" test son : aucune sortie audio, le signal n'a pas pu être joué")));
    m_links.tracking->show();
  });
}

void WorkflowButtons::on_click(const char* button, std::function<void()> action, bool while_busy) {
  auto* widget = m_surface->findChild<QAbstractButton*>(QString::fromLatin1(button));
  if (!widget) {
    qWarning("talve: no button named %s in the window", button);
    return;
  }
  connect(widget, &QAbstractButton::clicked, this, [this, action = std::move(action), while_busy] {
    if (!while_busy && m_session.busy()) return;
    action();
    m_links.after_action();
  });
}

}  // namespace talve::ui
