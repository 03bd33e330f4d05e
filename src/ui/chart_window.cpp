// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chart_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QWheelEvent>

#include "core/parameter_colours.h"
#include "output/chart_look.h"
#include "session/session.h"
#include "ui/text_edge.h"
#include "ui/widget_factory.h"
#include "ui/widget_paint.h"

namespace talve::ui {
namespace {

// Room kept under the charts for the header and the controls (5 charts),
// and under the chart shown alone.
constexpr int kStackReserve = 70;
constexpr int kAloneReserve = 50;
constexpr int kGap = 5;
constexpr int kListWidth = 160;
constexpr int kDerivativeWidth = 21;
// Between a chart and its column list: its single-chart box.
constexpr int kChartToLists = 30;
constexpr int kStripHeight = 44;
constexpr int kNoteWidth = 140;
constexpr int kNoteBelow = 30;
constexpr int kCopiedMs = 300;

const QString kColumnHint = QStringLiteral(
    " zoom TOUT = sélection zone négative  ,  Haut/Bas/gauche/droite = clik droit glissé  ,  roulette = zoom "
    "+-, "
    "clik = XY");
const QString kDerivativeHint = QStringLiteral(" ==== fonction dérivée ====== ");

QColor to_qcolor(const ChartColour& colour) { return {colour.red, colour.green, colour.blue}; }

}  // namespace

ChartWindow::ChartWindow(Session& session) : QWidget(nullptr), m_session(session) {
  setObjectName("TForm2");
  setWindowTitle(QStringLiteral("Graphiques"));
  QFont compact = font();
  compact.setPointSize(8);
  setFont(compact);
  setAutoFillBackground(true);
  build_charts();
  build_controls();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  resize(std::min(1860, screen.width() - 40), std::min(1000, screen.height() - 40));
  move(screen.center() - rect().center());
  lay_out();
}

ChartWindow::~ChartWindow() = default;

void ChartWindow::build_charts() {
  for (int k = 1; k <= kChartCount; ++k) {
    auto* plot = new ChartPlot(this, k);
    plot->rows_readable = [this] { return !m_busy && chart_rows_readable(m_session, m_content.generation); };
    connect(plot, &ChartPlot::point_note, this, &ChartWindow::show_note);
    connect(plot, &ChartPlot::note_dismissed, this, [this] { m_note->hide(); });
    m_charts[static_cast<std::size_t>(k - 1)] = plot;

    const QByteArray box_name = "CheckBox" + QByteArray::number(k);
    auto* mode = make_check(this, box_name.constData(), QString(),
                            QStringLiteral(" graphe unique / graphes multiples  "));
    mode->setAccessibleName(QStringLiteral("graphe unique %1").arg(k));
    connect(mode, &QCheckBox::toggled, this, [this, k](bool alone) { set_single(k, alone); });
    m_modes[static_cast<std::size_t>(k - 1)] = mode;

    for (const bool derivative : {false, true}) {
      const int number = derivative ? k + kChartCount : k;
      auto* list = make_list(this, ("CheckListBox" + QByteArray::number(number)).constData(),
                             (derivative ? QStringLiteral("dérivées du graphique %1")
                                         : QStringLiteral("colonnes du graphique %1"))
                                 .arg(k));
      list->setToolTip(derivative ? kDerivativeHint : kColumnHint);
      list->setSelectionMode(QAbstractItemView::NoSelection);
      // A click anywhere on an item toggles it: the derivative list is
      // only as wide as its check box.
      connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        chart_list_clicked(m_session);
      });
      m_lists[static_cast<std::size_t>(number - 1)] = list;
    }
    // The derivative list follows its column list, row for row.
    QListWidget* columns = m_lists[static_cast<std::size_t>(k - 1)];
    QListWidget* derivatives = m_lists[static_cast<std::size_t>(k - 1 + kChartCount)];
    derivatives->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    derivatives->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(columns->verticalScrollBar(), &QScrollBar::valueChanged, derivatives->verticalScrollBar(),
            &QScrollBar::setValue);
  }
  m_note = new QLabel(this);
  m_note->setObjectName("note_point");
  m_note->setFrameShape(QFrame::Box);
  m_note->setMinimumWidth(kNoteWidth);
  set_background(m_note, QColor(255, 255, 255));
  m_note->hide();
}

void ChartWindow::toggle() {
  if (isVisible()) {
    hide();
    return;
  }
  if (chart_points_start_small(m_session)) {
    const QSignalBlocker quiet(m_point_size);
    m_point_size->setValue(1);
  }
  show();
  raise();
  activateWindow();
  open_content();
}

void ChartWindow::set_title(const std::string& cp1252) { m_title->setText(to_qstring(cp1252)); }

void ChartWindow::follow_session() {
  const bool busy = m_session.flags.busy || m_session.flags.running;
  if (busy == m_busy) return;
  m_busy = busy;
  setEnabled(!busy);
  // A new result while the window is shown: the window opens on it.
  if (!busy && isVisible() && m_content.generation != m_session.results.generation) open_content();
}

