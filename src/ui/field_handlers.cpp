// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/field_handlers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <string>
#include <string_view>
#include <vector>

#include "core/column_preview.h"
#include "core/entry_rules.h"
#include "core/field_visibility.h"
#include "session/column_listing.h"
#include "session/description_actions.h"
#include "session/session.h"
#include "text/date_pattern_fields.h"
#include "text/encoding.h"
#include "text/filename_rules.h"
#include "text/text_utils.h"

namespace talve::ui {
namespace {

QString to_qt(std::string_view cp1252) { return QString::fromStdString(cp1252_to_utf8(cp1252)); }
std::string from_qt(const QString& text) { return utf8_to_cp1252(text.toStdString()); }

// A pattern field, its picker button and its list of proposals.
struct Picker {
  const char* field;
  const char* key;
  const char* button;
  const char* list;
  bool whole_entry;  // file-name date examples are copied whole
};

constexpr Picker kPickers[] = {
    {"Edit_format_datetime_mesure", "Edit_format_datetime_mesure.text", "SpeedButton_date_heure",
     "ListBox_date_heure", false},
    {"Edit_format_date_mesure_seule", "Edit_format_date_mesure_seule.text", "SpeedButton_date",
     "ListBox_date", false},
    {"Edit_format_time_mesure_seul", "Edit_format_time_mesure_seul.text", "SpeedButton_heure",
     "ListBox_heure", false},
    {"Edit_f_date_fichier", "Edit_f_date_fichier.text", "SpeedButton_date_fic", "ListBox_date_fic", true},
};

std::vector<std::string_view> picker_entries(std::string_view list) {
  if (list == "ListBox_date_fic") return {kExemplesDateFichier.begin(), kExemplesDateFichier.end()};
  for (const PatternPicker* picker : {&date_time_picker(), &date_picker(), &time_picker()})
    if (picker->list == list) return {picker->entries.begin(), picker->entries.end()};
  return {};
}

bool is_pattern_field(const QString& name) {
  for (const Picker& picker : kPickers)
    if (name == QLatin1String(picker.field)) return true;
  return false;
}

// Keys whose change may change the column-title preview.
bool shapes_preview(std::string_view key) {
  return key == "CheckBox_col_cochee.Checked" || key == "Edit_col_cochee.text" ||
         key == "CheckBox_int_col_alternatif.Checked" || key == "Edit_new_desc_colonne.text" ||
         key == "RadioGroup_separateur_colonne_ItemIndex" || key == "RadioGroup_methode_ItemIndex";
}

class FieldHandlers : public QObject {
 public:
  FieldHandlers(QWidget* window, Session& session, FieldActions actions)
      : QObject(window), m_window(window), m_session(session), m_actions(std::move(actions)) {
    connect_entry_rules();
    connect_pickers();
    connect_options();
    listen_to_description();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  template <typename W>
  W* find(const char* name) const {
    return m_window->findChild<W*>(QString::fromLatin1(name));
  }
  DataDescription& description() { return m_session.description; }
  UserInterface& ui() { return m_session.ui(); }

  void watch(const char* name) {
    if (QWidget* widget = find<QWidget>(name)) widget->installEventFilter(this);
  }
  void on_enter(const char* name, std::function<void()> action) {
    if (auto* edit = find<QLineEdit>(name)) QObject::connect(edit, &QLineEdit::returnPressed, this, action);
  }
  // The field's current text, stored before a rule reads it, whatever the
  // order in which the binder and this handler see the edit.
  void store(const char* name, std::string_view key) {
    if (auto* edit = find<QLineEdit>(name)) {
      const std::string typed = from_qt(edit->text());
      if (description().text(key) != typed) description().set_text(key, typed);
    }
  }

  void connect_entry_rules();
  void connect_pickers();
  void connect_options();
  void listen_to_description();
  void leave_field(const QString& name);
  void toggle_picker(const Picker& picker);
  void pick(const Picker& picker, const QString& entry);
  void hide_pickers();
  bool focus_goes_to_a_picker() const;
  void refresh_correction_look();

  QWidget* m_window;
  Session& m_session;
  FieldActions m_actions;
};

void FieldHandlers::connect_entry_rules() {
  for (const char* name :
       {"Edit_col_cochee", "Edit_equiv_na", "Edit_new_desc_colonne", "Edit_masque", "Edit_num_col_datetime",
        "Edit_format_datetime_mesure", "Edit_format_time_mesure_seul", "Edit_format_date_mesure_seule",
        "Edit_f_date_fichier"})
    watch(name);
  on_enter("Edit_col_cochee", [this] {
    store("Edit_col_cochee", "Edit_col_cochee.text");
    apply_col_cochee_rule(description(), ui());
    description().mark_modified();
    // A description that cannot be written says so itself.
    static_cast<void>(write_description(m_session));
  });
  on_enter("Edit_equiv_na", [this] {
    store("Edit_equiv_na", "Edit_equiv_na.text");
    apply_equiv_na_rule(description(), ui());
  });
  on_enter("Edit_num_ligne_donnee", [this] {
    if (auto* edit = find<QLineEdit>("Edit_num_ligne_donnee"))
      confirm_data_line(description(), from_qt(edit->text()), ui());
  });
  on_enter("Edit_num_col_datetime", [this] {
    if (auto* edit = find<QLineEdit>("Edit_num_col_datetime"))
      confirm_datetime_columns(description(), from_qt(edit->text()), ui());
  });
  on_enter("Edit_new_desc_colonne", [this] {
    store("Edit_new_desc_colonne", "Edit_new_desc_colonne.text");
    description().mark_modified();
    if (m_actions.list_files) m_actions.list_files();
  });
  for (const Picker& picker : kPickers)
    on_enter(picker.field, [this, name = QString::fromLatin1(picker.field)] { leave_field(name); });
}

void FieldHandlers::connect_pickers() {
  for (const Picker& picker : kPickers) {
    if (auto* button = find<QAbstractButton>(picker.button)) {
      // Like the window's other small buttons, a picker button does not take
      // the focus: the field keeps it while its list is open.
      button->setFocusPolicy(Qt::NoFocus);
      QObject::connect(button, &QAbstractButton::clicked, this, [this, &picker] { toggle_picker(picker); });
    }
    if (auto* list = find<QListWidget>(picker.list))
      QObject::connect(list, &QListWidget::itemDoubleClicked, this,
                       [this, &picker](QListWidgetItem* item) { pick(picker, item->text()); });
  }
}

void FieldHandlers::connect_options() {
  if (auto* positive = find<QRadioButton>("RadioButton_decalage_positif"))
    QObject::connect(positive, &QRadioButton::clicked, this,
                     [this] { choose_offset_sign(description(), true); });
  if (auto* negative = find<QRadioButton>("RadioButton_decalage_negatif"))
    QObject::connect(negative, &QRadioButton::clicked, this,
                     [this] { choose_offset_sign(description(), false); });
  if (auto* delta = find<QCheckBox>("CheckBox_delta_Y"))
    QObject::connect(delta, &QCheckBox::clicked, this, [this](bool on) { check_delta_y(description(), on); });
  if (auto* derivative = find<QCheckBox>("CheckBox_derivees"))
    QObject::connect(derivative, &QCheckBox::clicked, this,
                     [this](bool on) { check_derivees(description(), on); });
  if (auto* columns = find<QAbstractButton>("Panel_button_liste_colonne"))
    QObject::connect(columns, &QAbstractButton::clicked, this, [this] { lister_colonnes_click(m_session); });
}

// Every change of the description, typed or loaded, keeps the fields that
// depend on it in step.
void FieldHandlers::listen_to_description() {
  QPointer<FieldHandlers> self(this);
  description().on_value_changed([self](std::string_view key, const std::string&) {
    if (!self) return;
    Session& session = self->m_session;
    if (key == "RadioGroup_datetime_nb_col_ItemIndex") show_date_fields(session);
    if (key == "RadioGroup_numlig_balise_ItemIndex") show_data_block_fields(session);
    if (key == "RadioGroup_avec_sans_intitule_ItemIndex") show_title_line_field(session);
    if (key == "CheckBox_decalage_actif.Checked" || key == "CheckBox_derive_active.Checked")
      self->refresh_correction_look();
    if (shapes_preview(key)) refresh_column_preview(session);
  });
  refresh_correction_look();
}

bool FieldHandlers::eventFilter(QObject* watched, QEvent* event) {
  const QString name = watched->objectName();
  switch (event->type()) {
    case QEvent::KeyPress:
      if (name == "Edit_masque") {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() == 1 && !mask_accepts_key(typed.at(0).toLatin1())) return true;
      }
      break;
    case QEvent::FocusIn:
    case QEvent::MouseButtonPress:
      if (is_pattern_field(name)) hide_pickers();
      break;
    case QEvent::MouseButtonDblClick:
      if (name == "Edit_new_desc_colonne") {
        offer_original_titles(description(), m_session.caption("Edit_intitule_origine"), ui());
        return true;
      }
      break;
    case QEvent::FocusOut: {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      // A dialog or another window taking the focus is not the user leaving
      // the field.
      if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
      if (focus_goes_to_a_picker()) break;
      leave_field(name);
      break;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void FieldHandlers::leave_field(const QString& name) {
  if (name == "Edit_col_cochee") {
    store("Edit_col_cochee", "Edit_col_cochee.text");
    apply_col_cochee_rule(description(), ui());
  } else if (name == "Edit_equiv_na") {
    store("Edit_equiv_na", "Edit_equiv_na.text");
    apply_equiv_na_rule(description(), ui());
  } else if (name == "Edit_new_desc_colonne") {
    store("Edit_new_desc_colonne", "Edit_new_desc_colonne.text");
    // New titles take effect through a new listing only.
    if (description().modified() && m_actions.list_files) m_actions.list_files();
  } else if (name == "Edit_format_datetime_mesure" || name == "Edit_format_time_mesure_seul") {
    store("Edit_format_datetime_mesure", "Edit_format_datetime_mesure.text");
    store("Edit_format_time_mesure_seul", "Edit_format_time_mesure_seul.text");
    leave_datetime_pattern(description(), ui());
    QApplication::restoreOverrideCursor();
  } else if (name == "Edit_num_col_datetime") {
    if (auto* edit = find<QLineEdit>("Edit_num_col_datetime"))
      confirm_datetime_columns(description(), from_qt(edit->text()), ui());
  } else if (name == "Edit_format_date_mesure_seule") {
    store("Edit_format_date_mesure_seule", "Edit_format_date_mesure_seule.text");
    leave_date_pattern(description(), ui());
  } else if (name == "Edit_f_date_fichier") {
    store("Edit_f_date_fichier", "Edit_f_date_fichier.text");
    leave_file_date_pattern(description(), ui());
  }
}

void FieldHandlers::toggle_picker(const Picker& picker) {
  auto* list = find<QListWidget>(picker.list);
  auto* field = find<QLineEdit>(picker.field);
  if (!list || !field) return;
  const bool open = !list->isVisible();
  hide_pickers();
  if (!open) return;
  if (list->count() == 0)
    for (std::string_view entry : picker_entries(picker.list)) list->addItem(to_qt(entry));
  // To the right of the field's row, three pixels away, kept on the window.
  QWidget* surface = list->parentWidget();
  const QPoint corner = field->mapTo(surface, QPoint(field->width() + 3, 0));
  const int left = std::min(corner.x() + 30, surface->width() - list->width());
  const int top = std::min(corner.y(), surface->height() - list->height());
  list->move(std::max(0, left), std::max(0, top));
  const std::string current = description().text(picker.key);
  list->setCurrentRow(-1);
  for (int i = 0; i < list->count(); ++i)
    if (const std::string entry = from_qt(list->item(i)->text());
        entry == current || picked_text(entry) == current)
      list->setCurrentRow(i);
  list->show();
  list->raise();
}

void FieldHandlers::pick(const Picker& picker, const QString& entry) {
  std::string value = from_qt(entry);
  if (!picker.whole_entry) value = trim(value.substr(0, value.find('(')));
  description().set_text(picker.key, value);
  if (auto* field = find<QLineEdit>(picker.field); field && from_qt(field->text()) != value)
    field->setText(to_qt(value));
  hide_pickers();
  if (auto* field = find<QLineEdit>(picker.field)) field->setFocus(Qt::OtherFocusReason);
}

void FieldHandlers::hide_pickers() {
  for (const Picker& picker : kPickers)
    if (auto* list = find<QListWidget>(picker.list)) list->hide();
}

bool FieldHandlers::focus_goes_to_a_picker() const {
  const QWidget* next = QApplication::focusWidget();
  for (const Picker& picker : kPickers)
    if (next && next->objectName() == QLatin1String(picker.list)) return true;
  return false;
}

// Checked, the offset (or drift) fields take the field colour and their
// labels turn maroon, the times in bold; unchecked, they turn light grey and
// their labels grey. The fields stay editable.
void FieldHandlers::refresh_correction_look() {
  struct Group {
    const char* key;
    std::vector<const char*> fields;
    std::vector<const char*> labels;
  };
  const Group groups[] = {
      {"CheckBox_decalage_actif.Checked",
       {"SpinEdit_decalage_jour", "TimePicker_decalage"},
       {"Label_decalage_jour"}},
      {"CheckBox_derive_active.Checked",
       {"TimePicker_derive_erronee", "TimePicker_derive_reelle", "DateTimePicker_debut_derive",
        "DateTimePicker_constat_derive"},
       {"Label_derive_erronee", "Label_derive_reelle", "Label_debut_derive", "Label_constat_derive"}},
  };
  const Rgb& field_colour = m_session.colours.field;
  for (const Group& group : groups) {
    const bool on = description().checked(group.key);
    for (const char* name : group.fields) {
      auto* field = find<QWidget>(name);
      if (!field) continue;
      QPalette palette = field->palette();
      palette.setColor(QPalette::Base, on ? QColor(field_colour.red, field_colour.green, field_colour.blue)
                                          : QColor(240, 240, 230));
      field->setPalette(palette);
      QFont font = field->font();
      font.setBold(on && std::string_view(name) != "SpinEdit_decalage_jour");
      field->setFont(font);
    }
    for (const char* name : group.labels) {
      auto* label = find<QLabel>(name);
      if (!label) continue;
      QPalette palette = label->palette();
      palette.setColor(QPalette::WindowText, on ? QColor(128, 0, 0) : QColor(Qt::gray));
      label->setPalette(palette);
    }
  }
}

}  // namespace

void install_field_handlers(QWidget* window, Session& session, FieldActions actions) {
  new FieldHandlers(window, session, std::move(actions));
}

}  // namespace talve::ui
