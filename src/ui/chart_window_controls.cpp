// SPDX-License-Identifier: GPL-3.0-or-later
// The controls under the charts: the title and period header, the drawing
// choices, the 3D track bars, "copier", "cocher toutes les colonnes " and
// the help.
#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/chart_window.h"
#include "ui/widget_factory.h"
#include "ui/widget_paint.h"

namespace talve::ui {
namespace {

struct TrackBar {
  const char* name;
  const char* label;
  int minimum;
  int maximum;
  int initial;
};
// Depth percent, rotation, zoom percent and elevation of the chart shown
// alone in 3D.
constexpr TrackBar kTrackBars[] = {{"TrackBar1", "largeur", 30, 100, 30},
                                   {"TrackBar2", "rotation", 180, 360, 360},
                                   {"TrackBar3", "zoom %", 50, 100, 90},
                                   {"TrackBar4", "hauteur", 180, 360, 360}};

const QString kHelpText = QStringLiteral(
    " Zoomer avec la roulette ou en sélectionnant une zone\n"
    " Réinitialiser le zoom avec un double-clik ou en sélectionnant une zone vers le haut\n"
    " Déplacements du graphe avec clik droit et glissements\n"
    " Clik gauche sur un point pour afficher X et Y et déplacer le curseur pour effacer");

}  // namespace

void ChartWindow::build_controls() {
  m_strip = new QWidget(this);
  m_strip->setObjectName("bande_commandes");
  auto* rows = new QVBoxLayout(m_strip);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->setSpacing(2);

  // First row: the title, the period and the step; the picture and the
  // columns commands.
  m_title =
      make_label(m_strip, "Label1", QStringLiteral("Graphiques"), QStringLiteral(" titre des graphiques "));
  QFont bold = m_title->font();
  bold.setBold(true);
  m_title->setFont(bold);
  m_copy = make_button(m_strip, "Button_pp", QStringLiteral("copier"),
                       QStringLiteral(" copier le graphique dans le presse-papier "));
  m_copy->setEnabled(false);
  auto* check_all =
      make_button(m_strip, "Button_toute_col_coche", QStringLiteral("cocher toutes les colonnes "),
                  QStringLiteral(" dispatcher toutes les colonnes sur les 5 graphiques "));
  auto* help_button =
      make_button(m_strip, "SpeedButton_help2", QStringLiteral("?"), QStringLiteral(" écran d'aide  "));
  help_button->setAccessibleName(QStringLiteral("écran d'aide"));
  auto* first = new QHBoxLayout;
  first->setSpacing(16);
  first->addWidget(m_title);
  first->addWidget(make_label(m_strip, "Label2", QString(), QStringLiteral(" début de la période ")));
  first->addWidget(make_label(m_strip, "Label4", QString(), QStringLiteral(" fin de la période ")));
  first->addWidget(make_label(m_strip, "Label3", QString(), QStringLiteral(" nombre d'instants ")));
  first->addWidget(make_label(m_strip, "Label5", QString(), QStringLiteral(" pas de temps ")));
  first->addStretch();
  first->addWidget(m_copy);
  first->addWidget(check_all);
  first->addWidget(help_button);
  rows->addLayout(first);

  // Second row: the drawing choices and the 3D track bars.
  auto* show_button = make_button(m_strip, "Button_af_les_graph", QStringLiteral("&Visualiser"),
                                  QStringLiteral(" visualiser  les nouvelles données cochées "));
  show_button->setAccessibleName(QStringLiteral("Visualiser"));
  m_axes = make_check(m_strip, "CheckBox_draw_axis", QStringLiteral("abscisses, axes"));
  m_axes->setChecked(true);
  m_three_d = make_check(m_strip, "CheckBox_3d", QStringLiteral("3D"));
  m_marks = make_check(m_strip, "CheckBox_af_valeur", QStringLiteral("toutes valeurs en XY"));
  auto* size_label = make_label(m_strip, "Label_taille_points", QStringLiteral("taille des points"));
  m_point_size = make_spin(m_strip, "UpDown1", size_label->text(), 1, 10);
  m_point_size->setValue(3);
  // The field of the up-down pair carries its own name.
  m_point_size->findChild<QLineEdit*>()->setObjectName("Edit1");
  size_label->setBuddy(m_point_size);
  auto* second = new QHBoxLayout;
  second->setSpacing(10);
  for (QWidget* widget :
       std::initializer_list<QWidget*>{show_button, m_axes, m_three_d, m_marks, size_label, m_point_size})
    second->addWidget(widget);
  second->addSpacing(10);
  // "abscisses": the five labellings of the bottom axis, on one line.
  auto* abscissa = new QWidget(m_strip);
  abscissa->setObjectName("RadioGroup_abscisse");
  auto* choice = new QHBoxLayout(abscissa);
  choice->setContentsMargins(0, 0, 0, 0);
  choice->addWidget(new QLabel(QStringLiteral("abscisses"), abscissa));
  m_abscissa = new QButtonGroup(abscissa);
  const QStringList captions = {QStringLiteral("jj-mm-aaaa hh:mm"), QStringLiteral("jj-mm-aaaa"),
                                QStringLiteral("hh:mm"), QStringLiteral("mmm-aaaa"), QStringLiteral("n")};
  for (int i = 0; i < captions.size(); ++i) {
    auto* button =
        make_radio(abscissa, ("RadioGroup_abscisse_" + QByteArray::number(i)).constData(), captions[i]);
    m_abscissa->addButton(button, i);
    choice->addWidget(button);
  }
  m_abscissa->button(1)->setChecked(true);
  second->addWidget(abscissa);
  second->addStretch();
  for (std::size_t i = 0; i < std::size(kTrackBars); ++i) {
    const TrackBar& track = kTrackBars[i];
    auto* label =
        make_label(m_strip, (QByteArray("Label_") + track.name).constData(), QString::fromUtf8(track.label));
    auto* bar = new QSlider(Qt::Horizontal, m_strip);
    bar->setObjectName(QString::fromLatin1(track.name));
    bar->setRange(track.minimum, track.maximum);
    bar->setValue(track.initial);
    bar->setAccessibleName(label->text());
    bar->setMinimumWidth(70);
    bar->setMaximumWidth(120);
    label->setBuddy(bar);
    second->addWidget(label);
    second->addWidget(bar);
    connect(bar, &QSlider::valueChanged, this, [this] {
      if (m_single == 0 || !m_three_d->isChecked()) return;
      chart(m_single)->set_look(look_for(m_single));
      chart(m_single)->redraw();
    });
    m_track_bars[i] = bar;
    m_track_labels[i] = label;
  }
  rows->addLayout(second);

  m_help = make_label(this, "Memo3", kHelpText);
  m_help->setAccessibleName(QStringLiteral("aide des graphiques"));
  m_help->setFrameShape(QFrame::Box);
  set_background(m_help, QColor(255, 255, 179));
  m_help->installEventFilter(this);
  m_help->hide();

  // Every drawing choice draws all the charts again.
  connect(show_button, &QPushButton::clicked, this, &ChartWindow::draw_all);
  for (QCheckBox* box : {m_axes, m_marks}) connect(box, &QCheckBox::toggled, this, &ChartWindow::draw_all);
  connect(m_three_d, &QCheckBox::toggled, this, [this] {
    follow_track_bars();
    draw_all();
  });
  connect(m_abscissa, &QButtonGroup::idClicked, this, &ChartWindow::draw_all);
  connect(m_point_size, &QSpinBox::valueChanged, this, &ChartWindow::draw_all);
  connect(m_copy, &QPushButton::clicked, this, &ChartWindow::copy_chart);
  connect(check_all, &QPushButton::clicked, this, &ChartWindow::check_all_columns);
  connect(help_button, &QPushButton::clicked, this, [this] {
    m_help->setVisible(!m_help->isVisible());
    m_help->raise();
  });
  follow_track_bars();
}

}  // namespace talve::ui
