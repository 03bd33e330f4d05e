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
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <string>
#include <string_view>
#include <vector>

#include "core/entry_rules.h"
#include "core/picker_text.h"
#include "session/column_listing.h"
#include "session/field_entries.h"
#include "session/modified_indication.h"
#include "session/sample_description.h"
#include "session/session.h"
#include "text/encoding.h"
#include "ui/panel_placement.h"

namespace talve::ui {
namespace {

QString to_qt(std::string_view cp1252) { return QString::fromStdString(cp1252_to_utf8(cp1252)); }
std::string from_qt(const QString& text) { return utf8_to_cp1252(text.toStdString()); }

// A pattern field, its picker button and its list of proposals.
struct Picker {
  const char* field;
  const char* button;
  const char* list;
};

constexpr Picker kPickers[] = {
    {"Edit_format_datetime_mesure", "SpeedButton_date_heure", "ListBox_date_heure"},
    {"Edit_format_date_mesure_seule", "SpeedButton_date", "ListBox_date"},
    {"Edit_format_time_mesure_seul", "SpeedButton_heure", "ListBox_heure"},
    {"Edit_f_date_fichier", "SpeedButton_date_fic", "ListBox_date_fic"},
};

bool is_pattern_field(const QString& name) {
  for (const Picker& picker : kPickers)
    if (name == QLatin1String(picker.field)) return true;
  return false;
}

class FieldHandlers : public QObject {
 public:
  FieldHandlers(QWidget* window, Session& session, FieldActions actions)
      : QObject(window), m_window(window), m_session(session), m_actions(std::move(actions)) {
    connect_entry_rules();
    connect_pickers();
    connect_options();
    follow_correction_choices();
    watch_file_text();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  template <typename W>
  W* find(const char* name) const {
    return m_window->findChild<W*>(QString::fromLatin1(name));
  }
  DataDescription& description() { return m_session.description; }

  void connect_entry_rules();
  void connect_pickers();
  void connect_options();
  void follow_correction_choices();
  void watch_file_text();
  void follow_up(FieldFollowUp next);
  void leave_field(QLineEdit* field);
  void toggle_picker(const Picker& picker);
  void pick(const Picker& picker, const QString& entry);
  void hide_pickers();
  bool focus_goes_to_a_picker() const;
  void refresh_correction_look();

  QWidget* m_window;
  Session& m_session;
  FieldActions m_actions;
  // Where the file's whole text (`Memo1`) and its preview (`Memo6`) take
  // their mouse clicks.
  QWidget* m_whole_text = nullptr;
  QWidget* m_preview = nullptr;
};

// The double-clicks of the file's text, which reach the areas' viewports.
void FieldHandlers::watch_file_text() {
  if (auto* whole = find<QPlainTextEdit>("Memo1")) m_whole_text = whole->viewport();
  if (auto* preview = find<QPlainTextEdit>("Memo6")) m_preview = preview->viewport();
  for (QWidget* view : {m_whole_text, m_preview})
    if (view) view->installEventFilter(this);
}

// Enter and leaving are the session's rules; the window says which field
// and what it holds.
void FieldHandlers::connect_entry_rules() {
  for (const std::string_view name : fields_with_entry_rules()) {
    auto* field = m_window->findChild<QLineEdit*>(QString::fromLatin1(name.data(), qsizetype(name.size())));
    if (!field) {
      qWarning("talve: no field named %.*s in the window", static_cast<int>(name.size()), name.data());
      continue;
    }
    field->installEventFilter(this);
    QObject::connect(field, &QLineEdit::returnPressed, this, [this, field, name] {
      follow_up(field_confirmed(m_session, name, from_qt(field->text())));
    });
  }
}

void FieldHandlers::follow_up(FieldFollowUp next) {
  if (next == FieldFollowUp::list_files && m_actions.list_files)
    m_actions.list_files();
  else if (m_actions.after_action)
    m_actions.after_action();
}

void FieldHandlers::leave_field(QLineEdit* field) {
  const std::string name = field->objectName().toStdString();
  follow_up(field_left(m_session, name, from_qt(field->text())));
  // The pattern rules may leave the hourglass of a box behind them.
  if (is_pattern_field(field->objectName())) QApplication::restoreOverrideCursor();
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

// The offset and drift fields look active or not after their check boxes,
// whatever changed them.
void FieldHandlers::follow_correction_choices() {
  QPointer<FieldHandlers> self(this);
  description().on_value_changed([self](std::string_view key, const std::string&) {
    if (self && (key == "CheckBox_decalage_actif.Checked" || key == "CheckBox_derive_active.Checked"))
      self->refresh_correction_look();
  });
  refresh_correction_look();
}

bool FieldHandlers::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick && watched &&
      (watched == m_whole_text || watched == m_preview)) {
    if (watched == m_preview)
      memo6_double_click(m_session);
    else
      memo1_double_click(m_session);
    return true;
  }
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
      if (field_double_clicked(m_session, name.toStdString())) {
        follow_up(FieldFollowUp::none);
        return true;
      }
      break;
    case QEvent::FocusOut: {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      // A dialog or another window taking the focus is not the user leaving
      // the field.
      if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
      if (focus_goes_to_a_picker()) break;
      if (auto* field = qobject_cast<QLineEdit*>(watched)) leave_field(field);
      break;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void FieldHandlers::toggle_picker(const Picker& picker) {
  auto* list = find<QListWidget>(picker.list);
  auto* field = find<QLineEdit>(picker.field);
  if (!list || !field) return;
  const bool open = !list->isVisible();
  hide_pickers();
  if (!open) return;
  if (list->count() == 0)
    for (std::string_view entry : pattern_list_entries(picker.list)) list->addItem(to_qt(entry));
  // To the right of the field's row, three pixels away, kept on the window.
  QWidget* surface = list->parentWidget();
  const QPoint corner = field->mapTo(surface, QPoint(field->width() + 3, 0));
  const int left = std::min(corner.x() + 30, surface->width() - list->width());
  const int top = std::min(corner.y(), surface->height() - list->height());
  list->move(std::max(0, left), std::max(0, top));
  const std::string current = description().text(std::string(picker.field) + ".text");
  list->setCurrentRow(-1);
  for (int i = 0; i < list->count(); ++i)
    if (const std::string entry = from_qt(list->item(i)->text());
        entry == current || pattern_list_choice(picker.list, entry) == current)
      list->setCurrentRow(i);
  list->show();
  list->raise();
  bring_into_view(list);
}

void FieldHandlers::pick(const Picker& picker, const QString& entry) {
  const std::string value = pattern_list_choice(picker.list, from_qt(entry));
  description().set_text(std::string(picker.field) + ".text", value);
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
  // Their colours are the session's, which follow the scheme.
  colour_bound_fields(m_session);
  for (const Group& group : groups) {
    const bool on = description().checked(group.key);
    for (const char* name : group.fields) {
      auto* field = find<QWidget>(name);
      if (!field) continue;
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
