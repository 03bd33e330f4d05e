// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/floating_help.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTableView>

#include "session/result_writing.h"
#include "session/session.h"
#include "ui/help_entries.h"
#include "ui/settings_binder.h"

namespace talve::ui {
namespace {

HelpLines to_lines(const std::array<const char*, 6>& texts) {
  HelpLines lines;
  for (std::size_t i = 0; i < texts.size(); ++i)
    if (texts[i]) lines[i] = QString::fromUtf8(texts[i]);
  return lines;
}

// The help area's font: 10 points, 8 for the long examples.
void set_point_size(QWidget* widget, int points) {
  if (widget->font().pointSize() == points) return;
  QFont font = widget->font();
  font.setPointSize(points);
  widget->setFont(font);
}

bool inside(const QWidget* widget, const QWidget* ancestor) {
  return ancestor && (widget == ancestor || ancestor->isAncestorOf(widget));
}

}  // namespace

FloatingHelp::FloatingHelp(QWidget* surface, Session& session, SettingsBinder& binder,
                           std::function<void()> after_action)
    : QObject(surface),
      m_surface(surface),
      m_session(session),
      m_after_action(std::move(after_action)),
      m_area(surface->findChild<QPlainTextEdit*>("Memo2")),
      m_box(surface->findChild<QPlainTextEdit*>("Memo3")),
      m_table(surface->findChild<QTableView*>("StringGrid1")),
      m_check(surface->findChild<QAbstractButton*>("CheckBox_aide_flottante")) {
  const auto entries = help_entries();
  for (int i = 0; i < static_cast<int>(entries.size()); ++i)
    for (const QString& name : QString::fromLatin1(entries[i].controls).split(' ', Qt::SkipEmptyParts))
      if (!m_bindings.contains(name)) m_bindings.insert(name, i);
  if (m_table) m_table_hint = m_table->toolTip();
  // Every control passes its moves on to the surface, which follows them.
  surface->setMouseTracking(true);
  for (QWidget* child : surface->findChildren<QWidget*>()) child->setMouseTracking(true);
  if (m_box) m_box->viewport()->installEventFilter(this);
  binder.on_change("CheckBox_aide_flottante.Checked",
                   [this](bool) { show_box_setting(m_check && m_check->isChecked()); });
  qApp->installEventFilter(this);
}

FloatingHelp::~FloatingHelp() { qApp->removeEventFilter(this); }

HelpLines FloatingHelp::lines_of(const QWidget* control, bool* small_font) const {
  if (small_font) *small_font = false;
  for (const QWidget* w = control; w && w != m_surface; w = w->parentWidget()) {
    const auto bound = m_bindings.constFind(w->objectName());
    if (bound == m_bindings.constEnd()) continue;
    const HelpEntry& entry = help_entries()[*bound];
    if (small_font) *small_font = entry.small_font;
    return to_lines(entry.lines);
  }
  return {};
}

// Asked on every move of the mouse: the box is found once, not searched for
// among the window's controls each time.
bool FloatingHelp::box_wanted() const { return m_box && m_check && m_check->isChecked(); }

// "aide flottante": the box shows or hides, in front of the controls.
void FloatingHelp::show_box_setting(bool checked) {
  if (!m_box) return;
  m_box->setVisible(checked && !m_session.busy());
  if (checked) m_box->raise();
}

bool FloatingHelp::eventFilter(QObject* watched, QEvent* event) {
  if (m_box && watched == m_box->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    if (!m_session.busy()) {
      memo3_double_click(m_session);
      m_after_action();
    }
    return true;
  }
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseMove && type != QEvent::HoverMove && type != QEvent::Enter) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || !inside(widget, m_surface)) return false;
  const QPointF local = static_cast<QSinglePointEvent*>(event)->position();
  mouse_at(widget->mapTo(m_surface, local.toPoint()));
  return false;
}

void FloatingHelp::mouse_at(QPoint at) {
  QWidget* target = m_surface->childAt(at);
  // One move reaches the control and then each of its parents: it is
  // followed once.
  if (at == m_last_point && target == m_last_target) return;
  m_last_point = at;
  m_last_target = target;
  // The help itself can be read, scrolled and double-clicked.
  if (target && (inside(target, m_area) || inside(target, m_box))) return;
  // The normal arrow, unless a task shows the hourglass.
  if (!m_session.busy()) {
    const QCursor* cursor = QApplication::overrideCursor();
    if (cursor && cursor->shape() == Qt::WaitCursor) QApplication::changeOverrideCursor(Qt::ArrowCursor);
  }
  if (target && m_table && inside(target, m_table) && target != m_table) {
    show_lines(table_lines(m_table, target, at), false, at);
    return;
  }
  if (m_table && m_table->toolTip() != m_table_hint) m_table->setToolTip(m_table_hint);
  bool small_font = false;
  const HelpLines lines = lines_of(target, &small_font);
  show_lines(lines, small_font, at);
}

// The FileTable's help: by the column under the mouse, over the header or
// a file's row.
HelpLines FloatingHelp::table_lines(QTableView* table, const QWidget* target, QPoint at) {
  HelpLines lines;
  QString hint = m_table_hint;
  const QHeaderView* header = table->horizontalHeader();
  if (inside(target, header)) {
    lines[1] = QString::fromUtf8(kFileTableHeaderLine);
  } else {
    const QModelIndex index = table->indexAt(table->viewport()->mapFrom(m_surface, at));
    lines = to_lines(kFileTableOtherLines);
    if (index.isValid() && inside(target, table->viewport())) {
      const QString title =
          table->model()->headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString().trimmed();
      for (const ColumnHelp& column : file_table_column_help()) {
        if (QString::fromUtf8(column.title).trimmed() != title) continue;
        lines = to_lines(column.lines);
        if (title == QLatin1String("fichier")) {
          const QString name = index.data(Qt::DisplayRole).toString().trimmed();
          for (QString& line : lines) line.replace(QLatin1String("%1"), name);
          hint = name;
        }
        break;
      }
    }
  }
  if (table->toolTip() != hint) table->setToolTip(hint);
  return lines;
}

void FloatingHelp::show_lines(const HelpLines& lines, bool small_font, QPoint at) {
  const int count = shown_line_count(lines);
  if (m_area) {
    set_point_size(m_area, small_font ? 8 : 10);
    write_help_lines(m_area, lines, count);
  }
  if (box_wanted() && !m_session.busy()) show_box(lines, at);
}

void FloatingHelp::show_box(const HelpLines& lines, QPoint at) {
  const QFontMetrics metrics(m_box->font());
  int text_width = 0;
  for (const QString& line : lines) text_width = std::max(text_width, metrics.horizontalAdvance(line));
  QString number;
  const HelpLines shown = floating_lines(lines, &number);
  const int count = shown_line_count(lines);
  // The part of the window on screen: the surface scrolls in its viewport.
  QRect visible = m_surface->rect();
  if (QWidget* viewport = m_surface->parentWidget())
    visible &= QRect(m_surface->mapFrom(viewport, QPoint(0, 0)), viewport->size());
  int fixed_top = -1;
  if (number == QLatin1String("19"))
    if (const auto* label = m_surface->findChild<QWidget*>("Label_tableau_date_nom"))
      fixed_top = label->mapTo(m_surface, QPoint(0, 0)).y();
  const QRect place = floating_box_rect(visible, at, text_width, count, metrics.lineSpacing(), fixed_top);
  if (m_box->geometry() != place) m_box->setGeometry(place);
  write_help_lines(m_box, shown, count);
  if (!m_box->isVisible()) m_box->show();
  m_box->raise();
}

}  // namespace talve::ui
