// The four suit signs, each drawn at any size and place on the card.
#pragma once

#include <QPointF>

class QPainter;

namespace quintello::pittore {

// A sword lies from the crossguard (elsa) to the point (punta); curva is how far, in logical
// pixels, the middle of the blade bows to the right of that line as seen from the hilt.
struct Spada {
  QPointF elsa;
  QPointF punta;
  qreal curva = 0;
  qreal larghezza = 3.4;
};

// A baton lies from its foot (base) to its head (cima); svasatura > 1 swells the head into a club.
struct Bastone {
  QPointF base;
  QPointF cima;
  qreal spessore = 5;
  qreal svasatura = 1.2;
};

void DisegnaDenaro(QPainter& p, QPointF centro, qreal raggio);
// The settebello's own coin: larger rosette and a crown of rays around it.
void DisegnaDenaroPregiato(QPainter& p, QPointF centro, qreal raggio);

void DisegnaCoppa(QPainter& p, QPointF centro, qreal altezza);
void DisegnaSpada(QPainter& p, const Spada& spada);
void DisegnaBastone(QPainter& p, const Bastone& bastone);

}  // namespace quintello::pittore
