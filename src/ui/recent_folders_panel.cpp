// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/recent_folders_panel.h"

#include <QListWidget>

#include "session/folder_chooser_actions.h"
#include "session/recent_folder_actions.h"
#include "session/session.h"
#include "ui/panel_links.h"
#include "ui/panel_placement.h"
#include "ui/text_edge.h"
#include "ui/window_interface.h"

namespace talve::ui {
namespace {

constexpr int kWidth = 700;
constexpr int kHeight = 400;

}  // namespace

RecentFoldersPanel::RecentFoldersPanel(QWidget* surface, Session& session, WindowInterface& ui,
                                       PanelPlacement& placement, std::function<void()> after_action)
    : QObject(surface),
      m_session(session),
      m_after_action(std::move(after_action)),
      m_list(surface->findChild<QListWidget*>("ListBox_rep_recent")) {
  if (!m_list) {
    qWarning("talve: no control named ListBox_rep_recent in the window");
    return;
  }
  placement.place_by(m_list, [&placement] {
    const QRect chooser = placement.anchor("Panel_dir");
    return QRect(chooser.left() + chooser.width(), chooser.top() + 1, kWidth, kHeight);
  });
  ui.route_visibility("ListBox_rep_recent", [this](bool visible) { show_list(visible); });
  on_panel_hidden(m_list, this, [this] { m_session.recent_folders.shown = false; });
  connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    const auto& role = m_session.folder_chooser.role;
    if (!role || m_session.flags.busy || m_session.flags.running) return;
    static_cast<void>(choose_recent_entry(m_session, from_qstring(item->text()), *role));
    m_after_action();
  });
}

void RecentFoldersPanel::show_list(bool visible) {
  if (visible) {
    m_list->clear();
    for (const std::string& entry : m_session.recent_folders.list.entries())
      m_list->addItem(to_qstring(entry));
  }
  m_list->setVisible(visible);
}

}  // namespace talve::ui
