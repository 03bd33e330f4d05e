// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "core/entry_rules.h"
#include "session/field_entries.h"
#include "session/modified_indication.h"
#include "session/period_edits.h"
#include "session/session.h"
#include "ui/busy_state.h"
#include "ui/chart_window.h"
#include "ui/colour_scheme.h"
#include "ui/field_handlers.h"
#include "ui/file_table_gestures.h"
#include "ui/floating_help.h"
#include "ui/help_overlay.h"
#include "ui/keyboard.h"
#include "ui/large_table.h"
#include "ui/notice_panel.h"
#include "ui/panel_placement.h"
#include "ui/panels.h"
#include "ui/period_controls.h"
#include "ui/picker_typing.h"
#include "ui/picture_frame.h"
#include "ui/session_views.h"
#include "ui/settings_binder.h"
#include "ui/text_edge.h"
#include "ui/tracking_window.h"
#include "ui/window_interface.h"
#include "ui/window_setup.h"
#include "ui/workflow_buttons.h"
#include "ui/zones.h"

namespace talve::ui {
namespace {

// The panels raised over the zones: Escape closes the one it went to.
const QStringList kFloatingPanels = {"Panel1",
                                     "Panel_dir",
                                     "Panel_des_couleurs",
                                     "Panel_lecteur",
                                     "Panel_coche",
                                     "ListBox_rep_recent",
                                     "ListBox_date_heure",
                                     "ListBox_date",
                                     "ListBox_heure",
                                     "ListBox_date_fic",
                                     "Memo3"};

void lay_out_zones(QWidget* surface) {
  // Zone 1 is the top band; the file list and the output format share the
  // middle row, the period (left) and the results (right) the bottom one.
  // Each row divides its width on its own.
  auto* rows = new QVBoxLayout(surface);
  rows->setContentsMargins(4, 4, 4, 4);
  rows->setSpacing(4);
  rows->addWidget(build_description_zone(surface));
  auto* middle = new QHBoxLayout;
  middle->addWidget(build_files_zone(surface), 1);
  middle->addWidget(build_output_zone(surface));
  rows->addLayout(middle, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(build_period_zone(surface), 1);
  bottom->addWidget(build_results_zone(surface));
  rows->addLayout(bottom);
  build_floating_panels(surface);
  keep_picture_frame(surface, surface->findChild<QLabel*>("Image1"));
}

}  // namespace

MainWindow::MainWindow(const CommandLine& command_line, QWidget* parent)
    : QMainWindow(parent), m_surface(new QWidget(this)) {
  setObjectName("Form1");
  m_surface->setObjectName("surface");
  // The zones keep their size on a smaller screen (a laptop, a large text
  // scale): the window scrolls over them rather than leaving controls out
  // of reach.
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName("ScrollBox_zones");
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(m_surface);
  setCentralWidget(scroll);
  // About two hundred controls share the window: a compact font keeps it
  // within a 1920 x 1080 screen.
  QFont compact = font();
  compact.setPointSize(8);
  setFont(compact);
  lay_out_zones(m_surface);

  m_ui = std::make_unique<WindowInterface>(this);
  m_ui->route_caption("Form1", [this](const std::string& text) { setWindowTitle(to_qstring(text)); });
  m_session = std::make_unique<Session>(*m_ui);
  Session& s = *m_session;
  m_charts = std::make_unique<ChartWindow>(s);
  // The chart title the station marks set is the chart window's `Label1`.
  m_ui->route_caption("Label1_graph", [this](const std::string& text) { m_charts->set_title(text); });
  s.set_caption("Label1_graph", "Graphiques");

  m_busy = std::make_unique<BusyState>(m_surface, s);
  m_placement = new PanelPlacement(m_surface);
  m_tracking = new TrackingWindow(m_surface, s, *m_ui, *m_placement);
  m_notice = new NoticePanel(m_surface, s, *m_ui, *m_placement);
  m_views = new SessionViews(m_surface, s, *m_ui);
  m_binder = new SettingsBinder(this, s);
  const auto after = [this] { refresh(); };
  m_period = new PeriodControls(m_surface, s, *m_ui, *m_binder, after);
  m_buttons = new WorkflowButtons(
      m_surface, s, *m_ui, {m_tracking, m_notice, after, [this] { request_quit(QuitOrigin::ExitButton); }});
  m_gestures = new FileTableGestures(m_surface, s, after);
  m_overlay = new HelpOverlay(m_surface);
  for (const auto& [name, titles] :
       {std::pair{"SpeedButton_help22", true}, std::pair{"SpeedButton_help2", false}})
    if (auto* button = m_surface->findChild<QAbstractButton*>(QString::fromLatin1(name)))
      connect(button, &QAbstractButton::clicked, this,
              [this, titles = titles] { m_overlay->toggle(titles); });
  m_keyboard =
      new KeyboardRules(this, s, *m_ui,
                        {kFloatingPanels, [this] { request_quit(QuitOrigin::EscapeKey); },
                         [this] {
                           m_gestures->remove_selection();
                           refresh();
                         },
                         [this] { return m_overlay->hide(); }, [this] { return m_overlay->shown(); }});
  m_ui->on_process_events = [this] {
    m_tracking->flush();
    m_views->refresh(true);
    m_busy->refresh();
  };
  m_ui->on_busy = [this](bool) {
    m_busy->refresh();
    m_charts->follow_session();
  };
  if (auto* chart_button = m_surface->findChild<QAbstractButton*>("SpeedButton_graphique"))
    connect(chart_button, &QAbstractButton::clicked, this, [this] {
      if (!busy()) m_charts->toggle();
    });
  m_ui->before_modal = [this] { m_tracking->flush(); };
  follow_captions(m_surface, s, *m_ui);
  // The fields whose changes do more than store their value; a field that
  // lists the files again does it as the listing button does.
  keep_dependent_fields(s);
  install_field_handlers(this, s,
                         {[this] {
                            if (auto* listing = findChild<QAbstractButton*>("SpeedButton_lister"))
                              listing->click();
                          },
                          after});
  install_large_table_toggle(this);
  m_panels = install_panels(m_surface, s, *m_ui, *m_placement, *m_binder, after);
  m_help = new FloatingHelp(m_surface, s, *m_binder, after);
  type_whole_dates(m_surface);
  connect_scheme();
  connect_session_values();

  // The window's creation: the controls show the start-up values, the
  // session takes the command line, the scheme and the window's caption.
  set_fixed_texts(m_surface);
  m_binder->show_all();
  prepare_session(s, command_line);
  // The period's captions with their weekdays, as the period file would
  // give them.
  show_period_captions(s);
  apply_colour_scheme(m_surface, s);
  m_period->refresh();
  m_tracking->set_size(TrackingWindow::Size::Small);
  place_window(this, m_surface);
  refresh();
}

MainWindow::~MainWindow() {
  // The parts that watch the controls' events go before the session they
  // act on: the widgets, destroyed after it, still send a few (focus).
  delete m_help;
  delete m_panels;
  delete m_keyboard;
  delete m_binder;
  delete m_placement;
  m_ui->on_process_events = nullptr;
  m_ui->on_busy = nullptr;
  m_ui->before_modal = nullptr;
}

bool MainWindow::startup_done() const { return m_session->startup.sequence_done; }

bool MainWindow::busy() const { return m_session->busy(); }

void MainWindow::connect_scheme() {
  // The mask's "ppp" (the clipboard's working file) is no change of the
  // user's.
  m_binder->store_with("Edit_masque.text", [this](const std::string& mask) {
    change_mask(m_session->description, typed_mask(mask));
  });
}

// The session's own values that no description keeps.
void MainWindow::connect_session_values() {
  const std::pair<const char*, bool Workspace::*> checks[] = {
      {"CheckBox_arret_PC", &Workspace::shutdown_after_run},
      {"CheckBox_sans_confirmation", &Workspace::no_confirmation}};
  for (const auto& [name, value] : checks) {
    auto* box = m_surface->findChild<QAbstractButton*>(QString::fromLatin1(name));
    if (!box) {
      qWarning("talve: no control named %s in the window", name);
      continue;
    }
    box->setChecked(m_session.get()->*value);
    connect(box, &QAbstractButton::toggled, this,
            [this, value = value](bool checked) { m_session.get()->*value = checked; });
  }
}

void MainWindow::refresh() {
  m_tracking->flush();
  m_views->refresh();
  m_period->refresh();
  m_busy->refresh();
  m_charts->follow_session();
  refresh_save_colours(*m_session);
}

bool MainWindow::event(QEvent* event) {
  // The start-up sequence at the first activation, once the window is up;
  // its own dialogs activate the window again, which the session ignores.
  if ((event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) && !m_startup_posted) {
    m_startup_posted = true;
    QTimer::singleShot(0, this, &MainWindow::run_startup);
  }
  return QMainWindow::event(event);
}

void MainWindow::run_startup() {
  if (!run_startup_sequence(*m_session)) return;
  // The start-up facts are in the tracking window.
  m_tracking->show();
  apply_colour_scheme(m_surface, *m_session);
  refresh();
}

void MainWindow::request_quit(QuitOrigin origin) {
  if (busy() || m_quit_confirmed) return;
  if (!quit_program(*m_session, origin)) {
    refresh();
    return;
  }
  m_quit_confirmed = true;
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The window's close button quits as Escape does, and waits the same way
  // for a long task to end.
  if (!m_quit_confirmed) {
    if (busy() || !quit_program(*m_session, QuitOrigin::EscapeKey)) {
      event->ignore();
      refresh();
      return;
    }
    m_quit_confirmed = true;
  }
  m_charts->close();
  event->accept();
}

}  // namespace talve::ui
