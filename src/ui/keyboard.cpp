// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/keyboard.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMainWindow>
#include <QTableView>
#include <algorithm>

#include "session/listing.h"
#include "session/modified_indication.h"
#include "session/session.h"
#include "session/table_editing.h"
#include "text/date_columns.h"
#include "ui/settings_binder.h"
#include "ui/window_interface.h"

namespace talve::ui {
namespace {

// Enter in one of these fields, while the description is modified, lists
// the files again.
constexpr const char* kRelistingFields[] = {"Edit_masque",         "Edit_NA",
                                            "Edit_nb_decimale",    "Edit_intitule_origine",
                                            "Edit_nom_fic_sortie", "Edit_num_ligne_intitule_col",
                                            "Edit_f_station",      "Edit_num_col_date",
                                            "Edit_num_col_time",   "Edit_num_col_datetime"};

}  // namespace

KeyboardRules::KeyboardRules(QMainWindow* window, Session& session, WindowInterface& ui,
                             SettingsBinder& binder, Links links)
    : QObject(window), m_window(window), m_session(session), m_ui(ui), m_links(std::move(links)) {
  add_enter_rules(binder);
  qApp->installEventFilter(this);
}

KeyboardRules::~KeyboardRules() { qApp->removeEventFilter(this); }

// The rules of `Edit_col_cochee` and `Edit_num_ligne_donnee` on Enter are
// the field handlers' (ui/field_handlers.h).
void KeyboardRules::add_enter_rules(SettingsBinder& binder) {
  for (const char* field : kRelistingFields)
    binder.on_enter(field, [this, field] {
      if (!m_session.description.modified() || m_session.flags.busy || m_session.flags.running) return;
      // A malformed list of date-time columns is refused by its own rule,
      // which says why: no listing with it.
      if (std::string_view(field) == "Edit_num_col_datetime" &&
          !read_date_columns(m_session.description.text("Edit_num_col_datetime.text")))
        return;
      relister_apres_entree(m_session);
      m_links.after_action();
    });
}

bool KeyboardRules::in_main_window(const QObject* watched) const {
  const auto* widget = qobject_cast<const QWidget*>(watched);
  return widget && widget->window() == m_window;
}

QWidget* KeyboardRules::floating_panel_of(const QObject* watched) const {
  for (auto* widget = qobject_cast<QWidget*>(const_cast<QObject*>(watched)); widget;
       widget = widget->parentWidget())
    if (m_links.floating_panels.contains(widget->objectName()) && widget->isVisible()) return widget;
  return nullptr;
}

void KeyboardRules::delete_selected_rows() {
  auto* table = m_window->findChild<QTableView*>("StringGrid1");
  if (!table || !table->selectionModel()) return;
  const QModelIndexList rows = table->selectionModel()->selectedRows();
  if (rows.isEmpty()) return;
  const auto [low, high] = std::minmax_element(
      rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  // Model row r is the table's row r + 1 (the title row is the header).
  // Refused or removed, the table the model shows says which.
  static_cast<void>(effacer_selection(m_session, RowRange{low->row() + 1, high->row() + 1}));
  m_links.after_action();
}

bool KeyboardRules::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      // A key the rules act on is consumed; another one goes on to its
      // control (and to the parents that control leaves it to).
      auto* key = static_cast<QKeyEvent*>(event);
      // Any key, wherever it goes, ends the countdown.
      if (m_session.shutdown_countdown.running()) m_session.shutdown_countdown.key_pressed();
      if (QApplication::activeModalWidget() || !in_main_window(watched)) break;
      const bool busy = m_session.flags.busy || m_session.flags.running;
      if (key->key() == Qt::Key_Escape) {
        if (QWidget* panel = floating_panel_of(watched)) {
          panel->hide();
          return true;
        }
        if (!busy) m_links.quit();
        return true;
      }
      if (key->key() == Qt::Key_Delete && !busy && watched->objectName() == "StringGrid1") {
        delete_selected_rows();
        return true;
      }
      break;
    }
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
      if (in_main_window(watched)) refresh_save_colours(m_session);
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace talve::ui