// The opening: the field colour of the scheme, the lists filled and
// checked (restored or dealt), the header, every chart drawn.
void ChartWindow::open_content() {
  const SchemeColours colours =
      colours_in_use(m_session.description.choice("RadioGroup_coul_nb.ItemIndex"), m_session.colours);
  set_background(this, ui::to_qcolor(colours.field));
  set_background(m_point_size, ui::to_qcolor(colours.field));
  // The buttons stand out as the main window's do, in the button colour.
  for (QPushButton* button : findChildren<QPushButton*>())
    set_background(button, ui::to_qcolor(colours.panel));
  m_note->hide();
  m_content = open_chart_content(m_session);
  fill_lists();
  findChild<QLabel*>("Label2")->setText(to_qstring(m_content.start_caption));
  findChild<QLabel*>("Label4")->setText(to_qstring(m_content.end_caption));
  findChild<QLabel*>("Label3")->setText(to_qstring(m_content.count_caption));
  findChild<QLabel*>("Label5")->setText(to_qstring(m_content.step_caption));
  lay_out();
  draw_all();
  if (m_content.no_data) tell_no_chart_data(m_session);
}

void ChartWindow::fill_lists() {
  for (int number = 1; number <= 2 * kChartCount; ++number) {
    QListWidget* list = m_lists[static_cast<std::size_t>(number - 1)];
    const bool derivative = number > kChartCount;
    const ChartChecks& checked = derivative ? m_content.derivatives : m_content.columns;
    const std::vector<bool>& state = checked[static_cast<std::size_t>((number - 1) % kChartCount)];
    const QSignalBlocker quiet(list);
    list->clear();
    for (std::size_t j = 0; j < m_content.items.size(); ++j) {
      auto* item = new QListWidgetItem(derivative ? QString() : to_qstring(m_content.items[j]), list);
      item->setFlags(Qt::ItemIsEnabled);
      item->setToolTip(derivative ? kDerivativeHint : kColumnHint);
      item->setCheckState(j < state.size() && state[j] ? Qt::Checked : Qt::Unchecked);
    }
  }
}

ChartChecks ChartWindow::checks(int first_list) const {
  ChartChecks out;
  for (int k = 0; k < kChartCount; ++k) {
    const QListWidget* list = m_lists[static_cast<std::size_t>(first_list + k)];
    for (int j = 0; j < list->count(); ++j)
      out[static_cast<std::size_t>(k)].push_back(list->item(j)->checkState() == Qt::Checked);
  }
  return out;
}

// Every chart drawn (only the one shown alone in single-chart mode), the
// colours counted across them; then the check state texts follow the lists.
void ChartWindow::draw_all() {
  if (m_busy || !chart_rows_readable(m_session, m_content.generation)) {
    for (ChartPlot* plot : m_charts) plot->clear_series();
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const std::vector<PlannedSeries> planned = plan_series();
  std::vector<SeriesValues> wanted;
  for (const PlannedSeries& series : planned) wanted.push_back(series.values);
  try {
    const auto summaries = m_summaries.take(wanted);
    std::size_t next = 0;
    for (int k = 1; k <= kChartCount; ++k) {
      if (m_single != 0 && m_single != k) continue;
      ChartPlot* plot = chart(k);
      plot->clear_series();
      plot->set_look(look_for(k));
      for (; next < planned.size() && planned[next].chart == k; ++next)
        plot->add_series(planned[next].values, summaries[next], planned[next].title, planned[next].colour);
      plot->show_all();
    }
  } catch (const std::bad_alloc&) {
    for (ChartPlot* plot : m_charts) plot->clear_series();
    m_summaries.clear();
    QApplication::restoreOverrideCursor();
    tell_chart_memory_shortage(m_session);
    return;
  }
  keep_chart_checks(m_session, checks(0), checks(kChartCount));
  QApplication::restoreOverrideCursor();
}

// The series of the charts drawn, chart by chart: the checked items of
// each column list (fifteen at most), derived when their derivative item is
// checked, coloured in drawing order.
std::vector<ChartWindow::PlannedSeries> ChartWindow::plan_series() const {
  std::vector<PlannedSeries> planned;
  const bool light = m_three_d->isChecked();
  int series_count = 0;
  for (int k = 1; k <= kChartCount; ++k) {
    if (m_single != 0 && m_single != k) continue;
    const QListWidget* columns = m_lists[static_cast<std::size_t>(k - 1)];
    const QListWidget* derivatives = m_lists[static_cast<std::size_t>(k - 1 + kChartCount)];
    int added = 0;
    for (int j = 0; j < columns->count() && added < kMaxSeriesPerChart; ++j) {
      if (columns->item(j)->checkState() != Qt::Checked) continue;
      ++added;
      const bool derivative = j < derivatives->count() && derivatives->item(j)->checkState() == Qt::Checked;
      const QString text = columns->item(j)->text();
      planned.push_back({k, SeriesValues(m_session.results, j, derivative, m_content.step_days),
                         derivative ? QStringLiteral("d/dt > ") + text : text,
                         to_qcolor(series_colour(++series_count, light))});
    }
  }
  return planned;
}

ChartLook ChartWindow::look_for(int number) const {
  ChartLook look;
  look.three_d = m_three_d->isChecked();
  look.axes = m_axes->isChecked();
  look.value_marks = m_marks->isChecked();
  look.point_size = m_point_size->value();
  look.abscissa = std::max(0, m_abscissa->checkedId());
  if (m_single == number) {
    look.orthogonal = false;
    look.depth = m_track_bars[0]->value();
    look.rotation = m_track_bars[1]->value();
    look.zoom = m_track_bars[2]->value();
    look.elevation = m_track_bars[3]->value();
  }
  return look;
}

// Five charts stacked from the top, each (height - 70) / 5 high with its
// box, column list and derivative list at its top; the chart shown alone
// takes the height less 50. The header and controls lie underneath.
void ChartWindow::lay_out() {
  const int lists_left = width() - kGap - kDerivativeWidth - kListWidth;
  const int chart_width = std::max(100, lists_left - kChartToLists - kGap);
  const int height_each = std::max(40, (height() - kStackReserve) / kChartCount);
  for (int k = 1; k <= kChartCount; ++k) {
    const int top = kGap + (k - 1) * (height_each + kGap);
    ChartPlot* plot = chart(k);
    QCheckBox* mode = m_modes[static_cast<std::size_t>(k - 1)];
    const bool shown = m_single == 0 || m_single == k;
    if (m_single == k)
      plot->setGeometry(kGap, kGap, chart_width, std::max(40, height() - kAloneReserve));
    else
      plot->setGeometry(kGap, top, chart_width, height_each);
    plot->setVisible(shown);
    mode->setVisible(shown);
    mode->move(kGap + chart_width + 8, (m_single == k ? kGap : top) + 4);
    m_lists[static_cast<std::size_t>(k - 1)]->setGeometry(lists_left, top, kListWidth, height_each);
    m_lists[static_cast<std::size_t>(k - 1 + kChartCount)]->setGeometry(lists_left + kListWidth, top,
                                                                        kDerivativeWidth, height_each);
  }
  m_strip->setGeometry(kGap, height() - kStripHeight - 2, width() - 2 * kGap, kStripHeight);
  m_help->adjustSize();
  m_help->move(kGap + 40, kGap + 20);
}

void ChartWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  lay_out();
}

