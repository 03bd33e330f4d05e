// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picker_typing.h"

#include <QDateTimeEdit>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace talve::ui {
namespace {

bool is_separator(const QString& typed) {
  return typed.size() == 1 && QStringLiteral("/:.- ").contains(typed.front());
}

class SectionTyping : public QObject {
 public:
  explicit SectionTyping(QDateTimeEdit* picker) : QObject(picker), m_picker(picker) {
    picker->installEventFilter(this);
    if (auto* field = picker->findChild<QLineEdit*>()) field->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonRelease:
        // Once the click has placed the caret: its section, whole.
        QTimer::singleShot(0, m_picker, [picker = m_picker] {
          if (picker->hasFocus()) picker->setSelectedSection(picker->currentSection());
        });
        break;
      case QEvent::KeyPress: {
        if (watched != m_picker) break;
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() == 1 && typed.front().isDigit()) {
          m_section_before_digit = m_picker->currentSection();
          m_after_digit = true;
        } else if (is_separator(typed)) {
          const bool moved_on = m_after_digit && m_picker->currentSection() != m_section_before_digit;
          m_after_digit = false;
          if (moved_on) return true;
        } else {
          m_after_digit = false;
        }
        break;
      }
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QDateTimeEdit* m_picker;
  QDateTimeEdit::Section m_section_before_digit = QDateTimeEdit::NoSection;
  bool m_after_digit = false;
};

}  // namespace

void type_whole_dates(QWidget* surface) {
  for (QDateTimeEdit* picker : surface->findChildren<QDateTimeEdit*>()) new SectionTyping(picker);
}

}  // namespace talve::ui
