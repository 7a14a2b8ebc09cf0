// Batons: a green-barked stave with brown knots where branches were cut, and cut ends.
#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

#include "Campitura.h"
#include "Colori.h"
#include "Segni.h"

namespace quintello {
namespace {

constexpr int kCampioni = 24;
// Where the cut branches stand, as fractions of the length, and on which side.
constexpr qreal kNodi[] = {0.2, 0.4, 0.6, 0.8};

qreal MezzoSpessore(const Bastone& b, qreal t) {
  const qreal gonfio = 1 + (b.svasatura - 1) * t * t;
  const qreal ondeggio = 1 + 0.07 * std::sin(t * 23.0);
  return b.spessore / 2 * gonfio * ondeggio;
}

void DisegnaMoncone(QPainter& p, qreal x, qreal bordo, int lato, qreal spessore) {
  const qreal s = spessore * 0.34;
  const qreal sporgenza = spessore * 0.42;
  QPainterPath moncone;
  moncone.moveTo(x - s, bordo * lato * 0.6);
  moncone.lineTo(x + s * 0.2 + sporgenza * 0.5, (bordo + sporgenza) * lato);
  moncone.lineTo(x + s * 1.2 + sporgenza * 0.5, (bordo + sporgenza * 0.7) * lato);
  moncone.lineTo(x + s, bordo * lato * 0.6);
  moncone.closeSubpath();
  Campisci(p, moncone, coloreMarrone, kTrattoFine);
  const QPointF taglio(x + s * 0.7 + sporgenza * 0.5, (bordo + sporgenza * 0.85) * lato);
  Campisci(p, Ellisse(taglio, s * 0.55, s * 0.3), coloreMarroneChiaro, kTrattoFine);
}

}  // namespace

void DisegnaBastone(QPainter& p, const Bastone& b) {
  const QLineF asse(b.base, b.cima);
  const qreal l = asse.length();
  const qreal tratto = b.spessore > 9 ? 0.95 : kTratto;
  p.save();
  p.translate(b.base);
  p.rotate(-asse.angle());

  int lato = 1;
  for (qreal n : kNodi) {
    DisegnaMoncone(p, n * l, MezzoSpessore(b, n), lato, b.spessore);
    lato = -lato;
  }

  QPolygonF sopra, sotto;
  for (int i = 0; i <= kCampioni; ++i) {
    const qreal t = qreal(i) / kCampioni;
    sopra << QPointF(t * l, -MezzoSpessore(b, t));
    sotto << QPointF(t * l, MezzoSpessore(b, t));
  }
  QPainterPath fusto;
  fusto.moveTo(sopra.first());
  for (const QPointF& q : sopra) fusto.lineTo(q);
  for (auto it = sotto.rbegin(); it != sotto.rend(); ++it) fusto.lineTo(*it);
  fusto.closeSubpath();
  const qreal massimo = b.spessore / 2 * b.svasatura;
  QLinearGradient corteccia(0, -massimo, 0, massimo);
  corteccia.setColorAt(0, coloreVerdeScuro);
  corteccia.setColorAt(0.35, coloreVerdeChiaro);
  corteccia.setColorAt(0.7, coloreVerde);
  corteccia.setColorAt(1, coloreVerdeScuro);
  Campisci(p, fusto, corteccia, tratto);

  // Brown rings of knots along the stave.
  for (qreal n : kNodi) {
    const qreal x = (n + 0.1) * l;
    const qreal h = MezzoSpessore(b, n + 0.1);
    QPainterPath nodo;
    nodo.moveTo(x - h * 0.35, -h * 0.9);
    nodo.quadTo(x + h * 0.25, 0, x - h * 0.35, h * 0.9);
    Traccia(p, nodo, coloreMarroneScuro, std::max(0.5, b.spessore * 0.12));
  }

  for (qreal t : {0.0, 1.0}) {
    const qreal h = MezzoSpessore(b, t);
    Campisci(p, Ellisse({t * l, 0}, h * 0.32, h), coloreMarroneChiaro, kTrattoFine + 0.1);
    Campisci(p, Ellisse({t * l, 0}, h * 0.12, h * 0.4), coloreMarrone, 0);
  }
  p.restore();
}

}  // namespace quintello
