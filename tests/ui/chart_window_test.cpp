// SPDX-License-Identifier: GPL-3.0-or-later
// The chart window on the real windows: "graphiques..." after the demo run,
// the columns dealt over the charts and their state kept in the
// description, single-chart mode, 3D, "copier" and the mouse.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>

#include "session/session.h"
#include "session/table_editing.h"
#include "text/encoding.h"
#include "text/system_locale.h"
#include "ui/chart_plot.h"
#include "ui/window_fixture.h"

namespace talve::testing {
namespace {

class ChartWindowTest : public WindowTest {
 protected:
  // The demo run as a user runs it: the period of its last run, then the
  // three steps.
  void run_demo(const std::string& description) {
    open(description);
    answers.box(" récupérer la date/heure min ?", "Oui")
        .box(" récupérer la date/heure max ?", "Oui")
        .box(" récupérer le pas ?", "Oui");
    double_click("Label_min_dsc");
    double_click("Label_max_dsc");
    double_click("Label_pas_dsc");
    click("SpeedButton_lister");
    answers.box(" Créer une nouvelle liste de dates régulières ?", "Oui");
    click("SpeedButton_creer_listes_date_clean");
    answers.box("3- TRAITEMENT EFFECTUÉ", "OK");
    click("SpeedButton_traiter_fichier");
    ASSERT_TRUE(answers.idle()) << answers.texts.join("\n---\n").toStdString();
  }

