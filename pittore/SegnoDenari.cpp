// Coins: a golden disc, a red inner ring, a rosette at the heart.
#include <QPainter>
#include <QtMath>

#include "Campitura.h"
#include "Colori.h"
#include "Segni.h"

namespace quintello::pittore {
namespace {

// Below this radius in device pixels the engraved rim only muddies the gold.
constexpr qreal kRaggioMinimoInciso = 12;

void DisegnaRosetta(QPainter& p, QPointF centro, qreal raggio, int petali) {
  const QPainterPath petalo = Mandorla(raggio, 0.3);
  QPainterPath rosetta;
  for (int i = 0; i < petali; ++i) {
    QTransform giro;
    giro.translate(centro.x(), centro.y());
    giro.rotate(360.0 * i / petali - 90);
    rosetta.addPath(giro.map(petalo));
  }
  Campisci(p, rosetta, coloreRosso, kTrattoFine);
  CampisciEllisse(p, centro, raggio * 0.28, raggio * 0.28, coloreOroChiaro, kTrattoFine);
}

// Every part is its own small fill: for Qt's raster engine, a few small fills cost less than
// one large path, and far less than a wide outline.
void DisegnaDisco(QPainter& p, QPointF c, qreal r, int petali) {
  const qreal t = r > 14 ? 1.0 : kTratto;
  const qreal d = r - t / 2;  // the gold's own radius inside the outline
  // Gold in three flat tones: a dark rim below right, a lit one above left.
  CampisciEllisse(p, c, d, d, coloreOroScuro, t);
  CampisciEllisse(p, c - QPointF(1, 1) * r * 0.03, d * 0.97, d * 0.97, coloreOroChiaro, 0);
  CampisciEllisse(p, c + QPointF(1, 1) * r * 0.04, d * 0.88, d * 0.88, coloreOro, 0);
  // An engraved rim, a narrow red ring, then the rosette on bare gold.
  const qreal scala = std::sqrt(std::abs(p.deviceTransform().determinant()));
  if (r * scala >= kRaggioMinimoInciso) {
    Traccia(p, Ellisse(c, r * 0.86, r * 0.86), coloreOroScuro, std::max(0.4, r * 0.05));
  }
  CampisciEllisse(p, c, r * 0.74, r * 0.74, coloreRosso, kTrattoFine);
  CampisciEllisse(p, c, r * 0.63, r * 0.63, coloreOro, kTrattoFine);
  DisegnaRosetta(p, c, r * 0.52, petali);
}

// Pointed rays round a centre, alternately gold and red, behind a prized coin.
void DisegnaRaggiera(QPainter& p, QPointF centro, qreal interno, qreal esterno, int punte) {
  QPainterPath oro;
  QPainterPath rosso;
  for (int i = 0; i < punte; ++i) {
    const qreal a = 2 * M_PI * i / punte;
    const qreal mezzo = M_PI / punte * 0.75;
    const qreal lungo = (i % 2 == 0) ? esterno : interno + (esterno - interno) * 0.7;
    QPainterPath raggio;
    raggio.moveTo(centro + QPointF(qCos(a - mezzo), qSin(a - mezzo)) * interno);
    raggio.lineTo(centro + QPointF(qCos(a), qSin(a)) * lungo);
    raggio.lineTo(centro + QPointF(qCos(a + mezzo), qSin(a + mezzo)) * interno);
    raggio.closeSubpath();
    (i % 2 == 0 ? oro : rosso).addPath(raggio);
  }
  Campisci(p, rosso, coloreRosso, kTrattoFine);
  Campisci(p, oro, coloreOro, kTrattoFine);
}

}  // namespace

void DisegnaDenaro(QPainter& p, QPointF centro, qreal raggio) {
  DisegnaDisco(p, centro, raggio, 8);
}

void DisegnaDenaroPregiato(QPainter& p, QPointF centro, qreal raggio) {
  DisegnaRaggiera(p, centro, raggio * 0.9, raggio * 1.28, 16);
  DisegnaDisco(p, centro, raggio, 12);
  // A beaded ring between rim and red band marks the prized coin even at 1x.
  const int perle = 16;
  QPainterPath filo;
  for (int i = 0; i < perle; ++i) {
    const qreal a = 2 * M_PI * (i + 0.5) / perle;
    filo.addEllipse(centro + QPointF(qCos(a), qSin(a)) * raggio * 0.9, raggio * 0.06,
                    raggio * 0.06);
  }
  Campisci(p, filo, coloreRossoScuro, 0);
}

}  // namespace quintello::pittore
