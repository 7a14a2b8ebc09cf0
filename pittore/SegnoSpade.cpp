// Swords: a curved blue blade on a quadratic curve, with a golden crossguard, grip and pommel.
#include <QLineF>
#include <QPainter>
#include <QtMath>
#include <utility>

#include "Campitura.h"
#include "Colori.h"
#include "Segni.h"

namespace quintello::pittore {
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

// The blade's outline grown by `allarga` on every side, between t = 0 and t = fine; the point
// is carried forward too, so that a grown blade filled with ink outlines the blade.
QPainterPath Lama(const Curva& curva, qreal larghezza, qreal allarga, qreal quota = 1,
                  qreal fine = 1) {
  QPolygonF sinistra, destra;
  for (int i = 0; i <= kCampioni; ++i) {
    const qreal t = fine * i / kCampioni;
    const QPointF n = Normale(curva.Tangente(t)) * (MezzaLama(t, larghezza) * quota + allarga);
    sinistra << curva.Punto(t) + n;
    destra << curva.Punto(t) - n;
  }
  QPainterPath lama;
  lama.moveTo(sinistra.first());
  for (const QPointF& q : sinistra) lama.lineTo(q);
  if (fine == 1) {
    const QPointF avanti = -Normale(Normale(curva.Tangente(1)));
    lama.lineTo(curva.Punto(1) + avanti * allarga * 1.6);
  }
  for (auto it = destra.rbegin(); it != destra.rend(); ++it) lama.lineTo(*it);
  lama.closeSubpath();
  return lama;
}

void DisegnaLama(QPainter& p, const Curva& curva, qreal larghezza) {
  const qreal tratto = larghezza > 6 ? 1.0 : kTratto;
  Campisci(p, Lama(curva, larghezza, tratto / 2), coloreInchiostro, 0);
  Campisci(p, Lama(curva, larghezza, -tratto / 2), coloreBlu, 0);
  // A pale fuller along the blade gives the steel its shine.
  Campisci(p, Lama(curva, larghezza, 0, 0.28, 0.75), coloreAcciaio, 0);
}

// The crossguard bar, grown by `allarga` on every side.
QPainterPath Guardia(qreal w, qreal braccio, qreal allarga) {
  const qreal b = braccio + allarga;
  QPainterPath guardia;
  guardia.moveTo(-w * 0.25 - allarga, -b);
  guardia.quadTo(w * 0.35 - allarga, 0, -w * 0.25 - allarga, b);
  guardia.lineTo(w * 0.3 + allarga, b);
  guardia.quadTo(w * 0.8 + allarga, 0, w * 0.3 + allarga, -b);
  guardia.closeSubpath();
  return guardia;
}

QPainterPath Manico(qreal w, qreal impugnatura, qreal allarga) {
  QPainterPath manico;
  const qreal r = w * 0.2 + allarga;
  manico.addRoundedRect(QRectF(-impugnatura - allarga, -w * 0.32 - allarga,
                               impugnatura + 2 * allarga, w * 0.64 + 2 * allarga),
                        r, r);
  return manico;
}

// Outlines here are fills of grown shapes rather than strokes: the guard, its knobs and the
// pommel then read as one gold casting, inked round their union, and paint quickly.
void DisegnaElsa(QPainter& p, QPointF elsa, QPointF avanti, qreal larghezza, qreal lunghezza) {
  p.save();
  p.translate(elsa);
  p.rotate(qRadiansToDegrees(std::atan2(avanti.y(), avanti.x())));
  const qreal w = larghezza;
  const qreal m = (w > 6 ? 0.9 : kTrattoFine + 0.1) / 2;
  const qreal impugnatura = std::max(lunghezza * 0.1, w * 2.2);

  Campisci(p, Manico(w, impugnatura, m), coloreInchiostro, 0);
  Campisci(p, Manico(w, impugnatura, -m), coloreOroScuro, 0);
  QPainterPath fasce;
  for (qreal f : {0.33, 0.66}) {
    fasce.moveTo(-impugnatura * f, -w * 0.32);
    fasce.lineTo(-impugnatura * f, w * 0.32);
  }
  Traccia(p, fasce, coloreInchiostro, kTrattoFine);

  // Crossguard with curled quillons, and the pommel.
  const qreal braccio = w * 1.5 + 1.2;
  const QPointF pomelli[] = {{w * 0.05, -braccio}, {w * 0.05, braccio}};
  const QPointF pomo(-impugnatura - w * 0.35, 0);
  for (const auto& [colore, allarga] : {std::pair{coloreInchiostro, m}, {coloreOro, -m}}) {
    Campisci(p, Guardia(w, braccio, allarga), colore, 0);
    for (QPointF q : pomelli)
      CampisciEllisse(p, q, w * 0.38 + allarga, w * 0.38 + allarga, colore, 0);
    CampisciEllisse(p, pomo, w * 0.5 + allarga, w * 0.5 + allarga, colore, 0);
  }
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

}  // namespace quintello::pittore