// The wheel between two charts goes to the chart above: the lowest one whose
// top is above the pointer.
void ChartWindow::wheelEvent(QWheelEvent* event) {
  const QPoint at = event->position().toPoint();
  ChartPlot* target = nullptr;
  for (ChartPlot* plot : m_charts)
    if (plot->isVisible() && plot->y() <= at.y() && at.x() <= plot->geometry().right() &&
        (!target || plot->y() > target->y()))
      target = plot;
  if (!target) return QWidget::wheelEvent(event);
  const QPointF inside = target->mapFrom(this, event->position());
  QWheelEvent forwarded(inside, event->globalPosition(), event->pixelDelta(), event->angleDelta(),
                        event->buttons(), event->modifiers(), event->phase(), event->inverted());
  QApplication::sendEvent(target, &forwarded);
}

// Single-chart mode: the 3D box's state is kept and the box unchecked, the
// chart shown alone with "copier"; back to five charts, the 3D box as it
// was and every chart drawn again.
void ChartWindow::set_single(int number, bool alone) {
  if (alone == (m_single == number)) return;
  {
    const QSignalBlocker quiet(m_three_d);
    if (alone) {
      m_saved_three_d = m_three_d->isChecked();
      m_three_d->setChecked(false);
    } else {
      m_three_d->setChecked(m_saved_three_d);
    }
  }
  m_single = alone ? number : 0;
  m_copy->setEnabled(alone);
  m_note->hide();
  lay_out();
  follow_track_bars();
  draw_all();
}

void ChartWindow::follow_track_bars() {
  const bool active = m_single != 0 && m_three_d->isChecked();
  for (QSlider* bar : m_track_bars) bar->setEnabled(active);
  for (QLabel* label : m_track_labels) label->setEnabled(active);
}

void ChartWindow::copy_chart() {
  if (m_single == 0) return;
  QGuiApplication::clipboard()->setImage(chart(m_single)->picture());
  m_copy->setText(QStringLiteral("OK"));
  QTimer::singleShot(kCopiedMs, m_copy, [copy = m_copy] { copy->setText(QStringLiteral("copier")); });
}

void ChartWindow::check_all_columns() {
  if (forget_chart_checks(m_session)) open_content();
}

void ChartWindow::show_note(const QString& note, const QPoint& global) {
  m_note->setText(note);
  m_note->adjustSize();
  QPoint at = mapFromGlobal(global) + QPoint(0, kNoteBelow);
  at.setX(std::clamp(at.x(), 0, std::max(0, width() - m_note->width())));
  at.setY(std::clamp(at.y(), 0, std::max(0, height() - m_note->height())));
  m_note->move(at);
  m_note->show();
  m_note->raise();
}

bool ChartWindow::eventFilter(QObject* watched, QEvent* event) {
  // A click on the help text hides it.
  if (watched == m_help && event->type() == QEvent::MouseButtonPress) {
    m_help->hide();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace talve::ui
