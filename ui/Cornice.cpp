#include "ui/Cornice.h"

#include <QPainter>

namespace quintello::ui {

Cornice::Cornice(QColor colore, int spessore, QWidget* parent)
    : QWidget(parent), colore_(colore), spessore_(spessore) {
  // Only a border, and clicks go through it to the card underneath.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
}

void Cornice::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect r = rect();
  painter.fillRect(r.x(), r.y(), r.width(), spessore_, colore_);
  painter.fillRect(r.x(), r.bottom() - spessore_ + 1, r.width(), spessore_, colore_);
  painter.fillRect(r.x(), r.y(), spessore_, r.height(), colore_);
  painter.fillRect(r.right() - spessore_ + 1, r.y(), spessore_, r.height(), colore_);
}

}  // namespace quintello::ui