  // The chart window: a top-level window of its own.
  QWidget* charts() const {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->objectName() == "TForm2") return widget;
    return nullptr;
  }
  template <typename W = QWidget>
  W* in_charts(const QString& name) const {
    W* widget = charts()->findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << "no chart window control " << name.toStdString();
    return widget;
  }
  ui::ChartPlot* plot(int number) const {
    return in_charts<ui::ChartPlot>(QStringLiteral("Chart%1").arg(number));
  }
  QListWidget* list(int number) const {
    return in_charts<QListWidget>(QStringLiteral("CheckListBox%1").arg(number));
  }
  std::vector<int> checked(int number) const {
    std::vector<int> out;
    for (int i = 0; i < list(number)->count(); ++i)
      if (list(number)->item(i)->checkState() == Qt::Checked) out.push_back(i);
    return out;
  }
  void click_in_charts(const QString& name) {
    QTest::mouseClick(in_charts<QAbstractButton>(name), Qt::LeftButton);
  }
  // The demo's description with its saved chart state.
  std::string demo_with_state(const std::string& columns, const std::string& derivatives) {
    const std::string description = copy_demo("demo");
    std::string text = read_bytes(description);
    for (const auto& [key, value] :
         {std::pair{std::string("suite_coche_liste_graph= "), columns},
          std::pair{std::string("suite_coche_liste_graph_deriv= "), derivatives}}) {
      const auto at = text.find("\r\n" + key);
      text.replace(at + 2, text.find("\r\n", at + 2) - at - 2, key + value);
    }
    dir.write("demo/demo.dsc", text);
    return description;
  }
  const std::string& description_text(const char* key) { return window->session().description.text(key); }
};

// The demo holds three columns: with no state saved, they and "n OK" are
// dealt one per chart, the description is modified and keeps the deal.
TEST_F(ChartWindowTest, TheDemoRunShowsItsColumnsDealtOverTheCharts) {
  run_demo(copy_demo("demo"));
  EXPECT_FALSE(window->session().description.modified());
  ASSERT_NE(charts(), nullptr);
  EXPECT_EQ(charts()->parentWidget(), nullptr);
  EXPECT_FALSE(charts()->isVisible());

  click("SpeedButton_graphique");
  ASSERT_TRUE(charts()->isVisible());
  const std::vector<QString> items = {"Temperature_C", "Humidite_pc", "Pression_hPa", "n OK         "};
  for (int k = 1; k <= 5; ++k) {
    ASSERT_EQ(list(k)->count(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(list(k)->item(i)->text(), items[static_cast<std::size_t>(i)]);
    EXPECT_EQ(list(k + 5)->count(), 4);
    EXPECT_TRUE(checked(k + 5).empty());
  }
  EXPECT_EQ(checked(1), std::vector<int>{0});
  EXPECT_EQ(checked(2), std::vector<int>{1});
  EXPECT_EQ(checked(3), std::vector<int>{2});
  EXPECT_EQ(checked(4), std::vector<int>{3});
  EXPECT_TRUE(checked(5).empty());
  EXPECT_EQ(description_text("suite_coche_liste_graph"), "0,;1,;2,;3,;;");
  EXPECT_EQ(description_text("suite_coche_liste_graph_deriv"), ";;;;;");
  EXPECT_TRUE(window->session().description.modified());
  EXPECT_EQ(caption_colour(find("SpeedButton_Enregistrer_dsc")), QColor(Qt::red));

  // Each chart draws its column: a point for every row of the result file
  // that holds a value; the empty chart has neither series nor axes.
  const ResultTable& table = window->session().results;
  for (int k = 1; k <= 4; ++k) {
    ASSERT_EQ(plot(k)->series().size(), 1u) << k;
    const auto& series = *plot(k)->series().front();
    EXPECT_EQ(series.title, items[static_cast<std::size_t>(k - 1)]);
    long long rows = 0;
    for (int r = 2; r <= table.grid_count; ++r)
      rows += k == 4 ? table.nb(r) > 0 : table.holds_value(r, k + 1) && table.at(r, k + 1).ok_count > 0;
    EXPECT_GT(rows, 10);
    EXPECT_EQ(static_cast<long long>(plot(k)->graph(0)->dataCount()) -
                  std::count_if(series.points.begin(), series.points.end(),
                                [](const ChartPoint& p) { return std::isnan(p.y); }),
              rows)
        << k;
    EXPECT_TRUE(plot(k)->xAxis->visible());
  }
  EXPECT_TRUE(plot(5)->series().empty());
  EXPECT_FALSE(plot(5)->xAxis->visible());
  EXPECT_EQ(in_charts<QLabel>("Label5")->text(), "pas = 00:30:00");
  EXPECT_DOUBLE_EQ(plot(1)->x_min(), table.instants[2]);
  // "n": the rows against their number.
  click_in_charts("RadioGroup_abscisse_4");
  EXPECT_EQ(plot(1)->x_min(), 1);
  EXPECT_EQ(plot(1)->x_max(), table.grid_count - 1);

  click("SpeedButton_graphique");
  EXPECT_FALSE(charts()->isVisible());
  expect_names_resolved();
}

// The saved state is restored (an index beyond the list ignored), a click
// in a list modifies the description, the drawing writes the new state, and
// the description file keeps it.
TEST_F(ChartWindowTest, TheCheckStateRoundTripsThroughTheDescriptionFile) {
  run_demo(demo_with_state("0,2,7,;;;1,;", "2,;;;;;"));
  click("SpeedButton_graphique");
  EXPECT_EQ(checked(1), (std::vector<int>{0, 2}));
  EXPECT_EQ(checked(4), std::vector<int>{1});
  EXPECT_EQ(checked(6), std::vector<int>{2});
  EXPECT_EQ(plot(1)->series().at(1)->title, "d/dt > Pression_hPa");
  EXPECT_FALSE(window->session().description.modified());

  // A click on an item toggles it; the derivative list too.
  QListWidget* columns = list(3);
  QTest::mouseClick(columns->viewport(), Qt::LeftButton, {},
                    columns->visualItemRect(columns->item(3)).center());
  EXPECT_EQ(checked(3), std::vector<int>{3});
  EXPECT_TRUE(window->session().description.modified());
  QListWidget* derivatives = list(8);
  QTest::mouseClick(derivatives->viewport(), Qt::LeftButton, {},
                    derivatives->visualItemRect(derivatives->item(3)).center());
  click_in_charts("Button_af_les_graph");
  EXPECT_EQ(plot(3)->series().size(), 1u);
  EXPECT_EQ(description_text("suite_coche_liste_graph"), "0,2,;;3,;1,;;");
  EXPECT_EQ(description_text("suite_coche_liste_graph_deriv"), "2,;;3,;;;");

  answers.box(" Enregistrer les modifications de la description de données  ", "Oui");
  click("SpeedButton_Enregistrer_dsc");
  const std::string saved = read_bytes(dir.file("demo/demo.dsc"));
  EXPECT_NE(saved.find("suite_coche_liste_graph= 0,2,;;3,;1,;;\r\n"), std::string::npos);
  EXPECT_NE(saved.find("suite_coche_liste_graph_deriv= 2,;;3,;;;\r\n"), std::string::npos);

  // "cocher toutes les colonnes ": No keeps the lists, Yes deals them again.
  answers.box("cocher toutes les colonnes en les", "Non");
  click_in_charts("Button_toute_col_coche");
  EXPECT_EQ(checked(1), (std::vector<int>{0, 2}));
  answers.box("cocher toutes les colonnes en les", "Oui");
  click_in_charts("Button_toute_col_coche");
  EXPECT_EQ(checked(1), std::vector<int>{0});
  EXPECT_TRUE(checked(6).empty());
  EXPECT_EQ(description_text("suite_coche_liste_graph"), "0,;1,;2,;3,;;");
  EXPECT_TRUE(answers.idle());
}

TEST_F(ChartWindowTest, BeforeAnyRunTheChartsStayEmptyWithAMessage) {
  open(copy_demo("demo"));
  answers.box(" aucune donnée, vérifier la période et le traitement...", "OK");
  click("SpeedButton_graphique");
  EXPECT_TRUE(answers.idle());
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(list(k)->count(), 0);
    EXPECT_TRUE(plot(k)->series().empty());
  }
  EXPECT_FALSE(window->session().description.modified());
}

// Single-chart mode: the chart alone, "copier" enabled, the 3D box
// unchecked and its state restored on the way back; the track bars act
// only on the chart alone in 3D, each changing the picture.
TEST_F(ChartWindowTest, SingleChartModeIn3DAndBack) {
  run_demo(copy_demo("demo"));
  click("SpeedButton_graphique");
  auto* three_d = in_charts<QCheckBox>("CheckBox_3d");
  auto* copy = in_charts<QPushButton>("Button_pp");
  three_d->click();
  EXPECT_TRUE(plot(1)->look().three_d);
  EXPECT_FALSE(copy->isEnabled());

  in_charts<QCheckBox>("CheckBox2")->click();
  EXPECT_FALSE(three_d->isChecked());
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(plot(k)->isVisible(), k == 2) << k;
    EXPECT_EQ(in_charts(QStringLiteral("CheckBox%1").arg(k))->isVisible(), k == 2) << k;
  }
  EXPECT_GT(plot(2)->height(), charts()->height() - 60);
  EXPECT_TRUE(copy->isEnabled());
  auto* rotation = in_charts<QAbstractSlider>("TrackBar2");
  EXPECT_FALSE(rotation->isEnabled());

  three_d->click();
  ASSERT_TRUE(rotation->isEnabled());
  EXPECT_FALSE(plot(2)->look().orthogonal);
  QImage before = plot(2)->picture();
  for (const char* bar : {"TrackBar1", "TrackBar2", "TrackBar3", "TrackBar4"}) {
    auto* slider = in_charts<QAbstractSlider>(bar);
    slider->setValue(slider->value() == slider->maximum() ? slider->value() - 40 : slider->value() + 40);
    const QImage after = plot(2)->picture();
    EXPECT_NE(after, before) << bar;
    before = after;
  }

  // "copier": the chart as a picture on the clipboard, "OK" for a moment.
  QApplication::clipboard()->clear();
  click_in_charts("Button_pp");
  EXPECT_EQ(copy->text(), "OK");
  const QImage copied = QApplication::clipboard()->image();
  EXPECT_EQ(copied.size(), plot(2)->size());
  EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
            plot(2)->picture().convertToFormat(QImage::Format_RGB32));
  EXPECT_TRUE(wait_for([&] { return copy->text() == "copier"; }, 5));

