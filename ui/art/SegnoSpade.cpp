// Swords: a curved blue blade on a quadratic curve, with a golden crossguard, grip and pommel.
#include <QLineF>
#include <QPainter>
#include <QtMath>

#include "Campitura.h"
#include "Colori.h"
#include "Segni.h"

namespace quintello {
namespace {

constexpr int kCampioni = 20;

struct Curva {
  QPointF a, c, b;
  QPointF Punto(qreal t) const { return (1 - t) * (1 - t) * a + 2 * t * (1 - t) * c + t * t * b; }
  QPointF Tangente(qreal t) const { return 2 * (1 - t) * (c - a) + 2 * t * (b - c); }
};

QPointF Normale(QPointF v) {
  const qreal l = std::hypot(v.x(), v.y());
  return l > 0 ? QPointF(-v.y() / l, v.x() / l) : QPointF(0, 0);
}

// Half the blade's width along its length: straight edges, then a tapering point.
qreal MezzaLama(qreal t, qreal larghezza) {
  constexpr qreal kInizioPunta = 0.8;
  const qreal base = larghezza / 2 * (1 - 0.18 * t);
  if (t < kInizioPunta) return base;
  const qreal s = (t - kInizioPunta) / (1 - kInizioPunta);
  return base * (1 - s) * (1 + 0.7 * s);
}

Curva CurvaDi(const Spada& s) {
  const QPointF meta = (s.elsa + s.punta) / 2;
  return {s.elsa, meta + Normale(s.punta - s.elsa) * 2 * s.curva, s.punta};
}

void DisegnaLama(QPainter& p, const Curva& curva, qreal larghezza) {
  QPolygonF sinistra, destra;
  for (int i = 0; i <= kCampioni; ++i) {
    const qreal t = qreal(i) / kCampioni;
    const QPointF n = Normale(curva.Tangente(t)) * MezzaLama(t, larghezza);
    sinistra << curva.Punto(t) + n;
    destra << curva.Punto(t) - n;
  }
  QPainterPath lama;
  lama.moveTo(sinistra.first());
  for (const QPointF& q : sinistra) lama.lineTo(q);
  for (auto it = destra.rbegin(); it != destra.rend(); ++it) lama.lineTo(*it);
  lama.closeSubpath();
  Campisci(p, lama, coloreBlu, larghezza > 6 ? 1.0 : kTratto);

  // A pale fuller along the blade gives the steel its shine.
  QPainterPath sguscio;
  sguscio.moveTo(curva.Punto(0.03));
  for (int i = 1; i <= kCampioni * 3 / 4; ++i) sguscio.lineTo(curva.Punto(qreal(i) / kCampioni));
  Traccia(p, sguscio, coloreAcciaio, larghezza * 0.28);
}

void DisegnaElsa(QPainter& p, QPointF elsa, QPointF avanti, qreal larghezza, qreal lunghezza) {
  p.save();
  p.translate(elsa);
  p.rotate(qRadiansToDegrees(std::atan2(avanti.y(), avanti.x())));
  const qreal w = larghezza;
  const qreal tratto = w > 6 ? 0.9 : kTrattoFine + 0.1;
  const qreal impugnatura = std::max(lunghezza * 0.1, w * 2.2);

  QPainterPath manico;
  manico.addRoundedRect(QRectF(-impugnatura, -w * 0.32, impugnatura, w * 0.64), w * 0.2, w * 0.2);
  Campisci(p, manico, coloreOroScuro, tratto);
  QPainterPath fasce;
  for (qreal f : {0.33, 0.66}) {
    fasce.moveTo(-impugnatura * f, -w * 0.32);
    fasce.lineTo(-impugnatura * f, w * 0.32);
  }
  Traccia(p, fasce, coloreInchiostro, tratto * 0.8);

  // Crossguard with curled quillons.
  const qreal braccio = w * 1.5 + 1.2;
  QPainterPath guardia;
  guardia.moveTo(-w * 0.25, -braccio);
  guardia.quadTo(w * 0.35, 0, -w * 0.25, braccio);
  guardia.lineTo(w * 0.3, braccio);
  guardia.quadTo(w * 0.8, 0, w * 0.3, -braccio);
  guardia.closeSubpath();
  // Guard, quillon knobs and pommel are one gold casting, outlined as one.
  CampisciUnito(p,
                {guardia, Ellisse({w * 0.05, -braccio}, w * 0.38, w * 0.38),
                 Ellisse({w * 0.05, braccio}, w * 0.38, w * 0.38),
                 Ellisse({-impugnatura - w * 0.35, 0}, w * 0.5, w * 0.5)},
                coloreOro, tratto);
  CampisciEllisse(p, {w * 0.25, 0}, w * 0.28, w * 0.28, coloreRosso, kTrattoFine);
  p.restore();
}

}  // namespace

void DisegnaSpada(QPainter& p, const Spada& spada) {
  const Curva curva = CurvaDi(spada);
  DisegnaLama(p, curva, spada.larghezza);
  DisegnaElsa(p, spada.elsa, curva.Tangente(0), spada.larghezza,
              QLineF(spada.elsa, spada.punta).length());
}

}  // namespace quintello
