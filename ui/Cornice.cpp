#include "ui/Cornice.h"

#include <QPainter>

namespace quintello::ui {

Cornice::Cornice(QColor colore, int spessore, QWidget* parent) : QWidget(parent), colore_(colore) {
  setContentsMargins(spessore, spessore, spessore, spessore);
  // Only a border, and clicks go through it to the card underneath.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
}

void Cornice::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect r = rect();
  const int spessore = contentsMargins().left();
  painter.fillRect(r.x(), r.y(), r.width(), spessore, colore_);
  painter.fillRect(r.x(), r.bottom() - spessore + 1, r.width(), spessore, colore_);
  painter.fillRect(r.x(), r.y(), spessore, r.height(), colore_);
  painter.fillRect(r.right() - spessore + 1, r.y(), spessore, r.height(), colore_);
}

}  // namespace quintello::ui