  // Back to five charts: the 3D box as it was before, oblique 3D again.
  three_d->click();
  in_charts<QCheckBox>("CheckBox2")->click();
  EXPECT_TRUE(three_d->isChecked());
  EXPECT_FALSE(copy->isEnabled());
  EXPECT_FALSE(rotation->isEnabled());
  for (int k = 1; k <= 5; ++k) EXPECT_TRUE(plot(k)->isVisible()) << k;
  EXPECT_TRUE(plot(2)->look().three_d);
  EXPECT_TRUE(plot(2)->look().orthogonal);
}

// The mouse on a chart: the wheel brings the left axis in or out by a tenth
// of its range at each end, a rectangle zooms, one dragged up and to the
// left resets, the right button pans, a double-click resets, and a click on
// a point shows its note until the pointer goes 20 pixels away.
TEST_F(ChartWindowTest, TheMouseZoomsPansAndNotesAPoint) {
  run_demo(copy_demo("demo"));
  click("SpeedButton_graphique");
  ui::ChartPlot* chart = plot(1);
  const AxisBounds full = chart->left_axis();
  const double x_min = chart->x_min(), x_max = chart->x_max();
  const QPoint centre = chart->axisRect()->rect().center();

  const auto wheel = [&](int delta) {
    QWheelEvent event(centre, chart->mapToGlobal(centre), {}, {0, delta}, Qt::NoButton, {}, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(chart, &event);
  };
  wheel(120);
  const double range = full.greatest - full.least;
  EXPECT_NEAR(chart->left_axis().least, full.least + range / 10, 1e-9);
  EXPECT_NEAR(chart->left_axis().greatest, full.greatest - range / 10, 1e-9);
  wheel(-120);
  EXPECT_NEAR(chart->left_axis().least, full.least + range / 10 - range * 0.8 / 10, 1e-9);

  QTest::mouseDClick(chart, Qt::LeftButton, {}, centre);
  EXPECT_EQ(chart->left_axis(), full);
  // Between two charts, the wheel goes to the one above.
  const QPoint gap(chart->x() + 50, chart->geometry().bottom() + 3);
  ASSERT_EQ(charts()->childAt(gap), nullptr);
  QWheelEvent between(gap, charts()->mapToGlobal(gap), {}, {0, 120}, Qt::NoButton, {}, Qt::NoScrollPhase,
                      false);
  QApplication::sendEvent(charts(), &between);
  EXPECT_NEAR(chart->left_axis().least, full.least + range / 10, 1e-9);
  QTest::mouseDClick(chart, Qt::LeftButton, {}, centre);

  // A rectangle over the middle third: the view ends there once animated.
  const QRect area = chart->axisRect()->rect();
  const QPoint from(area.left() + area.width() / 3, area.top() + 10);
  const QPoint to(area.left() + 2 * area.width() / 3, area.bottom() - 10);
  QTest::mousePress(chart, Qt::LeftButton, {}, from);
  QTest::mouseMove(chart, to);
  QTest::mouseRelease(chart, Qt::LeftButton, {}, to);
  ASSERT_TRUE(wait_for([&] { return !chart->animating(); }, 5));
  EXPECT_NEAR(chart->x_min(), x_min + (x_max - x_min) / 3, (x_max - x_min) / 50);
  EXPECT_NEAR(chart->x_max(), x_min + 2 * (x_max - x_min) / 3, (x_max - x_min) / 50);
  EXPECT_LT(chart->left_axis().greatest - chart->left_axis().least, range);
  // Zoomed in, every row of the range is a point.
  for (const ChartPoint& p : chart->series().front()->points) EXPECT_TRUE(std::isnan(p.y) || p.row >= 2);

  QTest::mousePress(chart, Qt::LeftButton, {}, to);
  QTest::mouseMove(chart, from);
  QTest::mouseRelease(chart, Qt::LeftButton, {}, from);
  EXPECT_EQ(chart->x_min(), x_min);
  EXPECT_EQ(chart->x_max(), x_max);

  // The right button drags the view: to the left by a quarter of the plot.
  QTest::mousePress(chart, Qt::RightButton, {}, centre);
  QTest::mouseMove(chart, centre - QPoint(area.width() / 4, 0));
  QTest::mouseRelease(chart, Qt::RightButton, {}, centre - QPoint(area.width() / 4, 0));
  EXPECT_NEAR(chart->x_min(), x_min + (x_max - x_min) / 4, (x_max - x_min) / 50);
  QTest::mouseDClick(chart, Qt::LeftButton, {}, centre);
  EXPECT_EQ(chart->x_min(), x_min);

  // A click on a point: its series, instant and value.
  const ui::ChartSeries& series = *chart->series().front();
  const ChartPoint& point = series.points[series.points.size() / 2];
  ASSERT_FALSE(std::isnan(point.y));
  const QPoint at = chart->position_of(point.x, point.y).toPoint();
  QTest::mouseClick(chart, Qt::LeftButton, {}, at);
  auto* note = in_charts<QLabel>("note_point");
  ASSERT_TRUE(note->isVisible());
  const ResultTable& table = window->session().results;
  char value[32];
  std::snprintf(value, sizeof value, "%5.3f ", table.at(point.row, 2).value);
  std::replace(value, value + sizeof value, '.', system_decimal_separator());
  EXPECT_EQ(note->text().toStdString(),
            "  série   Temperature_C\n  " +
                format_canonical(table.instants[static_cast<std::size_t>(point.row)]) + "\n  " + value);
  EXPECT_EQ(note->pos(), charts()->mapFromGlobal(chart->mapToGlobal(at)) + QPoint(0, 30));
  // The pointer moving, no button down (sent as the window system does).
  const auto hover = [&](QPoint where) {
    QMouseEvent move(QEvent::MouseMove, where, chart->mapToGlobal(where), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(chart, &move);
  };
  hover(at + QPoint(20, -20));
  EXPECT_TRUE(note->isVisible());
  hover(at + QPoint(0, 21));
  EXPECT_FALSE(note->isVisible());
}

// A run while the charts are shown rebuilds the ResultTable they read: the
// window is disabled and reads nothing meanwhile, then opens on the new
// result. Quitting closes it with the main window.
TEST_F(ChartWindowTest, ARunWhileTheChartsAreShownAndQuitting) {
  run_demo(copy_demo("demo"));
  click("SpeedButton_graphique");
  ui::ChartPlot* chart = plot(1);
  const QPoint centre = chart->axisRect()->rect().center();
  int ticks_disabled = 0, ticks = 0;
  answers.on_tick = [&] {
    if (!window->session().flags.running) return;
    ++ticks;
    ticks_disabled += charts()->isEnabled() ? 0 : 1;
    // The window resized meanwhile: its charts draw again what they have.
    charts()->resize(charts()->width() + (ticks % 2 ? 7 : -7), charts()->height());
  };
  answers.box("existe déjà", "Oui").box("3- TRAITEMENT EFFECTUÉ", "OK");
  click("SpeedButton_traiter_fichier");
  answers.on_tick = nullptr;
  ASSERT_TRUE(answers.idle()) << answers.texts.join("\n---\n").toStdString();
  EXPECT_GT(ticks, 0);
  EXPECT_EQ(ticks_disabled, ticks);
  EXPECT_TRUE(charts()->isEnabled());
  ASSERT_EQ(plot(1)->series().size(), 1u);
  EXPECT_EQ(&plot(1)->series().front()->values.table(), &window->session().results);
  // The new rows are read: the view pans over them.
  const double x_min = chart->x_min();
  QTest::mousePress(chart, Qt::RightButton, {}, centre);
  QTest::mouseMove(chart, centre - QPoint(100, 0));
  QTest::mouseRelease(chart, Qt::RightButton, {}, centre - QPoint(100, 0));
  EXPECT_GT(chart->x_min(), x_min);
  EXPECT_FALSE(chart->series().front()->points.empty());

  answers.box("Quitter  ?", "Oui");
  QTest::keyClick(window.get(), Qt::Key_Escape);
  ASSERT_TRUE(answers.idle());
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(charts()->isVisible());
}

// The FileTable's station marks title the charts.
TEST_F(ChartWindowTest, TheStationMarksTitleTheCharts) {
  run_demo(copy_demo("demo"));
  auto* title = in_charts<QLabel>("Label1");
  EXPECT_EQ(title->text(), "Graphiques");
  Session& s = window->session();
  clic_droit_tableau(s, 1, "Station");
  choisir_coche_station(s, StationChoice::only_station);
  const std::string station = cp1252_to_utf8(s.file_table.lire_case(1, "Station"));
  EXPECT_EQ(title->text().toStdString(), "Station " + station);
  clic_droit_tableau(s, 1, "Station");
  choisir_coche_station(s, StationChoice::add_station);
  EXPECT_EQ(title->text().toStdString(), "Station " + station + "+" + station);
  expect_names_resolved();
}

// Every command, choice and list of the chart window has a name screen
// readers can say.
TEST_F(ChartWindowTest, EveryControlHasAnAccessibleName) {
  open();
  QStringList unnamed;
  int controls = 0;
  for (QWidget* widget : charts()->findChildren<QWidget*>()) {
    const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QAbstractSlider*>(widget) ||
                         qobject_cast<QAbstractSpinBox*>(widget) ||
                         qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QCustomPlot*>(widget);
    if (!control || widget->objectName().isEmpty()) continue;
    ++controls;
    if (widget->accessibleName().trimmed().isEmpty()) unnamed << widget->objectName();
  }
  EXPECT_GT(controls, 35);
  EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
}

}  // namespace
}  // namespace talve::testing
