// Cups: a golden goblet with a red rim, drawn in a unit box and scaled to its height.
#include <QPainter>

#include "Campitura.h"
#include "Colori.h"
#include "Segni.h"

namespace quintello::pittore {
namespace {

// The goblet's parts, in units of its height, centred on the origin.
QPainterPath Calice() {
  QPainterPath calice;
  calice.moveTo(-0.36, -0.40);
  calice.cubicTo(-0.36, -0.12, -0.20, 0.02, -0.06, 0.05);
  calice.lineTo(0.06, 0.05);
  calice.cubicTo(0.20, 0.02, 0.36, -0.12, 0.36, -0.40);
  calice.closeSubpath();
  return calice;
}

QPainterPath Piede() {
  QPainterPath piede;
  piede.moveTo(-0.05, 0.04);
  piede.lineTo(-0.05, 0.27);
  piede.cubicTo(-0.08, 0.37, -0.24, 0.39, -0.27, 0.45);
  piede.lineTo(0.27, 0.45);
  piede.cubicTo(0.24, 0.39, 0.08, 0.37, 0.05, 0.27);
  piede.lineTo(0.05, 0.04);
  piede.closeSubpath();
  return piede;
}

// A pale crescent down the bowl's lit side and a deep one down its shaded side: the shine of
// gold in flat colours.
QPainterPath Luce() {
  QPainterPath luce;
  luce.moveTo(-0.27, -0.38);
  luce.cubicTo(-0.27, -0.16, -0.16, -0.03, -0.07, 0.0);
  luce.cubicTo(-0.12, -0.06, -0.18, -0.17, -0.17, -0.38);
  luce.closeSubpath();
  return luce;
}

QPainterPath Ombra() {
  QPainterPath ombra;
  ombra.moveTo(0.355, -0.38);
  ombra.cubicTo(0.35, -0.12, 0.2, 0.02, 0.06, 0.045);
  ombra.cubicTo(0.18, -0.02, 0.27, -0.15, 0.27, -0.38);
  ombra.closeSubpath();
  return ombra;
}

}  // namespace

void DisegnaCoppa(QPainter& p, QPointF centro, qreal altezza) {
  QTransform t;
  t.translate(centro.x(), centro.y());
  t.scale(altezza, altezza);
  const qreal tratto = altezza > 50 ? 1.0 : kTratto;

  Campisci(p, t.map(Piede()), coloreOro, tratto);
  CampisciEllisse(p, t.map(QPointF(0, 0.45)), 0.27 * altezza, 0.045 * altezza, coloreRosso, tratto);
  CampisciEllisse(p, t.map(QPointF(0, 0.15)), 0.12 * altezza, 0.05 * altezza, coloreRosso,
                  kTrattoFine);
  const QPainterPath calice = t.map(Calice());
  Campisci(p, calice, coloreOro, 0);
  Campisci(p, t.map(Luce()), coloreOroChiaro, 0);
  Campisci(p, t.map(Ombra()), coloreOroScuro, 0);
  Traccia(p, calice, coloreInchiostro, tratto);

  QPainterPath fregio;
  fregio.moveTo(-0.33, -0.25);
  fregio.quadTo(0, -0.17, 0.33, -0.25);
  Traccia(p, t.map(fregio), coloreRosso, altezza * 0.035);

  CampisciEllisse(p, t.map(QPointF(0, -0.40)), 0.38 * altezza, 0.075 * altezza, coloreRosso,
                  tratto);
  CampisciEllisse(p, t.map(QPointF(0, -0.405)), 0.29 * altezza, 0.042 * altezza, coloreRossoScuro,
                  kTrattoFine);
}

}  // namespace quintello::pittore
