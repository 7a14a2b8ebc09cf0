#include "Figure.h"

#include <QLineF>
#include <QPainter>

#include "Campitura.h"
#include "Colori.h"
#include "Segni.h"

namespace quintello::pittore {

void DisegnaFigura(QPainter& p, int valore, Seme seme) {
  if (valore == kFante) DisegnaFante(p, seme);
  if (valore == kCavallo) DisegnaCavallo(p, seme);
  if (valore == kRe) DisegnaRe(p, seme);
}

Vesti VestiDi(Seme seme) {
  switch (seme) {
    case Seme::Denari:
      return {coloreRosso, coloreBlu, coloreOro, coloreVerde, coloreGrigio, coloreMarroneChiaro};
    case Seme::Spade:
      return {coloreBlu, coloreRosso, coloreVerde, coloreRosso, coloreMarrone, coloreNero};
    case Seme::Coppe:
      return {coloreVerde, coloreRosso, coloreBlu, coloreBlu, coloreBianco, coloreGrigio};
    case Seme::Bastoni:
      return {coloreViola, coloreVerde,         coloreRosso,
              coloreRosso, coloreMarroneChiaro, coloreMarroneScuro};
  }
  return {};
}

namespace {

// The parts of a face, in units of the head: the face itself is 10 wide and 13 tall.
QPainterPath Chioma(qreal lunghezza) {
  QPainterPath chioma;
  chioma.moveTo(-5.8, -2);
  chioma.cubicTo(-7.5, -10, 7.5, -10, 5.8, -2);
  chioma.cubicTo(8.2, 1, 8.4, lunghezza - 1, 6, lunghezza);
  chioma.quadTo(0, lunghezza + 1.5, -6, lunghezza);
  chioma.cubicTo(-8.4, lunghezza - 1, -8.2, 1, -5.8, -2);
  return chioma;
}

QPainterPath Barba() {
  QPainterPath barba;
  barba.moveTo(-5, 0.5);
  barba.cubicTo(-5, 9, -2, 12, 0, 12.5);
  barba.cubicTo(2, 12, 5, 9, 5, 0.5);
  barba.cubicTo(3, 3.5, -3, 3.5, -5, 0.5);
  return barba;
}

QPainterPath Frangia() {
  QPainterPath frangia;
  frangia.moveTo(-5.4, -1.5);
  frangia.cubicTo(-5, -7.5, 5, -7.5, 5.4, -1.5);
  frangia.quadTo(0, -4.5, -5.4, -1.5);
  return frangia;
}

QPainterPath Curva(QPointF da, QPointF controllo, QPointF a) {
  QPainterPath curva;
  curva.moveTo(da);
  curva.quadTo(controllo, a);
  return curva;
}

void DisegnaLineamenti(QPainter& p, const QTransform& t, qreal s) {
  for (int lato : {-1, 1}) {
    CampisciEllisse(p, t.map(QPointF(lato * 2.0, -0.4)), 0.55 * s, 0.65 * s, coloreInchiostro, 0);
    const QPainterPath ciglio = Curva({lato * 0.9, -1.8}, {lato * 2.0, -2.5}, {lato * 3.1, -1.7});
    Traccia(p, t.map(ciglio), coloreInchiostro, 0.4 * s);
  }
  QPainterPath naso = Curva({-0.2, -0.6}, {0.3, 1.2}, {0.9, 1.9});
  naso.lineTo(-0.3, 2.2);
  Traccia(p, t.map(naso), coloreNaso, 0.45 * s);
}

}  // namespace

void DisegnaVolto(QPainter& p, QPointF c, qreal s, Pelo pelo) {
  QTransform t;
  t.translate(c.x(), c.y());
  t.scale(s, s);
  const bool barbuto = pelo == Pelo::Barbuto;
  // Hair falls behind the face to the jaw (a page's bob) or to the shoulders (a king's).
  Campisci(p, t.map(Chioma(barbuto ? 10 : 7.5)), barbuto ? coloreBarba : coloreCapelli);
  CampisciEllisse(p, c, 5.1 * s, 6.4 * s, coloreCarne);
  if (barbuto) {
    Campisci(p, t.map(Barba()), coloreBarba);
    Traccia(p, t.map(Curva({-2.8, 3.6}, {0, 1.8}, {2.8, 3.6})), coloreBaffi, 0.9 * s);
  } else {
    Campisci(p, t.map(Frangia()), coloreCapelli, kTrattoFine);
    Traccia(p, t.map(Curva({-1.2, 3.6}, {0, 4.3}, {1.2, 3.6})), coloreRossoScuro, 0.6 * s);
  }
  DisegnaLineamenti(p, t, s);
}

void DisegnaTerreno(QPainter& p, qreal y, qreal da, qreal a) {
  QPainterPath prato;
  prato.moveTo(da, y);
  prato.cubicTo(da + 2, y - 3, a - 2, y - 3, a, y);
  prato.cubicTo(a - 2, y + 2.2, da + 2, y + 2.2, da, y);
  Campisci(p, prato, coloreVerdeChiaro, kTrattoFine);
}

void DisegnaSbuffo(QPainter& p, QPointF spalla, const QColor& colore) {
  CampisciEllisse(p, spalla, 3.8, 3.3, colore);
  QPainterPath pieghe;
  pieghe.moveTo(spalla + QPointF(-1.3, -2.6));
  pieghe.quadTo(spalla + QPointF(-2.2, 0), spalla + QPointF(-1.3, 2.6));
  pieghe.moveTo(spalla + QPointF(1.3, -2.6));
  pieghe.quadTo(spalla + QPointF(2.2, 0), spalla + QPointF(1.3, 2.6));
  Traccia(p, pieghe, coloreInchiostro, kTrattoFine);
}

void DisegnaPolsino(QPainter& p, QPointF polso) {
  CampisciEllisse(p, polso, 2.9, 1.9, coloreBianco, kTrattoFine + 0.1);
}

void DisegnaMano(QPainter& p, QPointF centro, qreal raggio) {
  CampisciEllisse(p, centro, raggio, raggio, coloreCarne, kTrattoFine + 0.1);
}

void DisegnaArto(QPainter& p, std::initializer_list<QPointF> linea, qreal spessore,
                 const QColor& colore) {
  QPainterPath traccia;
  traccia.moveTo(*linea.begin());
  for (auto it = linea.begin() + 1; it != linea.end(); ++it) traccia.lineTo(*it);
  p.setBrush(Qt::NoBrush);
  p.setPen(
      QPen(coloreInchiostro, spessore + 2 * kTratto, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(traccia);
  p.setPen(QPen(colore, spessore, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(traccia);
}

void DisegnaSegnoImpugnato(QPainter& p, Seme seme, QPointF mano, qreal misura, QPointF cima) {
  switch (seme) {
    case Seme::Denari:
      DisegnaDenaro(p, mano + QPointF(0, -misura * 0.42), misura / 2);
      break;
    case Seme::Coppe:
      DisegnaCoppa(p, mano + QPointF(0, -misura * 0.2), misura);
      break;
    case Seme::Spade: {
      // The grip sits in the fist, so the crossguard stands just above it.
      QLineF verso(mano, cima);
      verso.setLength(3.2);
      DisegnaSpada(p, {verso.p2(), cima, -1.5, 3.6});
      break;
    }
    case Seme::Bastoni: {
      QLineF verso(cima, mano);
      verso.setLength(QLineF(cima, mano).length() + misura);
      DisegnaBastone(p, {verso.p2(), cima, 4.6, 1.25});
      break;
    }
  }
  DisegnaMano(p, mano);
}

}  // namespace quintello::pittore
