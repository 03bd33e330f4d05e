// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/session_views.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLayout>
#include <QListView>
#include <QTableView>
#include <algorithm>

#include "session/session.h"
#include "ui/file_table_model.h"
#include "ui/text_edge.h"
#include "ui/text_rows_model.h"
#include "ui/window_interface.h"

namespace talve::ui {
namespace {

// The list view of that name; a text area of that name is replaced in its
// place by a list view with the same name, hint and accessible name.
QAbstractItemView* list_view(QWidget* surface, const char* name) {
  QWidget* widget = surface->findChild<QWidget*>(QString::fromLatin1(name));
  if (!widget) {
    qWarning("talve: no control named %s in the window", name);
    return nullptr;
  }
  if (auto* view = qobject_cast<QAbstractItemView*>(widget)) return view;
  QWidget* parent = widget->parentWidget();
  auto* view = new QListView(parent);
  view->setUniformItemSizes(true);
  view->setObjectName(widget->objectName());
  view->setAccessibleName(widget->accessibleName());
  view->setToolTip(widget->toolTip());
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  if (parent && parent->layout()) delete parent->layout()->replaceWidget(widget, view);
  view->setVisible(!widget->isHidden());
  widget->setObjectName({});
  widget->hide();
  widget->deleteLater();
  return view;
}

void show_file_table(QTableView* view, FileTableModel* model) {
  view->setModel(model);
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(18);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The table's own widths, widened where the window's font would cut a
  // title or a date (the dates are the reason of the columns).
  const QFontMetrics metrics(view->font());
  const int date_width = metrics.horizontalAdvance(QStringLiteral("  00/00/0000 00:00:00")) + 12;
  const auto& columns = FileTable::columns();
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const QString title = " " + to_qstring(columns[i].title);
    int width = std::max(columns[i].width, metrics.horizontalAdvance(title) + 12);
    if (columns[i].title == "date dep" || columns[i].title == "date fin") width = std::max(width, date_width);
    view->setColumnWidth(static_cast<int>(i), width);
  }
}

}  // namespace

SessionViews::SessionViews(QWidget* surface, Session& session, WindowInterface& ui)
    : QObject(surface),
      m_session(session),
      m_file_table(new FileTableModel(session, this)),
      m_grid(new TextRowsModel(&session.grid.entries, this)),
      m_results(new TextRowsModel(&session.result_list, this)),
      m_result_file(new TextRowsModel(nullptr, this)),
      m_values_only(new TextRowsModel(nullptr, this)) {
  if (auto* table = surface->findChild<QTableView*>("StringGrid1"))
    show_file_table(table, m_file_table);
  else
    qWarning("talve: no table named StringGrid1 in the window");
  const std::pair<const char*, TextRowsModel*> lists[] = {{"ListBox_date_clean", m_grid},
                                                          {"ListBox_DONNEE_date_clean", m_results},
                                                          {"RichEdit3", m_result_file},
                                                          {"RichEdit4", m_values_only}};
  for (const auto& [name, model] : lists)
    if (QAbstractItemView* view = list_view(surface, name)) view->setModel(model);
  // The views show the rows the texts were made from; an emptied text
  // empties its view.
  ui.route_caption("RichEdit3", [this](const std::string& text) {
    m_result_file->set_rows(text.empty() ? nullptr : &m_session.result_list);
    m_result_file->refresh();
  });
  ui.route_caption("RichEdit4", [this](const std::string& text) {
    m_values_only->set_rows(text.empty() ? nullptr : &m_session.values_only_list);
    m_values_only->refresh();
  });
}

void SessionViews::refresh(bool cheap) {
  // While a long task works, only the row it is at changes.
  m_file_table->refresh(cheap ? m_session.table_state.current_row : 0);
  m_grid->refresh(cheap);
  m_results->refresh(cheap);
  m_result_file->refresh(cheap);
  m_values_only->refresh(cheap);
}

}  // namespace talve::ui
